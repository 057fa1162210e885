#include "commands/commandids.h"
#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "framedriver.h"
#include "frametestbase.h"
#include "help/helpwindow.h"
#include "menuclicks.h"
#include "prefs/keyfield.h"
#include "prefs/keyspage.h"
#include "prefs/preferencesdialog.h"
#include "scripteddialogs.h"
#include "selectionmarkup.h"
#include "toolbar/speedbar.h"

#include <Qsci/qsciscintilla.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>

// Keys chosen on the Keys page of the preferences, the way a user chooses them, and then
// typed into the focused editor of the shown main frame.
class TestChosenKeys : public FrameTestBase
{
    Q_OBJECT

    std::unique_ptr<MainFrame> m_frame;

    DocumentWindow *focusedDocument(const QString &marked)
    {
        DocumentWindow *doc = drive(m_frame).documents().active();
        if (!doc)
            qFatal("no document");
        m_frame->activateWindow();
        if (!QTest::qWaitForWindowActive(m_frame.get()))
            qFatal("the frame did not come forward");
        SelectionMarkup::set(doc->editor(), marked);
        doc->setModified(false);
        doc->memo()->setFocus();
        return doc;
    }

    // Preferences from the Edit menu, turned to its Keys page by a click on the tab.
    PreferencesDialog *openKeysPage()
    {
        MenuClicks::chooseFromMenu(*m_frame, Cmd::Preferences1Click);
        PreferencesDialog *dialog = nullptr;
        if (!QTest::qWaitFor([&] { return (dialog = m_frame->findChild<PreferencesDialog *>()); }))
            return nullptr;
        QTabBar *tabs = dialog->notebook()->tabBar();
        const int keys = dialog->notebook()->indexOf(dialog->keysPage());
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(keys).center());
        return dialog->notebook()->currentWidget() == dialog->keysPage() ? dialog : nullptr;
    }

    // Finds the command by typing part of its name, then clicks its row.
    static void chooseCommand(KeysPage *page, const QString &typed, const QString &title)
    {
        QLineEdit *find = page->findChild<QLineEdit *>(QStringLiteral("keyfind"));
        find->clear();
        QTest::keyClicks(find, typed);
        QTableWidget *list = page->list();
        for (int r = 0; r < list->rowCount(); ++r) {
            if (!list->isRowHidden(r) && list->item(r, 0)->text() == title) {
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                  list->visualItemRect(list->item(r, 0)).center());
                return;
            }
        }
        QFAIL(qPrintable(title + QStringLiteral(" is not listed")));
    }

    static void typeKey(KeysPage *page, Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        QTest::mouseClick(page->keyField(), Qt::LeftButton);
        QTest::keyClick(page->keyField(), key, modifiers);
    }

    static void chooseSet(KeysPage *page, int index)
    {
        QComboBox *sets = page->sets();
        sets->setFocus();
        while (sets->currentIndex() != index)
            QTest::keyClick(sets, index > sets->currentIndex() ? Qt::Key_Down : Qt::Key_Up);
    }

    static void clickOk(PreferencesDialog *dialog)
    {
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("SpeedButton7")),
                          Qt::LeftButton);
    }

private Q_SLOTS:
    void init()
    {
        resetHome();
        m_frame = startFrame();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
        QTRY_VERIFY(drive(m_frame).documents().active());
    }
    void cleanup()
    {
        if (m_frame)
            for (DocumentWindow *doc : drive(m_frame).documents().documents())
                doc->setModified(false);
        m_frame.reset();
    }

    // A key typed into the key field runs the command in the editor after OK; the desktop set
    // closes with Ctrl+W and saves under a name with Ctrl+Shift+S; back on the program's own
    // set, Ctrl+W indents again.
    void keysChosenOnThePageRunTheirCommands()
    {
        QPointer<PreferencesDialog> dialog = openKeysPage();
        QVERIFY(dialog);
        KeysPage *page = dialog->keysPage();
        chooseCommand(page, QStringLiteral("bold"), QStringLiteral("Character > Bold"));
        typeKey(page, Qt::Key_K, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(page->keys().keys(QLatin1String(Cmd::Bold)), QStringList{"Ctrl+Alt+K"});
        clickOk(dialog);
        QTRY_VERIFY(!dialog);

        DocumentWindow *doc = focusedDocument(QStringLiteral("a ^b| c"));
        QTest::keyClick(doc->memo(), Qt::Key_K, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(SelectionMarkup::get(doc->editor()).toLower(), QStringLiteral("a <b>^b|</b> c"));
        // Ctrl+B was Bold's only other key, and now runs nothing.
        QTest::keyClick(doc->memo(), Qt::Key_B, Qt::ControlModifier);
        QCOMPARE(SelectionMarkup::get(doc->editor()).toLower(), QStringLiteral("a <b>^b|</b> c"));
        // The toolbar's tip and the help page show the key in force.
        QCOMPARE(drive(m_frame).speedBar().button(QStringLiteral("SpeedItem99"))->toolTip(),
                 QStringLiteral("Bold Tags (Ctrl+Alt+K)"));

        dialog = openKeysPage();
        QVERIFY(dialog);
        chooseSet(dialog->keysPage(), 1);
        clickOk(dialog);
        QTRY_VERIFY(!dialog);
        QCOMPARE(m_settings->readString("Keys", "set"), QStringLiteral("desktop"));

        // Ctrl+W closes, asking first about the unsaved change.
        doc = focusedDocument(QStringLiteral("a|b"));
        QTest::keyClicks(doc->memo(), QStringLiteral("x"));
        QVERIFY(doc->isModified());
        QPointer<DocumentWindow> closing = doc;
        m_prompter.answers << PromptAnswer::No;
        const qsizetype asked = m_prompter.shown.size();
        QTest::keyClick(doc->memo(), Qt::Key_W, Qt::ControlModifier);
        QTRY_VERIFY(!closing);
        QCOMPARE(m_prompter.shown.size(), asked + 1);

        // Ctrl+Shift+S opens Save As.
        drive(m_frame).files().news();
        doc = focusedDocument(QStringLiteral("x|"));
        ScriptedDialogs dialogs;
        drive(m_frame).files().setDialogs(&dialogs);
        QTest::keyClick(doc->memo(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(dialogs.shown.size(), 1);
        QCOMPARE(dialogs.shown.first().title, QStringLiteral("Save As"));
        QCOMPARE(SelectionMarkup::get(doc->editor()), QStringLiteral("x|"));
        drive(m_frame).files().setDialogs(nullptr);
        // The tag command that held Ctrl+W moved; the menu shows where.
        QCOMPARE(drive(m_frame).commands().action(QLatin1String(Cmd::Indent1Click))->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+Shift+W")));

        dialog = openKeysPage();
        QVERIFY(dialog);
        QCOMPARE(dialog->keysPage()->sets()->currentText(), QStringLiteral("Desktop conventions"));
        chooseSet(dialog->keysPage(), 0);
        clickOk(dialog);
        QTRY_VERIFY(!dialog);
        doc = focusedDocument(QStringLiteral("a|b"));
        QTest::keyClick(doc->memo(), Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(SelectionMarkup::get(doc->editor()),
                 QStringLiteral("a&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;|b"));
        QVERIFY(doc->memo()); // still open
        // Choosing the set started again from its keys: Bold has Ctrl+B back.
        QTest::keyClick(doc->memo(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(doc->memo(), Qt::Key_B, Qt::ControlModifier);
        QVERIFY(doc->editor().text().toLower().startsWith(QStringLiteral("<b>")));
    }

    // A key another command holds is named in the page at once, and OK keeps the dialog open
    // until it is resolved; a key that types text is refused.
    void conflictsShowBeforeOk()
    {
        QPointer<PreferencesDialog> dialog = openKeysPage();
        QVERIFY(dialog);
        KeysPage *page = dialog->keysPage();
        chooseCommand(page, QStringLiteral("underline"), QStringLiteral("Character > Underline"));
        typeKey(page, Qt::Key_Q, Qt::NoModifier);
        QVERIFY(page->message()->text().contains(QStringLiteral("types or moves in the text")));
        QCOMPARE(page->keys().keys(QLatin1String(Cmd::Underline1Click)), QStringList{"Ctrl+U"});

        typeKey(page, Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(page->message()->text(),
                 QStringLiteral("Ctrl+W is held by Layout > Indent and Character > Underline: "
                                "typed, it runs none of them."));
        const qsizetype shown = m_prompter.shown.size();
        clickOk(dialog);
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(m_prompter.shown.size(), shown + 1);
        QVERIFY(m_prompter.shown.last().startsWith(QStringLiteral("Ctrl+W is held by")));
        QVERIFY(!m_settings->hasKey("Keys", "Underline1Click"));

        // Cleared, Underline has no key and the conflict is gone.
        QTest::mouseClick(page->findChild<QPushButton *>(QStringLiteral("keyclear")),
                          Qt::LeftButton);
        QVERIFY(page->message()->text().isEmpty());
        clickOk(dialog);
        QTRY_VERIFY(!dialog);
        QCOMPARE(m_settings->readString("Keys", "Underline1Click"), QString());
        QVERIFY(drive(m_frame)
                    .commands()
                    .action(QLatin1String(Cmd::Underline1Click))
                    ->shortcuts()
                    .isEmpty());
        DocumentWindow *doc = focusedDocument(QStringLiteral("a|b"));
        QTest::keyClick(doc->memo(), Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(SelectionMarkup::get(doc->editor()),
                 QStringLiteral("a&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;|b"));
        // The key no command holds now does the editor's own thing again (lower case).
        doc = focusedDocument(QStringLiteral("^AB|"));
        QTest::keyClick(doc->memo(), Qt::Key_U, Qt::ControlModifier);
        QCOMPARE(doc->editor().text(), QStringLiteral("ab"));
    }

    // A second key added to a command, and Reset giving back the set's keys.
    void keysAreAddedAndReset()
    {
        QPointer<PreferencesDialog> dialog = openKeysPage();
        QVERIFY(dialog);
        KeysPage *page = dialog->keysPage();
        chooseCommand(page, QStringLiteral("italics"), QStringLiteral("Character > Italics"));
        QTest::mouseClick(page->findChild<QPushButton *>(QStringLiteral("keyadd")), Qt::LeftButton);
        QTest::keyClick(page->keyField(), Qt::Key_F6);
        QCOMPARE(page->keys().keys(QLatin1String(Cmd::italics1Click)),
                 (QStringList{"Ctrl+I", "F6"}));
        // The key typed next changes the added key again, not the first.
        QTest::keyClick(page->keyField(), Qt::Key_F11);
        QCOMPARE(page->keys().keys(QLatin1String(Cmd::italics1Click)),
                 (QStringList{"Ctrl+I", "F11"}));
        clickOk(dialog);
        QTRY_VERIFY(!dialog);
        DocumentWindow *doc = focusedDocument(QStringLiteral("^b|"));
        QTest::keyClick(doc->memo(), Qt::Key_F11);
        QCOMPARE(SelectionMarkup::get(doc->editor()).toLower(), QStringLiteral("<i>^b|</i>"));

        dialog = openKeysPage();
        QVERIFY(dialog);
        page = dialog->keysPage();
        chooseCommand(page, QStringLiteral("italics"), QStringLiteral("Character > Italics"));
        QTest::mouseClick(page->findChild<QPushButton *>(QStringLiteral("keyreset")),
                          Qt::LeftButton);
        clickOk(dialog);
        QTRY_VERIFY(!dialog);
        QVERIFY(!m_settings->hasKey("Keys", "italics1Click"));
        QCOMPARE(drive(m_frame).commands().action(QLatin1String(Cmd::italics1Click))->shortcuts(),
                 QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+I"))});
    }

    // The help's page of keys is made from the keys in force when it is shown.
    void helpPageFollowsTheChosenKeys()
    {
        QPointer<PreferencesDialog> dialog = openKeysPage();
        QVERIFY(dialog);
        KeysPage *page = dialog->keysPage();
        chooseCommand(page, QStringLiteral("bold"), QStringLiteral("Character > Bold"));
        typeKey(page, Qt::Key_K, Qt::ControlModifier | Qt::AltModifier);
        clickOk(dialog);
        QTRY_VERIFY(!dialog);
        dialog = openKeysPage();
        QVERIFY(dialog);
        QTest::mouseClick(dialog->keysPage()->findChild<QPushButton *>(QStringLiteral("help46")),
                          Qt::LeftButton);
        HelpWindow *help = drive(m_frame).help().window();
        QVERIFY(help);
        QTRY_VERIFY(help->isVisible());
        QCOMPARE(help->currentPage(), QStringLiteral("keys.html"));
        const QString text = help->browser()->toPlainText();
        QVERIFY(text.contains(QStringLiteral("Character > Bold\tCtrl+Alt+K")) ||
                text.contains(QStringLiteral("Character > Bold Ctrl+Alt+K")) ||
                text.contains(QStringLiteral("Character > Bold\nCtrl+Alt+K")));
        help->search(QStringLiteral("Ctrl+Alt+K"));
        QCOMPARE(help->results()->count(), 1);
        dialog->close();
    }
};

QTEST_MAIN(TestChosenKeys)
#include "tst_chosenkeys.moc"
