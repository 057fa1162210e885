#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "framedriver.h"
#include "frametestbase.h"
#include "shell/tabstrips.h"

#include <Qsci/qsciscintilla.h>

#include <QMenu>
#include <QTabBar>
#include <QTimer>
#include <QtTest>

// The everyday ways to move between, close and quit documents: keys typed into the focused
// editor, and the mouse on the document tabs.
class TestDocumentTabs : public FrameTestBase
{
    Q_OBJECT

private:
    std::unique_ptr<MainFrame> m_frame;
    QList<DocumentWindow *> m_docs;

    QTabBar *bar() const { return drive(m_frame).tabs().lower(); }
    QPoint tabCentre(int index) const { return bar()->tabRect(index).center(); }
    DocumentWindow *focused()
    {
        DocumentWindow *doc = drive(m_frame).documents().active();
        doc->memo()->setFocus();
        return doc;
    }
    // Runs once the pop-up menu is up, inside its own loop.
    static void whenMenuShows(const std::function<void(QMenu *)> &act)
    {
        QTimer::singleShot(0, [act] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY(menu);
            act(menu);
        });
    }
    static QAction *entry(QMenu *menu, const QString &text)
    {
        for (QAction *a : menu->actions())
            if (a->text() == text)
                return a;
        return nullptr;
    }

private Q_SLOTS:
    void init()
    {
        resetHome();
        m_frame = startFrame();
        drive(m_frame).files().news();
        drive(m_frame).files().news();
        m_docs = drive(m_frame).documents().documents();
        QCOMPARE(m_docs.size(), 3);
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
        QVERIFY(bar()->isVisible());
    }
    void cleanup()
    {
        if (m_frame)
            for (DocumentWindow *doc : drive(m_frame).documents().documents())
                doc->setModified(false);
        m_frame.reset();
    }

    void ctrlPageKeysSwitchDocuments()
    {
        QCOMPARE(drive(m_frame).documents().active(), m_docs[2]);
        QTest::keyClick(focused()->memo(), Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(drive(m_frame).documents().active(), m_docs[0]);
        QCOMPARE(bar()->currentIndex(), 0);
        QTest::keyClick(focused()->memo(), Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(drive(m_frame).documents().active(), m_docs[2]);
        QTest::keyClick(focused()->memo(), Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(drive(m_frame).documents().active(), m_docs[1]);
        // The keys moved nothing inside the text.
        QCOMPARE(m_docs[1]->editor().text(), QString());
    }

    void ctrlQQuitsAfterTheSaveQuestion()
    {
        DocumentWindow *doc = focused();
        QTest::keyClicks(doc->memo(), QStringLiteral("x"));
        m_prompter.answers = {PromptAnswer::Cancel};
        QTest::keyClick(doc->memo(), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(m_prompter.shown.size(), 1);
        QVERIFY(m_frame->isVisible());
        m_prompter.answers = {PromptAnswer::No};
        QTest::keyClick(focused()->memo(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!m_frame->isVisible());
    }

    void aMiddleClickOrTheCloseButtonClosesThatTab()
    {
        m_docs[0]->editor().replaceSelection(QStringLiteral("unsaved"));
        m_docs[0]->setModified(true);
        // A middle click on a modified document asks first; Cancel keeps it.
        m_prompter.answers = {PromptAnswer::Cancel};
        QTest::mouseClick(bar(), Qt::MiddleButton, {}, tabCentre(0));
        QCOMPARE(m_prompter.shown.size(), 1);
        QTRY_COMPARE(drive(m_frame).documents().documents().size(), 3);
        // An unmodified one, not the active one, closes at once.
        QTest::mouseClick(bar(), Qt::MiddleButton, {}, tabCentre(1));
        QTRY_COMPARE(drive(m_frame).documents().documents(),
                     (QList<DocumentWindow *>{m_docs[0], m_docs[2]}));
        QCOMPARE(bar()->count(), 2);

        auto *button = bar()->tabButton(1, QTabBar::RightSide);
        if (!button)
            button = bar()->tabButton(1, QTabBar::LeftSide);
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
        QTRY_COMPARE(drive(m_frame).documents().documents(), QList<DocumentWindow *>{m_docs[0]});
    }

    void aRightClickActsOnTheClickedTab()
    {
        QCOMPARE(drive(m_frame).documents().active(), m_docs[2]);
        bool shown = false;
        whenMenuShows([&](QMenu *menu) {
            shown = true;
            // The clicked tab's document came forward before the menu opened.
            QCOMPARE(drive(m_frame).documents().active(), m_docs[0]);
            QVERIFY(entry(menu, QStringLiteral("Save")));
            QVERIFY(entry(menu, QStringLiteral("Close")));
            QAction *others = entry(menu, QStringLiteral("Close Others"));
            QVERIFY(others);
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(others).center());
        });
        QTest::mouseClick(bar(), Qt::RightButton, {}, tabCentre(0));
        QContextMenuEvent event(QContextMenuEvent::Mouse, tabCentre(0),
                                bar()->mapToGlobal(tabCentre(0)));
        QApplication::sendEvent(bar(), &event);
        QTRY_VERIFY(shown);
        QTRY_COMPARE(drive(m_frame).documents().documents(), QList<DocumentWindow *>{m_docs[0]});
    }
};

QTEST_MAIN(TestDocumentTabs)
#include "tst_documenttabs.moc"
