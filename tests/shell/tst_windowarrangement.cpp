#include "base/homefolder.h"
#include "base/settingsfile.h"
#include "documents/documentwindow.h"
#include "files/documentfiles.h"
#include "framedriver.h"
#include "frametestbase.h"
#include "projects/projectcommands.h"
#include "projects/templatechooser.h"
#include "shell/cascadelayout.h"
#include "shell/mainframe.h"
#include "shell/tabstrips.h"
#include "shell/windowarranger.h"

#include <Qsci/qsciscintilla.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QtTest>

// Tabbed and normal display, the two tab strips and the Window menu, driven through the main
// frame from a fresh home folder for every test.
class TestWindowArrangement : public FrameTestBase
{
    Q_OBJECT

private:
    std::unique_ptr<MainFrame> start() { return startFrame(); }
    // Three Untitled documents, the third one active.
    std::unique_ptr<MainFrame> startWithThree()
    {
        auto frame = start();
        drive(frame).files().news();
        drive(frame).files().news();
        return frame;
    }
    static QStringList tabTexts(const QTabBar *bar)
    {
        QStringList texts;
        for (int i = 0; i < bar->count(); ++i)
            texts << bar->tabText(i);
        return texts;
    }
    static QMdiSubWindow *windowOf(DocumentWindow *doc)
    {
        return qobject_cast<QMdiSubWindow *>(doc->parentWidget());
    }
    static QColor background(const MainFrame &frame)
    {
        return frame.findChild<QMdiArea *>()->background().color();
    }
    static QMenu *menuNamed(const MainFrame &frame, const QString &title)
    {
        for (QAction *a : frame.menuBar()->actions())
            if (a->text() == title)
                return a->menu();
        return nullptr;
    }
    static QStringList captions(const QMenu *menu)
    {
        QStringList texts;
        for (const QAction *a : menu->actions())
            if (a->isVisible() && !a->isSeparator())
                texts << a->text();
        return texts;
    }
    // The strips' current tab belongs to the active document.
    static void verifyStripsFollow(MainFrame &frame)
    {
        DocumentWindow *active = drive(frame).documents().active();
        QVERIFY(active);
        const int index = drive(frame).documents().documents().indexOf(active);
        QCOMPARE(drive(frame).tabs().lower()->currentIndex(), index);
        QCOMPARE(drive(frame).tabs().upper()->currentIndex(), index);
    }

private Q_SLOTS:
    void init() { resetHome(); }

    void commandsDoNothingWithoutDocuments()
    {
        m_settings->write(Keys::StartNew, "no");
        auto frame = start();
        const QString state = m_settings->read(Keys::State);
        WindowArranger &arranger = drive(frame).arranger();
        arranger.Tabbed();
        arranger.Tiled();
        arranger.Cascaded();
        arranger.switch1Click();
        QCOMPARE(m_settings->read(Keys::State), state);
        QVERIFY(drive(frame).documents().documents().isEmpty());
    }

    void switchGoesToTheNextTabAndFromTheLastToTheFirst()
    {
        auto frame = startWithThree();
        const auto docs = drive(frame).documents().documents();
        QCOMPARE(drive(frame).documents().active(), docs[2]);

        drive(frame).arranger().switch1Click();
        QCOMPARE(drive(frame).documents().active(), docs[0]);
        verifyStripsFollow(*frame);
        QVERIFY(windowOf(docs[0])->isMaximized());

        drive(frame).arranger().switch1Click();
        QCOMPARE(drive(frame).documents().active(), docs[1]);
        verifyStripsFollow(*frame);
        // Switching stays in tabbed display once the windows settle.
        QTRY_VERIFY(windowOf(docs[1])->isMaximized());
        QCOMPARE(m_settings->read(Keys::State), QString("max"));
        QVERIFY(drive(frame).tabs().isShown());
    }

    void tileRestoresHidesTheStripAndIsRememberedForTheNextStart()
    {
        {
            auto frame = start();
            DocumentWindow *doc = drive(frame).documents().active();
            QVERIFY(windowOf(doc)->isMaximized());
            drive(frame).arranger().Tiled();
            QVERIFY(!windowOf(doc)->isMaximized());
            QVERIFY(!drive(frame).tabs().isShown());
            QVERIFY(!drive(frame).tabs().lower()->isVisible());
            QCOMPARE(m_settings->read(Keys::State), QString("norm"));
            QCOMPARE(background(*frame), drive(frame).arranger().workspace().color());
            QTRY_COMPARE(drive(frame).arranger().display(), WindowArranger::Display::Normal);
            QVERIFY(frame->close());
        }
        auto frame = start();
        QVERIFY(!windowOf(drive(frame).documents().active())->isMaximized());
        QVERIFY(!drive(frame).tabs().isShown());

        drive(frame).arranger().Cascaded();
        QCOMPARE(m_settings->read(Keys::State), QString("norm"));
    }

    void cascadePlacesTwoThirdsAStepApart()
    {
        const QSize area(900, 600);
        const QList<QRect> three = CascadeLayout::place(area, 3, 25);
        QCOMPARE(three, (QList<QRect>{QRect(0, 0, 600, 400), QRect(25, 25, 600, 400),
                                      QRect(50, 50, 600, 400)}));
        // Room for nine steps down: the tenth window starts again at the top left.
        const QList<QRect> many = CascadeLayout::place(area, 11, 25);
        QCOMPARE(many[8].topLeft(), QPoint(200, 200));
        QCOMPARE(many[9].topLeft(), QPoint(0, 0));
        for (const QRect &r : many)
            QVERIFY(QRect(QPoint(), area).contains(r));
        // A minimum size wins over two thirds, the area over the minimum.
        QCOMPARE(CascadeLayout::place(area, 1, 25, QSize(700, 100)).front().size(),
                 QSize(700, 400));
        QCOMPARE(CascadeLayout::place(QSize(90, 60), 2, 25, QSize(200, 200)),
                 (QList<QRect>{QRect(0, 0, 90, 60), QRect(0, 0, 90, 60)}));
        QVERIFY(CascadeLayout::place(area, 0, 25).isEmpty());
        QVERIFY(CascadeLayout::place(QSize(0, 0), 2, 25).isEmpty());
    }

    void tabMaximisesAndShowsTheStripOfTheLocation_data()
    {
        QTest::addColumn<QString>("tabloc");
        QTest::addColumn<bool>("byStatusBar");
        QTest::newRow("lower, Window menu") << QString() << false;
        QTest::newRow("upper, Window menu") << QString("top") << false;
        QTest::newRow("lower, double click on the status bar") << QString() << true;
    }
    void tabMaximisesAndShowsTheStripOfTheLocation()
    {
        QFETCH(QString, tabloc);
        QFETCH(bool, byStatusBar);
        m_settings->write(Keys::TabLoc, tabloc);
        m_settings->write(Keys::State, "norm");
        auto frame = start();
        drive(frame).files().news();
        DocumentWindow *doc = drive(frame).documents().active();
        QVERIFY(!windowOf(doc)->isMaximized());
        QVERIFY(!drive(frame).tabs().lower()->isVisible());
        QVERIFY(!drive(frame).tabs().upper()->isVisible());

        if (byStatusBar) {
            QWidget *blank = drive(frame).tabs().lower()->parentWidget();
            QTest::mouseDClick(blank, Qt::LeftButton, {}, QPoint(blank->width() - 5, 5));
        } else {
            menuNamed(*frame, "&Window")->actions().at(0)->trigger();
        }
        QVERIFY(windowOf(doc)->isMaximized());
        QCOMPARE(m_settings->read(Keys::State), QString("max"));
        QCOMPARE(drive(frame).tabs().lower()->isVisible(), tabloc.isEmpty());
        QCOMPARE(drive(frame).tabs().upper()->isVisible(), !tabloc.isEmpty());
        QCOMPARE(background(*frame), QColor(Qt::white));
        verifyStripsFollow(*frame);
    }

    void closingADocumentTakesItsOwnTabFromBothStrips()
    {
        auto frame = startWithThree();
        auto docs = drive(frame).documents().documents();
        QVERIFY(windowOf(docs[2])->close());
        QTRY_COMPARE(drive(frame).documents().documents().size(), 2);
        QCOMPARE(tabTexts(drive(frame).tabs().lower()), (QStringList{"Untitled1", "Untitled2"}));
        QCOMPARE(tabTexts(drive(frame).tabs().upper()), (QStringList{"Untitled1", "Untitled2"}));
        verifyStripsFollow(*frame);
        QTRY_VERIFY(windowOf(drive(frame).documents().active())->isMaximized());
        QCOMPARE(m_settings->read(Keys::State), QString("max"));

        // A window that is not the active one (closed by its own button in normal display)
        // takes its own tab, not the current one.
        drive(frame).arranger().Tiled();
        docs = drive(frame).documents().documents();
        drive(frame).arranger().activate(docs[1]);
        QVERIFY(windowOf(docs[0])->close());
        QTRY_COMPARE(drive(frame).documents().documents().size(), 1);
        QCOMPARE(tabTexts(drive(frame).tabs().upper()), QStringList{"Untitled2"});
        QCOMPARE(drive(frame).tabs().lower()->currentIndex(), 0);
    }

    void closingTheLastLeavesAnEmptyStripAndNewIsMaximisedAgain()
    {
        auto frame = start();
        QVERIFY(windowOf(drive(frame).documents().active())->close());
        QTRY_VERIFY(drive(frame).documents().documents().isEmpty());
        QCOMPARE(drive(frame).tabs().lower()->count(), 0);
        QCOMPARE(drive(frame).tabs().upper()->count(), 0);
        QVERIFY(drive(frame).tabs().lower()->isVisible());
        QTRY_COMPARE(background(*frame), drive(frame).arranger().workspace().color());
        QCOMPARE(drive(frame).status().caretText(), QString());

        DocumentWindow *doc = drive(frame).files().news();
        QVERIFY(windowOf(doc)->isMaximized());
        QVERIFY(drive(frame).tabs().lower()->isVisible());
        QCOMPARE(tabTexts(drive(frame).tabs().lower()), QStringList{"Untitled2"});
        QTRY_COMPARE(background(*frame), QColor(Qt::white));
    }

    void documentsOwnMinimiseRestoreAndMaximiseSetTheDisplay()
    {
        auto frame = start();
        drive(frame).files().news();
        QMdiSubWindow *sub = windowOf(drive(frame).documents().active());

        sub->showMinimized();
        QTRY_COMPARE(m_settings->read(Keys::State), QString("norm"));
        QVERIFY(!drive(frame).tabs().lower()->isVisible());
        QCOMPARE(background(*frame), drive(frame).arranger().workspace().color());

        sub->showMaximized();
        QTRY_COMPARE(m_settings->read(Keys::State), QString("max"));
        QVERIFY(drive(frame).tabs().lower()->isVisible());
        QCOMPARE(background(*frame), QColor(Qt::white));

        sub->showNormal();
        QTRY_COMPARE(m_settings->read(Keys::State), QString("norm"));
        QVERIFY(!drive(frame).tabs().isShown());
        // The next document opens as a free window.
        QVERIFY(!windowOf(drive(frame).files().news())->isMaximized());
    }

    void tabClicksWindowMenuAndMarkerFollowTheDocuments()
    {
        auto frame = startWithThree();
        const auto docs = drive(frame).documents().documents();
        QTabBar *lower = drive(frame).tabs().lower();
        QTest::mouseClick(lower, Qt::LeftButton, {}, lower->tabRect(0).center());
        QCOMPARE(drive(frame).documents().active(), docs[0]);
        verifyStripsFollow(*frame);
        // A right click only opens the pop-up menu, which works on the active document.
        QTest::mouseClick(lower, Qt::RightButton, {}, lower->tabRect(1).center());
        QCOMPARE(drive(frame).documents().active(), docs[0]);
        verifyStripsFollow(*frame);
        for (QMenu *menu : frame->findChildren<QMenu *>())
            menu->hide();

        QMenu *window = menuNamed(*frame, "&Window");
        Q_EMIT window->aboutToShow();
        QCOMPARE(captions(window), (QStringList{"Ta&b", "&Tile", "&Cascade", "&1 Untitled1",
                                                "&2 Untitled2", "&3 Untitled3"}));
        window->actions().constLast()->trigger();
        QCOMPARE(drive(frame).documents().active(), docs[2]);
        verifyStripsFollow(*frame);
        // Listed afresh each time.
        Q_EMIT window->aboutToShow();
        QCOMPARE(captions(window).size(), 6);

        docs[2]->memo()->setFocus();
        QTest::keyClicks(docs[2]->memo(), "x");
        QCOMPARE(tabTexts(lower),
                 (QStringList{"Untitled1", "Untitled2", TabStrips::ModifiedMarker + "Untitled3"}));
        QCOMPARE(tabTexts(drive(frame).tabs().upper()), tabTexts(lower));
    }

    void stripMenuRunsTheArrangementCommands()
    {
        auto frame = start();
        QMenu *popup = nullptr;
        for (QMenu *menu : frame->findChildren<QMenu *>())
            if (!menu->actions().isEmpty() && menu->actions().at(0)->text() == "New")
                popup = menu;
        QVERIFY(popup);
        const auto entry = [popup](const QString &text) {
            for (QAction *a : popup->actions())
                if (a->text() == text)
                    return a;
            return static_cast<QAction *>(nullptr);
        };
        QVERIFY(entry("Close Others"));
        entry("Tile")->trigger();
        QCOMPARE(m_settings->read(Keys::State), QString("norm"));
        popup->actions().at(0)->trigger(); // New, through the template chooser
        QTest::mouseClick(drive(frame).projects().templateChooser()->button("Button1"),
                          Qt::LeftButton);
        QCOMPARE(drive(frame).documents().documents().size(), 2);
    }
};

QTEST_MAIN(TestWindowArrangement)
#include "tst_windowarrangement.moc"
