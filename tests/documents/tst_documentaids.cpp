#include "base/settingskeys.h"
#include "commands/commandactions.h"
#include "documents/documentcontextmenu.h"
#include "documents/documentwindow.h"
#include "documents/gotoline.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "find/findcontroller.h"
#include "find/findwindows.h"
#include "framedriver.h"
#include "frametestbase.h"
#include "selectionmarkup.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>
#include <QtTest>

// The typing aids of a document window as a user meets them: keys typed into the editor,
// the context menu, the line and column panel and the go-to-line box.
class TestDocumentAids : public FrameTestBase
{
    Q_OBJECT

private:
    std::unique_ptr<MainFrame> m_frame;

    DocumentWindow *document(const QString &marked)
    {
        DocumentWindow *doc = drive(m_frame).documents().active();
        if (!doc)
            qFatal("no document");
        SelectionMarkup::set(doc->editor(), marked);
        doc->setModified(false);
        doc->memo()->SendScintilla(QsciScintilla::SCI_EMPTYUNDOBUFFER);
        doc->memo()->setFocus();
        return doc;
    }
    static QString shown(DocumentWindow *doc) { return SelectionMarkup::get(doc->editor()); }
    void setAutoIndent(bool on)
    {
        m_settings->write(Keys::AutoIndent, on ? QStringLiteral("sure") : QString());
        m_settings->announceApplied();
    }
    QAction *popupItem(const char *name) const
    {
        auto *action =
            drive(m_frame).contextMenu().menu()->findChild<QAction *>(QString::fromLatin1(name));
        if (!action)
            qFatal("missing item %s", name);
        return action;
    }
    // The point of the text area where a character offset is drawn.
    static QPoint pointOf(DocumentWindow *doc, int offset)
    {
        const long pos = doc->memo()->positionFromLineIndex(doc->editor().lineOfOffset(offset), 0) +
                         (offset - doc->editor().lineStart(doc->editor().lineOfOffset(offset)));
        return {int(doc->memo()->SendScintilla(QsciScintilla::SCI_POINTXFROMPOSITION, 0, pos)) + 1,
                int(doc->memo()->SendScintilla(QsciScintilla::SCI_POINTYFROMPOSITION, 0, pos)) + 2};
    }
    QString statusText() const { return drive(m_frame).status().caretText(); }

private Q_SLOTS:
    void init()
    {
        resetHome();
        m_frame = startFrame();
        QVERIFY(drive(m_frame).documents().active());
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
    }
    void cleanup()
    {
        if (m_frame)
            for (DocumentWindow *doc : drive(m_frame).documents().documents())
                doc->setModified(false);
        m_frame.reset();
    }

    void tabIndentsASelectedBlockAsOneUndoStep()
    {
        DocumentWindow *doc = document("a\r\n|b\r\n\tc^\r\nd");
        QTest::keyClick(doc->memo(), Qt::Key_Tab);
        QCOMPARE(shown(doc), QString("a\r\n^\tb\r\n\t\tc|\r\nd"));
        QTest::keyClick(doc->memo(), Qt::Key_Backtab, Qt::ShiftModifier);
        QTest::keyClick(doc->memo(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(shown(doc), QString("a\r\n^b\r\nc|\r\nd"));
        drive(m_frame).commands().run("Undo1Click");
        QCOMPARE(doc->editor().text(), QString("a\r\nb\r\n\tc\r\nd"));
        drive(m_frame).commands().run("Undo1Click");
        drive(m_frame).commands().run("Undo1Click");
        QCOMPARE(doc->editor().text(), QString("a\r\nb\r\n\tc\r\nd"));
        QVERIFY(!doc->editor().canUndo());

        // Without a selection Tab is typed, in a line's leading blanks as well.
        doc = document("x|y");
        QTest::keyClick(doc->memo(), Qt::Key_Tab);
        QCOMPARE(shown(doc), QString("x\t|y"));
        doc = document(" |foo");
        QTest::keyClick(doc->memo(), Qt::Key_Tab);
        QTest::keyClicks(doc->memo(), "Z");
        QCOMPARE(shown(doc), QString(" \tZ|foo"));
    }

    void enterRepeatsTheIndentAsTheShiftRulesSay_data()
    {
        QTest::addColumn<bool>("autoIndent");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<QString>("after");
        // A new document's lines end in LF.
        QTest::newRow("on, tabs") << true << false << "\t\tx\n\t\t|";
        QTest::newRow("on, Shift+Enter") << true << true << "\t\tx\n|";
        QTest::newRow("off") << false << false << "\t\tx\n|";
        QTest::newRow("off, Shift+Enter") << false << true << "\t\tx\n\t\t|";
    }
    void enterRepeatsTheIndentAsTheShiftRulesSay()
    {
        QFETCH(bool, autoIndent);
        QFETCH(bool, shift);
        QFETCH(QString, after);
        setAutoIndent(autoIndent);
        DocumentWindow *doc = document("\t\tx|");
        QTest::keyClick(doc->memo(), Qt::Key_Return, shift ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(shown(doc), after);
        // The line break and its indent go in one undo step.
        drive(m_frame).commands().run("Undo1Click");
        QCOMPARE(shown(doc), QString("\t\tx|"));
    }

    void enterTakesBlanksFromTheLineAbove()
    {
        setAutoIndent(true);
        DocumentWindow *doc = document("   <LI>one|");
        QTest::keyClick(doc->memo(), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(shown(doc), QString("   <LI>one\n   |"));
        QTest::keyClick(doc->memo(), Qt::Key_Return, Qt::ControlModifier);
        QVERIFY(!shown(doc).endsWith(QLatin1String("\n   |"))); // Ctrl+Enter is no Enter here
    }

    void bracketKeysTypeEmptyTags_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("comma") << int(Qt::Key_Comma) << "a|b"
                               << "a<|>b";
        QTest::newRow("full stop") << int(Qt::Key_Period) << "a|b"
                                   << "a</|>b";
        QTest::newRow("the shifted comma") << int(Qt::Key_Less) << "a|b"
                                           << "a<|>b";
        QTest::newRow("the shifted full stop") << int(Qt::Key_Greater) << "|"
                                               << "</|>";
        QTest::newRow("comma around a selection") << int(Qt::Key_Comma) << "|TD^"
                                                  << "<^TD|>";
        QTest::newRow("full stop around a selection") << int(Qt::Key_Period) << "x |TD^"
                                                      << "x </^TD|>";
    }
    void bracketKeysTypeEmptyTags()
    {
        QFETCH(int, key);
        QFETCH(QString, before);
        QFETCH(QString, after);
        DocumentWindow *doc = document(before);
        QTest::keyClick(doc->memo(), Qt::Key(key), Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(shown(doc), after);
    }

    void contextMenuShowsItemsForSelectionAndClipboard()
    {
        DocumentWindow *doc = document("one |two^ three\r\nfour");
        DocumentContextMenu &menu = drive(m_frame).contextMenu();
        QApplication::clipboard()->setText(QStringLiteral("clip"));

        // Inside the selection: everything shows and the selection stays.
        menu.PopupMenu1Popup(*doc, pointOf(doc, 5));
        QCOMPARE(shown(doc), QString("one |two^ three\r\nfour"));
        for (const char *name : {"Cut2", "Copy2", "Paste2", "N1", "RemoveTags1", "addLineBreaks1"})
            QVERIFY2(popupItem(name)->isVisible(), name);
        QVERIFY(popupItem("Paste2")->isEnabled());
        QVERIFY(!popupItem("Undo2")->isEnabled());
        QCOMPARE(popupItem("Cut2")->statusTip(), QString("Move text to the clipboard"));
        QCOMPARE(popupItem("Paras1")->text(), QString("Layout"));

        // Outside it: the caret goes to the click and the selection items hide; with nothing
        // to paste, Paste stays in its place, greyed.
        QApplication::clipboard()->clear();
        menu.PopupMenu1Popup(*doc, pointOf(doc, 15));
        QCOMPARE(shown(doc), QString("one two three\r\n|four"));
        for (const char *name : {"Cut2", "Copy2", "N1", "RemoveTags1", "addLineBreaks1"})
            QVERIFY2(!popupItem(name)->isVisible(), name);
        for (const char *name :
             {"Undo2", "Redo2", "Paste2", "SelectAll2", "Quick1", "Paras1", "Font1"})
            QVERIFY2(popupItem(name)->isVisible(), name);
        QVERIFY(!popupItem("Paste2")->isEnabled());
        QVERIFY(!popupItem("Redo2")->isEnabled());

        QTest::keyClicks(doc->memo(), "x");
        menu.PopupMenu1Popup(*doc, pointOf(doc, 0));
        QVERIFY(popupItem("Undo2")->isEnabled());
        QTest::keyClick(doc->memo(), Qt::Key_Z, Qt::ControlModifier);
        menu.PopupMenu1Popup(*doc, pointOf(doc, 0));
        QVERIFY(popupItem("Redo2")->isEnabled());
    }

    void contextMenuFromTheKeyboardKeepsCaretAndSelection()
    {
        QString text = "ab|cd^\r\n";
        for (int i = 0; i < 400; ++i)
            text += "line\r\n";
        DocumentWindow *doc = document(text);
        doc->editor().setFirstVisibleLine(300);
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(0, 0),
                                doc->memo()->mapToGlobal(QPoint(0, 0)));
        QApplication::sendEvent(doc->memo(), &event);
        QMenu *menu = drive(m_frame).contextMenu().menu();
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(doc->editor().caret(), 2);
        QCOMPARE(doc->editor().selLength(), 2);
        QVERIFY(popupItem("Cut2")->isVisible());
        // Select All, chosen with the mouse.
        QAction *all = popupItem("SelectAll2");
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(all).center());
        QTRY_VERIFY(!menu->isVisible());
        QCOMPARE(doc->editor().selectionStart(), 0);
        QCOMPARE(doc->editor().selectionEnd(), doc->editor().length());
    }

    void contextMenuItemsRunTheirCommands()
    {
        DocumentWindow *doc = document("|<B>bold</B>^ x");
        QAction *remove = popupItem("RemoveTags1");
        remove->trigger();
        QCOMPARE(doc->editor().text(), QString("bold x"));

        doc = document("a |word^");
        auto *character = drive(m_frame).contextMenu().menu()->findChild<QMenu *>("Font1");
        QVERIFY(character);
        character->actions().at(0)->trigger(); // Bold
        QVERIFY(doc->editor().text().contains(QLatin1String(">word</")));
    }

    void caretPanelCountsTabStopsAndOpensGoToLine()
    {
        m_settings->write(Keys::TabWidth, 5);
        m_settings->announceApplied();
        DocumentWindow *doc = document("first\r\nabcd\t|x");
        QTRY_COMPARE(statusText(), QString(" line: 2  col: 6"));
        doc->editor().setCaret(0);
        QTRY_COMPARE(statusText(), QString(" line: 1  col: 1"));

        QList<QLabel *> labels = m_frame->statusBar()->findChildren<QLabel *>();
        QLabel *caretLabel = nullptr;
        for (QLabel *label : labels)
            if (label->text().startsWith(QLatin1String(" line:")))
                caretLabel = label;
        QVERIFY(caretLabel);
        QTest::mouseDClick(caretLabel, Qt::LeftButton);
        QVERIFY(drive(m_frame).goToLine().window());
    }

    void goToLineMovesTheCaret_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("caret");
        QTest::newRow("line 1") << "1" << 0;
        QTest::newRow("line 3") << "3" << 6;
        QTest::newRow("past the last line") << "99" << 6;
        QTest::newRow("0 is the first line") << "0" << 0;
        QTest::newRow("far below zero") << "-2147483648" << 0;
        QTest::newRow("blanks around") << " 2 " << 3;
    }
    void goToLineMovesTheCaret()
    {
        QFETCH(QString, typed);
        QFETCH(int, caret);
        DocumentWindow *doc = document("ab\nc|d\nef");
        drive(m_frame).commands().run("GoToLine1Click");
        QPointer<GoToLineDialog> box = drive(m_frame).goToLine().window();
        QVERIFY(box && box->isVisible());
        QCOMPARE(box->findChild<QLabel *>()->text(), QString("Go to line:"));
        QTest::keyClicks(box->field(), typed);
        QTest::keyClick(box->field(), Qt::Key_Return);
        QCOMPARE(doc->editor().caret(), caret);
        QCOMPARE(doc->editor().selLength(), 0);
        QTRY_VERIFY(!box);
        QVERIFY(m_prompter.shown.isEmpty());
    }

    void goToLineKeepsItsBoxOpenForANonNumberAndOnlyOneBox()
    {
        DocumentWindow *doc = document("ab\nc|d");
        drive(m_frame).commands().run("GoToLine1Click");
        QPointer<GoToLineDialog> box = drive(m_frame).goToLine().window();
        QVERIFY(box);
        drive(m_frame).commands().run("GoToLine1Click");
        QCOMPARE(m_prompter.shown, QStringList{"it is already open"});
        QCOMPARE(drive(m_frame).goToLine().window(), box.data());

        QTest::keyClicks(box->field(), "2x");
        QTest::keyClick(box->field(), Qt::Key_Return);
        QCOMPARE(m_prompter.shown.size(), 2);
        QVERIFY(m_prompter.shown.last().contains(QLatin1String("'2x'")));
        QVERIFY(box && box->isVisible());
        QCOMPARE(doc->editor().caret(), 4);

        QTest::keyClick(box->field(), Qt::Key_Escape);
        QTRY_VERIFY(!box);
        QCOMPARE(doc->editor().caret(), 4);

        drive(m_frame).commands().run("GoToLine1Click");
        box = drive(m_frame).goToLine().window();
        QTest::mouseClick(box->findChild<QLabel *>(), Qt::LeftButton);
        QTRY_VERIFY(!box);
    }

    void goToLineBoxGoesWithTheLastDocument()
    {
        document("x");
        drive(m_frame).commands().run("GoToLine1Click");
        QPointer<GoToLineDialog> box = drive(m_frame).goToLine().window();
        QVERIFY(box);
        drive(m_frame).closer().CloseAll();
        QTRY_VERIFY(!box);
        drive(m_frame).commands().run("GoToLine1Click");
        QVERIFY(!drive(m_frame).goToLine().window());
        QVERIFY(m_prompter.shown.isEmpty());
    }

    void plainTextDropsIntoTheEditor()
    {
        DocumentWindow *doc = document("ab|");
        QWidget *viewport = doc->memo()->viewport();
        QMimeData data;
        data.setText(QStringLiteral("<HR>"));
        const QPointF at = pointOf(doc, 1);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(viewport, &enter);
        QVERIFY(enter.isAccepted());
        QDragMoveEvent move(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(viewport, &move);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(viewport, &drop);
        QCOMPARE(doc->editor().text(), QString("a<HR>b"));
    }

    void escapeDropsBothFindWindowsWithoutWriting()
    {
        DocumentWindow *doc = document("one two one");
        drive(m_frame).commands().run("FindbutClick");
        QPointer<FindDialog> dialog = drive(m_frame).finding().dialog();
        QVERIFY(dialog);
        dialog->findChild<QCheckBox *>("wholewordcheck")->setChecked(true);
        dialog->findChild<QLineEdit *>("fedit")->setText("two");
        const QString before = m_settings->read(Keys::FindWholeWord) ? "1" : "0";

        doc->memo()->setFocus();
        QTest::keyClick(doc->memo(), Qt::Key_Escape);
        QVERIFY(!drive(m_frame).finding().dialog());
        QTRY_VERIFY(!dialog);
        QCOMPARE(m_settings->read(Keys::FindWholeWord) ? "1" : "0", before);
        QVERIFY(drive(m_frame).finding().state().savedFind.isEmpty());

        // The bar goes the same way, and the commands open fresh windows afterwards.
        drive(m_frame).commands().run("FagainbutClick");
        QPointer<FindBar> bar = drive(m_frame).finding().bar();
        QVERIFY(bar);
        QTest::keyClick(doc->memo(), Qt::Key_Escape);
        QTRY_VERIFY(!bar);
        drive(m_frame).commands().run("FindbutClick");
        QVERIFY(drive(m_frame).finding().dialog());
    }
};

QTEST_MAIN(TestDocumentAids)
#include "tst_documentaids.moc"
