// The panel frame on the shown main frame, with the image helper as its panel: opening from
// the menu and the toolbar, one instance, rolling, closing with and without saving the
// place, focus back to the document, help.
#include "base/settingsfile.h"
#include "commands/commandids.h"
#include "documents/documentwindow.h"
#include "files/documentfiles.h"
#include "framedriver.h"
#include "help/helpwindow.h"
#include "helpers/frame/panelprompter.h"
#include "paneltestbase.h"
#include "paneltesting.h"
#include "widgets/messageboxprompter.h"

#include <Qsci/qsciscintilla.h>

#include <QMessageBox>
#include <QSignalSpy>
#include <QSizeGrip>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

using namespace PanelTesting;

class TestPanelFrame : public PanelTestBase
{
    Q_OBJECT

    const PanelRow &image() const { return row(PanelId::Image); }
    HelperPanel *panel() const { return drive(m_frame).panels().panel(image()); }

    HelperPanel *openFromToolbar()
    {
        SpeedButton *item = toolbarItem(*m_frame, Cmd::ImageHelper);
        if (!item)
            return nullptr;
        QTest::mouseClick(item, Qt::LeftButton);
        return panel();
    }

private Q_SLOTS:
    void init()
    {
        startFrameForPanels();
        QTRY_VERIFY(drive(m_frame).documents().active());
    }
    void cleanup() { stopFrame(); }

    void opensFromMenuAndToolbarAsOneInstance()
    {
        chooseFromMenu(*m_frame, Cmd::ImageHelper);
        HelperPanel *first = panel();
        QVERIFY(first);
        QTRY_VERIFY(first->isVisible());
        QCOMPARE(first->windowTitle(), QStringLiteral("Image Helper"));
        QVERIFY(first->windowFlags() & Qt::Tool);
        QCOMPARE(first->parentWidget(), m_frame.get());

        // The keyboard is back in the document.
        QTRY_VERIFY(drive(m_frame).documents().active()->memo()->hasFocus());

        // Hidden by hand, a second command shows the same instance again.
        first->hide();
        QCOMPARE(openFromToolbar(), first);
        QTRY_VERIFY(first->isVisible());
        QCOMPARE(m_frame->findChildren<HelperPanel *>().size(), 1);
    }

    // Each panel's Close, clicked at its centre as a user does, closes it; the size grip of a
    // resizable panel keeps to its corner and lies over no button.
    void everyPanelsCloseButtonCloses()
    {
        for (const PanelId id :
             {PanelId::Image, PanelId::Document, PanelId::Link, PanelId::List, PanelId::Table}) {
            HelperPanel *p = openPanelFromMenu<HelperPanel>(id);
            QVERIFY(p);
            if (auto *grip = p->findChild<QSizeGrip *>()) {
                QVERIFY(grip->width() < 30 && grip->height() < 30);
                for (QPushButton *b : {p->readButton(), p->insertButton(), p->closeButton()}) {
                    const QRect button(b->mapTo(p, QPoint(0, 0)), b->size());
                    QVERIFY2(!grip->geometry().intersects(button), qPrintable(b->text()));
                }
            }
            press(p->closeButton());
            QTRY_VERIFY2(!drive(m_frame).panels().panel(id), PanelRows::byId(id).caption);
        }
    }

    // Exit from the menu closes the panels (which keep their places) and the help window
    // with the frame, whatever the platform makes of windows left open.
    void exitClosesPanelsAndHelp()
    {
        QPointer<HelperPanel> p = openPanelFromMenu<HelperPanel>(PanelId::Link);
        QVERIFY(p);
        p->move(p->pos() + QPoint(7, 5));
        const QPoint place = p->pos();
        QTest::mouseClick(p->captionBar()->helpButton(), Qt::LeftButton);
        QPointer<HelpWindow> help = drive(m_frame).help().window();
        QVERIFY(help);
        QTRY_VERIFY(help->isVisible());
        chooseFromMenu(*m_frame, Cmd::Exit1Click);
        QTRY_VERIFY(!m_frame->isVisible());
        QVERIFY(!p || !p->isVisible());
        QVERIFY(!help->isVisible());
        QCOMPARE(m_settings->read(Keys::LinkTop), place.y());
        QCOMPARE(m_settings->read(Keys::LinkLeft), place.x());
    }

    // The same in the program's own event loop: Exit ends it.
    void exitEndsTheProgram()
    {
        QPointer<HelperPanel> p = openPanelFromMenu<HelperPanel>(PanelId::Image);
        QVERIFY(p);
        p->move(p->pos() + QPoint(7, 5));
        const QPoint place = p->pos();
        QTest::mouseClick(p->captionBar()->helpButton(), Qt::LeftButton);
        QPointer<HelpWindow> help = drive(m_frame).help().window();
        QVERIFY(help);
        QTRY_VERIFY(help->isVisible());
        QSignalSpy quitting(qApp, &QCoreApplication::aboutToQuit);
        bool chosen = false;
        QTimer::singleShot(0, m_frame.get(), [&] {
            chooseFromMenu(*m_frame, Cmd::Exit1Click);
            chosen = true;
        });
        // Only a guard against a program that never ends.
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
        guard.start(60000);
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(chosen);
        QCOMPARE(quitting.count(), 1);
        QVERIFY(!m_frame->isVisible());
        QVERIFY(!p || !p->isVisible());
        QVERIFY(!help || !help->isVisible());
        QCOMPARE(m_settings->read(Keys::ImgTop), place.y());
        QCOMPARE(m_settings->read(Keys::ImgLeft), place.x());
    }

    // A panel's question opens over the panel, so that a panel kept on top cannot hide it.
    void questionsOpenOverThePanel()
    {
        HelperPanel *p = openPanelFromMenu<HelperPanel>(PanelId::Table);
        QVERIFY(p);
        MessageBoxPrompter boxes(m_frame.get());
        PanelPrompter prompter(boxes, p);
        QWidget *parent = nullptr;
        QTimer::singleShot(0, p, [&parent] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible()) {
                    parent = box->parentWidget();
                    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
                }
        });
        prompter.warn(QStringLiteral("Cells must be numbers"));
        QCOMPARE(parent, p);
        QCOMPARE(boxes.parent(), m_frame.get());
    }

    void withoutADocumentNothingOpens()
    {
        QVERIFY(drive(m_frame).closer().CloseAll());
        QTRY_VERIFY(!drive(m_frame).documents().active());
        QVERIFY(openFromToolbar() == nullptr);
        QVERIFY(!drive(m_frame).commands().run(QLatin1String(Cmd::ImageHelper)));
        QVERIFY(!panel());
    }

    void placedBelowTheFrameTopAndInsideItsRightEdge()
    {
        m_settings->write(Keys::ImgTop, 300);
        m_settings->write(Keys::ImgLeft, 200);
        HelperPanel *p = openFromToolbar();
        QVERIFY(p);
        // Positions are not remembered: the default place, whatever was saved.
        const QRect main = m_frame->frameGeometry();
        QCOMPARE(p->pos(), QPoint(main.left() + main.width() - p->width() - 25, main.top() + 116));
    }

    void closeSavesThePlaceAndRememberedPlacesReturn()
    {
        m_settings->write(Keys::RestoreHelpers, QStringLiteral("ok"));
        HelperPanel *p = openFromToolbar();
        QVERIFY(p);
        p->move(140, 120);
        p->resize(500, 480);
        QTRY_COMPARE(p->size(), QSize(500, 480));
        QSignalSpy closed(p, &HelperPanel::closed);
        QTest::mouseClick(p->closeButton(), Qt::LeftButton);
        QCOMPARE(closed.size(), 1);
        QVERIFY(!panel());
        QCOMPARE(m_settings->read(Keys::ImgLeft), 140);
        QCOMPARE(m_settings->read(Keys::ImgTop), 120);
        QCOMPARE(m_settings->read(Keys::ImgWidth), 500);
        QCOMPARE(m_settings->read(Keys::ImgHeight), 480);
        QCOMPARE(m_settings->read(Keys::ImagePreview), QString());

        QTRY_VERIFY(m_frame->findChildren<HelperPanel *>().isEmpty());
        p = openFromToolbar();
        QVERIFY(p);
        QCOMPARE(p->pos(), QPoint(140, 120));
        QCOMPARE(p->size(), QSize(500, 480));
        QCOMPARE(p->fullHeight(), 480);

        // The caption bar's close button closes the same way.
        p->move(150, 130);
        QTest::mouseClick(p->captionBar()->closeButton(), Qt::LeftButton);
        QVERIFY(!panel());
        QCOMPARE(m_settings->read(Keys::ImgLeft), 150);
    }

    void zeroCountsAsNoPlace()
    {
        m_settings->write(Keys::RestoreHelpers, QStringLiteral("ok"));
        m_settings->write(Keys::ImgTop, 0);
        m_settings->write(Keys::ImgLeft, 0);
        m_settings->write(Keys::ImgWidth, 0);
        HelperPanel *p = openFromToolbar();
        QVERIFY(p);
        const QRect main = m_frame->frameGeometry();
        QCOMPARE(p->pos(), QPoint(main.left() + main.width() - p->width() - 25, main.top() + 116));
        QVERIFY(p->width() >= 288);
    }

    void rightClickOnTheItemDestroysWithoutSaving()
    {
        HelperPanel *p = openFromToolbar();
        QVERIFY(p);
        p->move(160, 170);
        QSignalSpy closed(p, &HelperPanel::closed);
        QTest::mousePress(toolbarItem(*m_frame, Cmd::ImageHelper), Qt::RightButton);
        QCOMPARE(closed.size(), 1);
        QVERIFY(!panel());
        QVERIFY(m_frame->findChildren<HelperPanel *>().isEmpty());
        QVERIFY(!m_settings->hasKey(QStringLiteral("Windows"), QStringLiteral("imgt")));
        // Nothing open: the right click does nothing.
        QTest::mousePress(toolbarItem(*m_frame, Cmd::ImageHelper), Qt::RightButton);
        QVERIFY(!panel());
    }

    void rollsUpToTheCaptionAndDownToTheFullHeight()
    {
        HelperPanel *p = openFromToolbar();
        QVERIFY(p);
        QTRY_VERIFY(p->isVisible());
        const int full = p->height();
        QCOMPARE(p->fullHeight(), full);
        QToolButton *roll = p->captionBar()->rollButton();
        QTest::mouseClick(roll, Qt::LeftButton);
        QVERIFY(p->isRolled());
        QCOMPARE(p->captionBar()->rollKind(), CaptionBar::RollKind::RollDown);
        QTRY_COMPARE(p->height(), p->captionBar()->height() + 2);
        QTest::mouseClick(roll, Qt::LeftButton);
        QVERIFY(!p->isRolled());
        QTRY_COMPARE(p->height(), full);

        // The user drags the size grip; the new height is the one rolling down returns to.
        QSizeGrip *grip = p->findChild<QSizeGrip *>();
        QVERIFY(grip && grip->isVisible());
        const QPoint at = grip->rect().center();
        QTest::mousePress(grip, Qt::LeftButton, {}, at);
        QTest::mouseMove(grip, at + QPoint(30, 60));
        QTest::mouseRelease(grip, Qt::LeftButton, {}, at + QPoint(30, 60));
        QTRY_COMPARE(p->height(), full + 60);
        QCOMPARE(p->fullHeight(), full + 60);

        // A double click on the caption rolls as well.
        QTest::mouseDClick(p->captionBar(), Qt::LeftButton, {}, QPoint(20, 5));
        QVERIFY(p->isRolled());
        QTRY_VERIFY(p->height() < full);
        QCOMPARE(p->fullHeight(), full + 60);
        // Closed while rolled up, the full height is kept for the next time.
        QTest::mouseClick(roll, Qt::LeftButton);
        QTRY_COMPARE(p->height(), full + 60);
        QTest::mouseClick(roll, Qt::LeftButton);
        p->closePanel();
        QCOMPARE(m_settings->read(Keys::ImgHeight), full + 60);
    }

    // The caption's Help button opens the program's help window at the panel's own page;
    // the window is made only then.
    void helpButtonShowsThePanelsPage()
    {
        QVERIFY(!drive(m_frame).help().window());
        HelperPanel *p = openFromToolbar();
        QVERIFY(p);
        QVERIFY(p->captionBar()->helpButton()->isEnabled());
        QTest::mouseClick(p->captionBar()->helpButton(), Qt::LeftButton);
        HelpWindow *help = drive(m_frame).help().window();
        QVERIFY(help);
        QTRY_VERIFY(help->isVisible());
        QCOMPARE(help->currentPage(), QStringLiteral("imagehelper.html"));
        QVERIFY(help->browser()->toPlainText().contains(QLatin1String("IMG")));
    }

    // The colour, font, form and frame helpers open from a toolbar item as well; a second
    // command shows the frame helper again and leaves the other three as they are.
    void laterPanelsOpenFromTheirToolbarItems()
    {
        for (const PanelId id : {PanelId::Colour, PanelId::Font, PanelId::Form, PanelId::Frames}) {
            const PanelRow &r = row(id);
            SpeedButton *item = toolbarItem(*m_frame, r.command);
            QVERIFY2(item, r.command);
            QTest::mouseClick(item, Qt::LeftButton);
            HelperPanel *p = drive(m_frame).panels().panel(id);
            QVERIFY2(p, r.command);
            QTRY_VERIFY(p->isVisible());
            QCOMPARE(p->windowTitle(), QLatin1String(r.caption));
            p->hide();
            chooseFromMenu(*m_frame, r.command);
            QCOMPARE(drive(m_frame).panels().panel(id), p);
            QCOMPARE(p->isVisible(), r.showAgain);
            p->show();
            QVERIFY(QTest::qWaitForWindowExposed(p));
            press(p->closeButton());
            QTRY_VERIFY(!drive(m_frame).panels().panel(id));
        }
    }

    void everyPanelHasItsHelpPage()
    {
        for (const PanelRow &panel : PanelRows::all()) {
            const HelpPage *page = HelpPages::byTopic(panel.helpTopic);
            QVERIFY2(page, panel.caption);
            const QString file = QStringLiteral(QM_SOURCE_DATA_DIR "/help/") + page->file;
            QVERIFY2(QFileInfo(file).isReadable(), qPrintable(file));
        }
    }
};

QTEST_MAIN(TestPanelFrame)
#include "tst_panelframe.moc"
