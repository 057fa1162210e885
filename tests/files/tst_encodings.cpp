// A page's encoding, byte-order mark and line breaks as the user meets them: text typed into
// the focused editor of the shown main frame, pasted with Ctrl+V, dropped, put in by commands
// chosen from the menus, and the file written by Save.
#include "commands/commandactions.h"
#include "commands/commandids.h"
#include "documents/documentwindow.h"
#include "documents/lineendings.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "framedriver.h"
#include "frametestbase.h"
#include "scripteddialogs.h"
#include "shell/tabstrips.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QClipboard>
#include <QMenuBar>
#include <QMimeData>
#include <QTabBar>

class TestEncodings : public FrameTestBase
{
    Q_OBJECT

private:
    std::unique_ptr<MainFrame> m_frame;
    ScriptedDialogs m_dialogs;

    QString path(const QString &name) const { return m_dir->filePath(name); }
    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        QFile f(path(name));
        if (!f.open(QIODevice::WriteOnly))
            return QString();
        f.write(bytes);
        return path(name);
    }
    static QByteArray readFile(const QString &name)
    {
        QFile f(name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }
    // Opens the file and gives its editor the keyboard focus.
    DocumentWindow *openFocused(const QString &file)
    {
        DocumentWindow *doc = drive(m_frame).files().openFile(file);
        if (!doc)
            return nullptr;
        doc->memo()->setFocus();
        return doc;
    }
    QByteArray saved(DocumentWindow *doc)
    {
        QTest::keyClick(doc->memo(), Qt::Key_S, Qt::ControlModifier);
        return readFile(doc->document().identity());
    }
    void chooseFromMenu(const char *command)
    {
        QAction *action = drive(m_frame).commands().action(QLatin1String(command));
        QVERIFY2(action, command);
        for (QAction *top : m_frame->menuBar()->actions()) {
            QMenu *menu = top->menu();
            if (!menu || !menu->actions().contains(action))
                continue;
            QTest::mouseClick(m_frame->menuBar(), Qt::LeftButton, {},
                              m_frame->menuBar()->actionGeometry(top).center());
            QTRY_VERIFY(menu->isVisible());
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            QTRY_VERIFY(!menu->isVisible());
            return;
        }
        QFAIL(command);
    }
    // Types as a keyboard does, a character at a time; QTest::keyClicks knows Latin-1 only.
    static void typeText(QWidget *widget, const QString &text)
    {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    static void drop(DocumentWindow *doc, const QString &text)
    {
        QMimeData data;
        data.setText(text);
        QWidget *viewport = doc->memo()->viewport();
        const QPoint at(2, 2);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &enter);
        QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &move);
        QDropEvent dropped(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &dropped);
    }

private Q_SLOTS:
    void init()
    {
        resetHome(QStringLiteral("home"));
        m_dialogs = ScriptedDialogs();
        QFile chars(m_home->libraryDir() + QStringLiteral("/chars"));
        QVERIFY(chars.open(QIODevice::WriteOnly));
        chars.write(QStringLiteral("…..&hellip;\n′..&prime;\n№..&#8470;\né..&eacute;\n").toUtf8());
        chars.close();
        m_settings->write(Keys::StartNew, QStringLiteral("no"));
        m_frame = std::make_unique<MainFrame>(*m_home, *m_settings, m_prompter);
        drive(m_frame).files().setDialogs(&m_dialogs);
        m_frame->showAtStart(false);
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

    // Every way text gets into a Windows-1252 page stores the code page's own bytes.
    void windows1252PageTakesTheCodePagesCharacters()
    {
        DocumentWindow *doc = openFocused(writeFile("old.htm", "caf\xE9\n"));
        QVERIFY(doc);
        QCOMPARE(drive(m_frame).status().formatText(), QStringLiteral("Windows-1252  LF"));
        QTest::keyClick(doc->memo(), Qt::Key_End, Qt::ControlModifier);
        typeText(doc->memo(), QStringLiteral("€ “x”"));
        QApplication::clipboard()->setText(QStringLiteral(" — ™"));
        QTest::keyClick(doc->memo(), Qt::Key_V, Qt::ControlModifier);
        drop(doc, QStringLiteral("Œ"));
        QCOMPARE(doc->editor().text(), QStringLiteral("Œcafé\n€ “x” — ™"));
        // Remove Tags turns the entities into the characters they stand for.
        doc->editor().setCaret(doc->editor().length());
        doc->editor().replaceSelection(QStringLiteral(" <b>&hellip;&eacute;</b>"));
        doc->editor().setSelection(doc->editor().length(), -24);
        chooseFromMenu(Cmd::killtags);
        QCOMPARE(saved(doc), QByteArray("\x8C"
                                        "caf\xE9\n\x80 \x93x\x94 \x97 \x99 \x85\xE9"));
        QVERIFY(m_prompter.shown.isEmpty());
        QCOMPARE(doc->editor().encoding(), ScintillaEditor::Encoding::Cp1252);
    }

    // A character the code page has no byte for is asked about: No keeps it out, and the
    // page as it was; Yes writes the page as UTF-8 from then on. Never a "?".
    void characterOutsideTheCodePageIsAskedAbout()
    {
        DocumentWindow *doc = openFocused(writeFile("old.htm", "caf\xE9 "));
        QVERIFY(doc);
        QTest::keyClick(doc->memo(), Qt::Key_End);

        m_prompter.answers = {PromptAnswer::No, PromptAnswer::No, PromptAnswer::No,
                              PromptAnswer::No};
        typeText(doc->memo(), QStringLiteral("日"));
        QApplication::clipboard()->setText(QStringLiteral("a 本 b"));
        QTest::keyClick(doc->memo(), Qt::Key_V, Qt::ControlModifier);
        drop(doc, QStringLiteral("😀"));
        QCOMPARE(m_prompter.shown.size(), 3);
        doc->editor().setText(QStringLiteral("&prime;&#8470;"));
        doc->editor().selectAll();
        chooseFromMenu(Cmd::killtags);
        QCOMPARE(m_prompter.shown.size(), 4);
        QCOMPARE(m_prompter.shown[0],
                 QStringLiteral("old.htm is written in the Windows-1252 code page, which has no "
                                "place for 日 (U+65E5).\n\nYes: write the page as UTF-8 from now "
                                "on and put the text in.\nNo: leave the page as it is; the text "
                                "is not put in."));
        QVERIFY(m_prompter.shown[1].contains(QStringLiteral("本 (U+672C).")));
        QVERIFY(m_prompter.shown[2].contains(QStringLiteral("😀 (U+1F600).")));
        QVERIFY(m_prompter.shown[3].contains(QStringLiteral("′ (U+2032), № (U+2116).")));
        QCOMPARE(doc->editor().text(), QStringLiteral("&prime;&#8470;"));
        doc->editor().setText(QStringLiteral("café "));
        QCOMPARE(saved(doc), QByteArray("caf\xE9 "));

        m_prompter.answers = {PromptAnswer::Yes};
        QTest::keyClick(doc->memo(), Qt::Key_End);
        typeText(doc->memo(), QStringLiteral("日"));
        QCOMPARE(doc->editor().encoding(), ScintillaEditor::Encoding::Utf8);
        QCOMPARE(drive(m_frame).status().formatText(), QStringLiteral("UTF-8  LF"));
        QCOMPARE(saved(doc), QStringLiteral("café 日").toUtf8());
    }

    // A page that becomes UTF-8 is offered a matching declaration of its character set; the
    // change is an edit of its own, undone by itself, and the caret stays where it was.
    void pageTurnedUtf8IsOfferedAMatchingDeclaration()
    {
        DocumentWindow *doc = openFocused(
            writeFile("declared.htm", "<head><meta charset=\"windows-1252\"></head>\ncaf\xE9 "));
        QVERIFY(doc);
        QTest::keyClick(doc->memo(), Qt::Key_End, Qt::ControlModifier);
        m_prompter.shown.clear();
        m_prompter.answers = {PromptAnswer::Yes, PromptAnswer::Yes};
        typeText(doc->memo(), QStringLiteral("日"));
        QTRY_COMPARE(m_prompter.shown.size(), 2);
        QCOMPARE(m_prompter.shown[1],
                 QStringLiteral("declared.htm declares its character set as \"windows-1252\". "
                                "Change the declaration to \"utf-8\", so that browsers read the "
                                "page as it is now written?"));
        QCOMPARE(doc->editor().text(),
                 QStringLiteral("<head><meta charset=\"utf-8\"></head>\ncafé 日"));
        QCOMPARE(doc->editor().caret(), doc->editor().length());
        typeText(doc->memo(), QStringLiteral("x"));
        QTest::keyClick(doc->memo(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(doc->memo(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(doc->editor().text(),
                 QStringLiteral("<head><meta charset=\"windows-1252\"></head>\ncafé 日"));

        // A page without a declaration, or one answered No, is not touched.
        DocumentWindow *plain = openFocused(writeFile("plain.htm", "caf\xE9 "));
        QVERIFY(plain);
        QTest::keyClick(plain->memo(), Qt::Key_End);
        m_prompter.shown.clear();
        m_prompter.answers = {PromptAnswer::Yes};
        typeText(plain->memo(), QStringLiteral("日"));
        QCoreApplication::processEvents();
        QCOMPARE(m_prompter.shown.size(), 1);
        QCOMPARE(plain->editor().text(), QStringLiteral("café 日"));
    }

    // The byte-order mark stays the file's first bytes: nothing typed goes before it.
    void byteOrderMarkStaysInFront()
    {
        DocumentWindow *doc = openFocused(writeFile("bom.htm", "\xEF\xBB\xBF<p>x</p>\r\n"));
        QVERIFY(doc);
        QCOMPARE(drive(m_frame).status().formatText(), QStringLiteral("UTF-8 BOM  CR LF"));
        QCOMPARE(doc->editor().caret(), 0);
        QTest::keyClicks(doc->memo(), QStringLiteral("A"));
        QTest::keyClick(doc->memo(), Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(doc->memo(), Qt::Key_Left);
        QTest::keyClicks(doc->memo(), QStringLiteral("B"));
        QTest::keyClick(doc->memo(), Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(doc->memo(), Qt::Key_Delete);
        QCOMPARE(saved(doc), QByteArray("\xEF\xBB\xBF"
                                        "A<p>x</p>\r\n"));
    }

    // Generated text takes the page's own line break, whatever it is; the typed Enter too.
    void generatedTextTakesThePagesLineBreak_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("lineBreak");
        QTest::addColumn<QString>("status");
        QTest::newRow("LF page") << QByteArray("<body>\n") << "\n"
                                 << "UTF-8  LF";
        QTest::newRow("CR LF page") << QByteArray("<body>\r\n") << "\r\n"
                                    << "UTF-8  CR LF";
        QTest::newRow("CR page, Windows-1252") << QByteArray("<body \xE9>\r") << "\r"
                                               << "Windows-1252  CR";
    }
    void generatedTextTakesThePagesLineBreak()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, lineBreak);
        QFETCH(QString, status);
        DocumentWindow *doc = openFocused(writeFile("page.htm", bytes));
        QVERIFY(doc);
        QCOMPARE(drive(m_frame).status().formatText(), status);
        QTest::keyClick(doc->memo(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(doc->memo(), Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(doc->memo(), Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(doc->memo(), Qt::Key_Return);
        // Quick lists convert a selection of lines.
        doc->editor().replaceSelection(QStringLiteral("one") + lineBreak + QStringLiteral("two"));
        doc->editor().setSelection(doc->editor().length(), -(6 + int(lineBreak.size())));
        m_prompter.answers = {PromptAnswer::Yes};
        QTest::keyClick(doc->memo(), Qt::Key_U, Qt::ControlModifier | Qt::ShiftModifier);

        const QString text = doc->editor().text();
        QVERIFY2(text.contains(QStringLiteral("<FRAMESET")) &&
                     text.contains(QStringLiteral("<TABLE")) &&
                     text.contains(QStringLiteral("<UL>")),
                 qPrintable(text));
        QString others = text;
        others.replace(lineBreak, QStringLiteral("#"));
        QVERIFY2(!others.contains(u'\r') && !others.contains(u'\n'), qPrintable(text));
    }

    // The status bar follows the active document.
    void statusBarShowsEachDocumentsFormat()
    {
        DocumentWindow *old = openFocused(writeFile("old.htm", "caf\xE9\r\n"));
        DocumentWindow *bom = openFocused(writeFile("bom.htm", "\xEF\xBB\xBFx"));
        QVERIFY(old && bom);
        QCOMPARE(drive(m_frame).status().formatText(), QStringLiteral("UTF-8 BOM  LF"));
        QTabBar *tabs = drive(m_frame).tabs().lower();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
        QCOMPARE(drive(m_frame).documents().active(), old);
        QCOMPARE(drive(m_frame).status().formatText(), QStringLiteral("Windows-1252  CR LF"));
        drive(m_frame).closer().Close();
        QCOMPARE(drive(m_frame).status().formatText(), QStringLiteral("UTF-8 BOM  LF"));
    }

    // Line Endings on the Edit menu converts the page's line breaks on purpose, as one step
    // that undo takes back.
    void lineEndingsCommandConvertsThePage()
    {
        DocumentWindow *doc = openFocused(writeFile("mixed.htm", "a\nb\r\nc\rd"));
        QVERIFY(doc);
        doc->editor().setCaret(6); // line "c", column 1
        chooseFromMenu(Cmd::LineEndings1Click);
        QMenu *choices = m_frame->findChild<QMenu *>(QStringLiteral("LineEndingsMenu"));
        QVERIFY(choices);
        QTRY_VERIFY(choices->isVisible());
        QCOMPARE(choices->actions().size(), 3);
        QVERIFY(choices->actions()[0]->isChecked()); // the file's first line break: LF
        QTest::mouseClick(choices, Qt::LeftButton, {},
                          choices->actionGeometry(choices->actions()[1]).center());
        QTRY_VERIFY(!choices->isVisible());
        QCOMPARE(doc->editor().text(), QStringLiteral("a\r\nb\r\nc\r\nd"));
        QCOMPARE(doc->editor().caretLine(), 2);
        QCOMPARE(doc->editor().caretColumn(), 1);
        QCOMPARE(drive(m_frame).status().formatText(), QStringLiteral("UTF-8  CR LF"));
        QVERIFY(doc->isModified());
        QTest::keyClick(doc->memo(), Qt::Key_Return);
        QCOMPARE(doc->editor().text(), QStringLiteral("a\r\nb\r\nc\r\n\r\nd"));
        QTest::keyClick(doc->memo(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(doc->memo(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(doc->editor().text(), QStringLiteral("a\nb\r\nc\rd"));
    }
};

QTEST_MAIN(TestEncodings)
#include "tst_encodings.moc"
