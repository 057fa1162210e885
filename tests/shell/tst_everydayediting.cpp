#include "commands/commandactions.h"
#include "documents/documentcontextmenu.h"
#include "documents/documentwindow.h"
#include "documents/gotoline.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "framedriver.h"
#include "frametestbase.h"
#include "help/helpwindow.h"
#include "prefs/preferencesdialog.h"
#include "scripteddialogs.h"
#include "selectionmarkup.h"
#include "shell/firststart.h"
#include "shell/splashwindow.h"
#include "shell/windowarranger.h"
#include "toolbar/customizedialog.h"
#include "toolbar/speedbar.h"

#include <Qsci/qsciscintilla.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFontDatabase>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

// Everyday editing in the shown main frame as a user does it: keys typed into the document,
// clicks on menu entries, toolbar items and dialog buttons.
class TestEverydayEditing : public FrameTestBase
{
    Q_OBJECT

private:
    std::unique_ptr<MainFrame> m_frame;

    void start()
    {
        m_frame = startFrame();
        QVERIFY(drive(m_frame).documents().active());
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
    }
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
    QMenu *openMenu(const char *name)
    {
        QMenu *menu = drive(m_frame).menu(QLatin1String(name));
        if (!menu)
            qFatal("no menu %s", name);
        QMenuBar *bar = m_frame->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(menu->menuAction()).center());
        if (!QTest::qWaitFor([menu] { return menu->isVisible(); }))
            qFatal("menu %s does not open", name);
        return menu;
    }
    // Clicks the entry of a command on a top-level menu.
    void chooseFromMenu(const char *menuName, const char *command)
    {
        QMenu *menu = openMenu(menuName);
        QAction *action = drive(m_frame).commands().action(QLatin1String(command));
        QVERIFY2(menu->actions().contains(action), command);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        QTRY_VERIFY(!menu->isVisible());
    }
    void clickToolbarItem(const char *item)
    {
        SpeedButton *button = drive(m_frame).speedBar().button(QLatin1String(item));
        QVERIFY2(button && button->isVisible(), item);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    static QMdiSubWindow *windowOf(DocumentWindow *doc)
    {
        return qobject_cast<QMdiSubWindow *>(doc->parentWidget());
    }
    static long send(DocumentWindow *doc, unsigned message, unsigned long w = 0, long l = 0)
    {
        return doc->memo()->SendScintilla(message, w, l);
    }
    // The caret's row on screen, in display lines from the top of the view.
    static int caretRow(DocumentWindow *doc)
    {
        const long pos = send(doc, QsciScintilla::SCI_GETCURRENTPOS);
        return int(send(doc, QsciScintilla::SCI_POINTYFROMPOSITION, 0, pos) /
                   send(doc, QsciScintilla::SCI_TEXTHEIGHT, 0));
    }
    static int linesOnScreen(DocumentWindow *doc)
    {
        return int(send(doc, QsciScintilla::SCI_LINESONSCREEN));
    }
    static QString numberedLines(int count, const QString &filler = QString())
    {
        QString text;
        for (int i = 1; i <= count; ++i)
            text += QStringLiteral("line %1 %2\n").arg(i).arg(filler);
        return text;
    }

private Q_SLOTS:
    void init() { resetHome(); }
    void cleanup()
    {
        if (m_frame)
            for (DocumentWindow *doc : drive(m_frame).documents().documents())
                doc->setModified(false);
        m_frame.reset();
    }

    // Every way to paste puts the clipboard text in place of the selection.
    void pasteReplacesTheSelectionOnEveryPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("Ctrl+V") << "Ctrl+V";
        QTest::newRow("Shift+Insert") << "Shift+Ins";
        QTest::newRow("Edit menu") << "menu";
        QTest::newRow("toolbar") << "toolbar";
        QTest::newRow("context menu") << "context";
    }
    void pasteReplacesTheSelectionOnEveryPath()
    {
        QFETCH(QString, path);
        start();
        DocumentWindow *doc = document("a ^bee| c");
        QTRY_VERIFY(doc->memo()->hasFocus());
        QApplication::clipboard()->setText(QStringLiteral("X"));
        if (path == u"menu") {
            chooseFromMenu("Edit1", "Paste1Click");
        } else if (path == u"toolbar") {
            clickToolbarItem("SpeedItem38");
        } else if (path == u"context") {
            // A right click inside the selection keeps it.
            QWidget *viewport = doc->memo()->viewport();
            const long at = send(doc, QsciScintilla::SCI_GETCURRENTPOS) - 1;
            const QPoint point(int(send(doc, QsciScintilla::SCI_POINTXFROMPOSITION, 0, at)) + 2,
                               int(send(doc, QsciScintilla::SCI_POINTYFROMPOSITION, 0, at)) + 4);
            // Through the window, which turns a right-button press into a context menu event.
            QTest::mouseClick(m_frame->windowHandle(), Qt::RightButton, {},
                              viewport->mapTo(m_frame.get(), point));
            QMenu *menu = drive(m_frame).contextMenu().menu();
            QTRY_VERIFY(menu->isVisible());
            QAction *paste = menu->findChild<QAction *>(QStringLiteral("Paste2"));
            QVERIFY(paste && paste->isVisible());
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(paste).center());
            QTRY_VERIFY(!menu->isVisible());
        } else {
            const QKeySequence keys(path);
            QTest::keyClick(doc->memo(), keys[0].key(), keys[0].keyboardModifiers());
        }
        QCOMPARE(shown(doc), QString("a X| c"));
        QVERIFY(doc->isModified());
        // One undo step brings the text back.
        QTest::keyClick(doc->memo(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(doc->editor().text(), QString("a bee c"));
        QCOMPARE(QApplication::clipboard()->text(), QString("X"));
    }

    // The toggles' menu entries show a check mark, not an icon with a frame; the toolbar keeps
    // the pictures.
    void viewTogglesShowCheckMarksInTheEditMenu()
    {
        start();
        DocumentWindow *doc = document("text");
        const char *const toggles[] = {"Wordwrap1Click", "ColoredTags1Click", "Gutter1Click",
                                       "LiveSpellcheck1Click"};
        for (const char *id : toggles) {
            QAction *action = drive(m_frame).commands().action(QLatin1String(id));
            QVERIFY2(action->isCheckable(), id);
            QVERIFY2(!action->isIconVisibleInMenu(), id);
            QVERIFY2(!action->icon().isNull(), id);
        }
        QCOMPARE(drive(m_frame).speedBar().picture("SpeedItem39").isNull(), false);

        QMenu *edit = openMenu("Edit1");
        QAction *wrap = drive(m_frame).commands().action("Wordwrap1Click");
        QVERIFY(edit->actions().contains(wrap));
        QCOMPARE(wrap->isChecked(), doc->wordWrap());
        const bool wrapped = doc->wordWrap();
        QTest::mouseClick(edit, Qt::LeftButton, {}, edit->actionGeometry(wrap).center());
        QTRY_VERIFY(!edit->isVisible());
        QCOMPARE(doc->wordWrap(), !wrapped);
        openMenu("Edit1");
        QCOMPARE(wrap->isChecked(), !wrapped);
        edit->hide();

        const bool gutter = doc->gutterVisible();
        chooseFromMenu("Edit1", "Gutter1Click");
        QCOMPARE(doc->gutterVisible(), !gutter);
        QCOMPARE(drive(m_frame).commands().action("Gutter1Click")->isChecked(), !gutter);
    }

    // Switching word wrap on a long page keeps the caret's line on its row of the screen,
    // both ways; with the caret scrolled away the first line stays first.
    void wordWrapKeepsTheCaretLineOnScreen()
    {
        start();
        windowOf(drive(m_frame).documents().active())->showMaximized();
        const QString filler(160, u'w');
        DocumentWindow *doc = document(numberedLines(3000, filler.chopped(80) + u' ' + filler));
        QVERIFY(doc->wordWrap());
        QTRY_VERIFY(linesOnScreen(doc) > 12);
        const int line = 2000;
        doc->editor().setCaret(doc->editor().lineStart(line));
        doc->editor().ensureCaretVisible();
        send(doc, QsciScintilla::SCI_SETFIRSTVISIBLELINE,
             send(doc, QsciScintilla::SCI_VISIBLEFROMDOCLINE, line) - 6);
        QCOMPARE(caretRow(doc), 6);

        for (bool wrapAfter : {false, true}) {
            chooseFromMenu("Edit1", "Wordwrap1Click");
            QCOMPARE(doc->wordWrap(), wrapAfter);
            QCOMPARE(doc->editor().caretLine(), line);
            QCOMPARE(caretRow(doc), 6);
            // It stays there once the editor has painted.
            doc->memo()->viewport()->repaint();
            QCOMPARE(caretRow(doc), 6);
        }

        // The caret far away: the first visible line stays first.
        doc->editor().setFirstVisibleLine(500);
        QCOMPARE(doc->editor().firstVisibleLine(), 500);
        chooseFromMenu("Edit1", "Wordwrap1Click");
        QCOMPARE(doc->editor().firstVisibleLine(), 500);
        QCOMPARE(doc->editor().caretLine(), line);
    }

    // Go to Line from the key: the line shows with at least three lines around it, on a
    // current-line background.
    void goToLineShowsTheLineWithContext()
    {
        m_settings->write(Keys::CurLine, true);
        start();
        DocumentWindow *doc = document("|" + numberedLines(3000));
        QVERIFY(doc->currentLineShown());
        QTRY_VERIFY(linesOnScreen(doc) > 10);
        const auto goTo = [&](int line) {
            // Typing goes on in the document once the box has gone.
            QTRY_VERIFY(doc->memo()->hasFocus());
            QTest::keyClick(doc->memo(), Qt::Key_G, Qt::ControlModifier);
            QPointer<GoToLineDialog> box = drive(m_frame).goToLine().window();
            QVERIFY(box);
            QTest::keyClicks(box->field(), QString::number(line));
            QTest::keyClick(box->field(), Qt::Key_Return);
            QTRY_VERIFY(!box);
            QCOMPARE(doc->editor().caretLine(), line - 1);
        };
        const auto verifyContext = [&] {
            const int row = caretRow(doc);
            QVERIFY2(row >= 3 && row <= linesOnScreen(doc) - 4, qPrintable(QString::number(row)));
        };

        goTo(1500);
        verifyContext();
        // A line at the bottom edge of the view comes up; one well inside stays where it is.
        const int top = doc->editor().firstVisibleLine();
        goTo(top + linesOnScreen(doc));
        verifyContext();
        const int kept = doc->editor().firstVisibleLine();
        goTo(kept + 5);
        QCOMPARE(doc->editor().firstVisibleLine(), kept);
        goTo(1);
        QCOMPARE(doc->editor().firstVisibleLine(), 0);

        m_settings->write(Keys::CurLine, false);
        m_settings->announceApplied();
        QVERIFY(!doc->currentLineShown());
    }

    void flatToolbarButtonsApplyOnOk()
    {
        start();
        SpeedButton *item = drive(m_frame).speedBar().button("SpeedItem21");
        QVERIFY(!item->autoRaise());
        DocumentWindow *doc = document("text");
        for (const bool flat : {true, false}) {
            m_frame->activateWindow();
            QTRY_VERIFY(doc->memo()->hasFocus());
            QTest::keyClick(doc->memo(), Qt::Key_F10, Qt::ControlModifier);
            PreferencesDialog *dialog = nullptr;
            QTRY_VERIFY((dialog = m_frame->findChild<PreferencesDialog *>()) != nullptr &&
                        dialog->isVisible());
            auto *box = dialog->findChild<QCheckBox *>(QStringLiteral("flatbutcheck"));
            QVERIFY(box);
            QCOMPARE(box->isChecked(), !flat);
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
            QCOMPARE(box->isChecked(), flat);
            auto *ok = dialog->findChild<QPushButton *>(QStringLiteral("SpeedButton7"));
            QVERIFY(ok);
            QCOMPARE(ok->text(), QString("OK"));
            QPointer<PreferencesDialog> open(dialog);
            QTest::mouseClick(ok, Qt::LeftButton);
            QTRY_VERIFY(!open);
            QCOMPARE(item->autoRaise(), flat);
        }
    }

    void cascadeGivesUsableWindowsAndCaptionsShowTheMarker()
    {
        start();
        drive(m_frame).files().news();
        drive(m_frame).files().news();
        const QList<DocumentWindow *> docs = drive(m_frame).documents().documents();
        QCOMPARE(docs.size(), 3);
        drive(m_frame).arranger().activate(docs[1]);
        docs[1]->memo()->setFocus();
        QTest::keyClicks(docs[1]->memo(), "typed");
        QVERIFY(docs[1]->isModified());

        chooseFromMenu("Window1", "Cascaded");
        QCOMPARE(drive(m_frame).documents().active(), docs[1]);
        const QSize area = m_frame->findChild<QMdiArea *>()->viewport()->size();
        QList<QPoint> corners;
        for (DocumentWindow *doc : docs) {
            QMdiSubWindow *sub = windowOf(doc);
            QVERIFY(!sub->isMaximized());
            QVERIFY2(qAbs(sub->width() - area.width() * 2 / 3) <= 2, qPrintable(sub->objectName()));
            QVERIFY(qAbs(sub->height() - area.height() * 2 / 3) <= 2);
            QVERIFY(QRect(QPoint(), area).contains(sub->geometry()));
            corners << sub->pos();
        }
        // The active window comes last, in front.
        QVERIFY(corners[1].x() > corners[2].x() && corners[2].x() > corners[0].x());
        QCOMPARE(windowOf(docs[1])->windowTitle(), QString("\u2022 Untitled2"));
        QCOMPARE(windowOf(docs[0])->windowTitle(), QString("Untitled1"));
        QCOMPARE(docs[1]->windowTitle(), QString("Untitled2"));

        chooseFromMenu("Window1", "Tiled");
        QCOMPARE(windowOf(docs[1])->windowTitle(), QString("\u2022 Untitled2"));
        // Saved under a name: the caption takes the name, without the marker.
        ScriptedDialogs dialogs;
        dialogs.saveAnswers << m_dir->filePath(QStringLiteral("saved.htm"));
        drive(m_frame).files().setDialogs(&dialogs);
        QTest::keyClick(docs[1]->memo(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!docs[1]->isModified());
        QCOMPARE(windowOf(docs[1])->windowTitle(), QString("saved.htm"));
        QTest::keyClicks(docs[1]->memo(), "more");
        QCOMPARE(windowOf(docs[1])->windowTitle(), QString("\u2022 saved.htm"));
        drive(m_frame).files().setDialogs(nullptr);
    }

    void aboutBoxNamesItsLibrariesAndClosesFromTheKeyboard_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Escape") << int(Qt::Key_Escape);
        QTest::newRow("Enter") << int(Qt::Key_Return);
    }
    void aboutBoxNamesItsLibrariesAndClosesFromTheKeyboard()
    {
        QFETCH(int, key);
        start();
        chooseFromMenu("Help1", "About1Click");
        QPointer<SplashWindow> about = m_frame->findChild<SplashWindow *>();
        QVERIFY(about);
        const QString text = about->textLines().join(u' ');
        QVERIFY2(text.contains(QString::fromLatin1(qVersion())), qPrintable(text));
        QVERIFY(text.contains(QLatin1String("QScintilla 2.")));
        QVERIFY(text.contains(QLatin1String("Licence: GNU GPL")));
        QTRY_VERIFY(about->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QTRY_VERIFY(!about);
    }

    // The toolbar dialog's Help button opens the help on the toolbar.
    void toolbarDialogHelpOpensTheToolbarPage()
    {
        start();
        chooseFromMenu("Edit1", "Customize1Click");
        CustomizeDialog *dialog = drive(m_frame).speedBar().customizeDialog();
        QVERIFY(dialog && dialog->isVisible());
        QVERIFY(dialog->helpButton()->isEnabled());
        QTest::mouseClick(dialog->helpButton(), Qt::LeftButton);
        QVERIFY(drive(m_frame).help().window());
        QTRY_VERIFY(drive(m_frame).help().window()->isVisible());
        QCOMPARE(drive(m_frame).help().window()->currentPage(), QStringLiteral("toolbar.html"));
        dialog->close();
    }

    // A new settings file gives the first document the desktop's fixed-width font, the
    // gutter and the current line's background.
    void firstStartDefaultsReachTheFirstDocument()
    {
        FirstStart::prepare(*m_settings, FirstStart::systemLook());
        start();
        DocumentWindow *doc = drive(m_frame).documents().active();
        QVERIFY(doc->gutterVisible());
        QVERIFY(doc->currentLineShown());
        QCOMPARE(doc->editorFont().family(),
                 QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
        QVERIFY(doc->tagColouring());
        QCOMPARE(drive(m_frame).commands().action("Gutter1Click")->isChecked(), true);
    }
};

QTEST_MAIN(TestEverydayEditing)
#include "tst_everydayediting.moc"
