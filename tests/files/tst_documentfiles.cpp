#include "base/homefolder.h"
#include "base/modifiersource.h"
#include "base/settingsfile.h"
#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "files/documentprinter.h"
#include "filesizelimit.h"
#include "framedriver.h"
#include "frametestbase.h"
#include "projects/projectcommands.h"
#include "projects/projectmanager.h"
#include "projects/templatechooser.h"
#include "scripteddialogs.h"
#include "shell/mainframe.h"
#include "shell/tabstrips.h"

#include <Qsci/qsciscintilla.h>

#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>

// The file commands driven through the main frame, with scripted dialogs and answers.
class TestDocumentFiles : public FrameTestBase
{
    Q_OBJECT

private:
    ScriptedDialogs m_dialogs;
    FixedModifiers m_keys;

    // A frame with no document made at start.
    std::unique_ptr<MainFrame> start()
    {
        m_settings->write(Keys::StartNew, "no");
        auto frame = std::make_unique<MainFrame>(*m_home, *m_settings, m_prompter);
        drive(frame).files().setDialogs(&m_dialogs);
        drive(frame).files().setModifiers(&m_keys);
        frame->showAtStart(false);
        return frame;
    }
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
    DocumentWindow *open(MainFrame &frame, const QString &file)
    {
        return drive(frame).files().openFile(file);
    }
    static struct stat statOf(const QString &name)
    {
        struct stat st
        {
        };
        ::stat(QFile::encodeName(name).constData(), &st);
        return st;
    }
    // Ctrl+S typed into the document's editor, as a user saves.
    static void pressSave(DocumentWindow *doc)
    {
        QVERIFY(QTest::qWaitForWindowActive(doc->window()));
        doc->memo()->setFocus();
        QTest::keyClick(doc->memo(), Qt::Key_S, Qt::ControlModifier);
    }
    static void type(DocumentWindow *doc, const QString &text)
    {
        doc->memo()->setFocus();
        QTest::keyClicks(doc->memo(), text);
    }

private Q_SLOTS:
    void init()
    {
        resetHome("home");
        m_dialogs = ScriptedDialogs();
        m_keys.set({});
    }

    void oneUntitledCounterForEveryKindOfNew()
    {
        QDir(m_home->templateDir()).mkpath(".");
        QFile tpl(m_home->templateDir() + "/default.htm");
        QVERIFY(tpl.open(QIODevice::WriteOnly));
        tpl.write("<html>\r\n</html>\r\n");
        tpl.close();
        m_settings->write(Keys::Template, "default.htm");
        auto frame = start();
        DocumentFiles &files = drive(frame).files();
        QCOMPARE(files.newclean()->document().identity(), QString("Untitled1"));
        QCOMPARE(files.newclean()->document().identity(), QString("Untitled2"));
        // New HTML Document goes through the template chooser; OK with nothing chosen takes
        // the default template.
        QVERIFY(!files.newHtmlDocument());
        TemplateChooser *chooser = drive(frame).projects().templateChooser();
        QVERIFY(chooser && chooser->isVisible());
        QTest::mouseClick(chooser->button("Button1"), Qt::LeftButton);
        DocumentWindow *fromTemplate = files.active();
        QCOMPARE(fromTemplate->document().identity(), QString("Untitled3"));
        QCOMPARE(fromTemplate->editor().bytes(), QByteArray("<html>\n</html>\n")); // new: LF
        QVERIFY(!fromTemplate->isModified());
        QCOMPARE(files.news()->document().identity(), QString("Untitled4"));
        QVERIFY(!files.newFromTemplate());
        QTest::mouseClick(drive(frame).projects().templateChooser()->button("Button1"),
                          Qt::LeftButton);
        QCOMPARE(files.active()->windowTitle(), QString("Untitled5"));
        QCOMPARE(drive(frame).tabs().lower()->count(), 5);
    }

    void saveAsksForANameOnlyWhenItMust()
    {
        auto frame = start();
        DocumentFiles &files = drive(frame).files();
        files.newclean();
        DocumentWindow *doc = files.newclean();
        QVERIFY(drive(frame).saving().Saves()); // not modified: nothing happens
        QVERIFY(m_dialogs.shown.isEmpty());

        type(doc, "hi");
        QCOMPARE(drive(frame).tabs().text(doc), TabStrips::ModifiedMarker + "Untitled2");
        m_dialogs.saveAnswers << path("page");
        QVERIFY(drive(frame).saving().Saves());
        QCOMPARE(m_dialogs.shown.size(), 1);
        QCOMPARE(m_dialogs.shown[0].suggested, QString()); // an Untitled name is not offered
        QCOMPARE(readFile(path("page.htm")), QByteArray("hi"));
        QCOMPARE(doc->document().identity(), path("page.htm"));
        QCOMPARE(doc->windowTitle(), QString("page.htm"));
        QCOMPARE(drive(frame).tabs().text(doc), QString("page.htm"));
        QCOMPARE(drive(frame).tabs().upper()->tabText(1), QString("page.htm"));
        QVERIFY(!doc->isModified());
        QCOMPARE(m_settings->readString("Oldies", "1"), path("page.htm"));

        // A saved document saves in place, and the dialogs start in its folder.
        type(doc, "!");
        QVERIFY(drive(frame).saving().Saves());
        QCOMPARE(m_dialogs.shown.size(), 1);
        QCOMPARE(readFile(path("page.htm")), QByteArray("hi!"));

        // With "defext" html, and a final dot for no extension at all.
        m_settings->write(Keys::DefExt, "html");
        m_dialogs.saveAnswers << path("other") << path("bare.");
        QVERIFY(drive(frame).saving().SavesAs());
        QVERIFY(QFile::exists(path("other.html")));
        QCOMPARE(m_dialogs.shown.last().suggested, QString("page.htm"));
        QCOMPARE(m_dialogs.shown.last().folder, m_dir->path());
        QVERIFY(drive(frame).saving().SavesAs());
        QCOMPARE(readFile(path("bare")), QByteArray("hi!"));
    }

    // Untitled is a document's state, never read from its name.
    void aFileNamedUntitledSavesInPlace()
    {
        const QString notes = writeFile("Untitled5.html", "n");
        auto frame = start();
        DocumentWindow *doc = open(*frame, notes);
        type(doc, "x");
        QVERIFY(drive(frame).saving().Saves());
        QVERIFY(m_dialogs.shown.isEmpty());
        QVERIFY(m_prompter.shown.isEmpty());
        QCOMPARE(readFile(notes), QByteArray("xn"));
        QVERIFY(!doc->isModified());
    }

    // A page the user made read-only is not saved over without a question naming the reason;
    // Save As onto a read-only file the same.
    void aReadOnlyPageIsSavedOnlyWhenTheUserSaysSo()
    {
        const QString page = writeFile("locked.htm", "old");
        QVERIFY(::chmod(QFile::encodeName(page).constData(), 0444) == 0);
        auto frame = start();
        DocumentWindow *doc = open(*frame, page);
        type(doc, "new ");
        m_prompter.answers << PromptAnswer::No;
        QVERIFY(!drive(frame).saving().Saves());
        QCOMPARE(m_prompter.shown.last(), page + " is read-only; save anyway?");
        QCOMPARE(m_prompter.buttons.last(), PromptButtons::YesNoDefaultNo);
        QCOMPARE(readFile(page), QByteArray("old"));
        QVERIFY(doc->isModified());
        m_prompter.answers << PromptAnswer::Yes;
        QVERIFY(drive(frame).saving().Saves());
        QCOMPARE(readFile(page), QByteArray("new old"));
        QCOMPARE(int(statOf(page).st_mode & 07777), 0444);

        const QString theirs = writeFile("theirs.htm", "theirs");
        QVERIFY(::chmod(QFile::encodeName(theirs).constData(), 0444) == 0);
        type(doc, "x");
        m_dialogs.saveAnswers << theirs;
        m_prompter.shown.clear();
        m_prompter.answers << PromptAnswer::Yes << PromptAnswer::No; // replace, read-only
        QVERIFY(!drive(frame).saving().SavesAs());
        QCOMPARE(m_prompter.shown.last(), theirs + " is read-only; save anyway?");
        QCOMPARE(readFile(theirs), QByteArray("theirs"));
        QCOMPARE(doc->document().identity(), page);
    }

    void replacingAskedAndRefusedAsksForAnotherName()
    {
        const QString taken = writeFile("taken.htm", "keep");
        auto frame = start();
        DocumentWindow *doc = drive(frame).files().newclean();
        type(doc, "new");
        m_dialogs.saveAnswers << path("taken") << path("free");
        m_prompter.answers << PromptAnswer::No;
        QVERIFY(drive(frame).saving().Saves());
        QCOMPARE(readFile(taken), QByteArray("keep"));
        QCOMPARE(readFile(path("free.htm")), QByteArray("new"));
        QCOMPARE(m_dialogs.shown.size(), 2);
    }

    void namesDifferingInLetterCaseAreTwoFiles()
    {
        const QString second = writeFile("second.htm", "lower");
        const QString upper = writeFile("SECOND.htm", "upper");
        const QString f2 = writeFile("f2.htm", "f2");
        auto frame = start();
        DocumentFiles &files = drive(frame).files();
        QVERIFY(open(*frame, second));
        DocumentWindow *other = open(*frame, upper);
        QVERIFY(other);
        QCOMPARE(other->editor().text(), QString("upper"));
        QCOMPARE(drive(frame).documents().documents().size(), 2);
        QVERIFY(m_prompter.shown.isEmpty());

        // The same file by another way, a symbolic link, is already open.
        QVERIFY(QFile::link(second, path("link.htm")));
        QVERIFY(!open(*frame, path("link.htm")));
        QCOMPARE(m_prompter.shown.last(), path("link.htm") + " is already open.");

        // Save As beside an open file whose name differs in letter case only writes a new one.
        DocumentWindow *third = open(*frame, f2);
        type(third, "x");
        m_dialogs.saveAnswers << path("F2.htm");
        QVERIFY(drive(frame).saving().SavesAs());
        QCOMPARE(readFile(path("F2.htm")), QByteArray("xf2"));
        QCOMPARE(readFile(f2), QByteArray("f2"));
        QCOMPARE(third->document().identity(), path("F2.htm"));

        // Save As onto another open document, even through a link, writes nothing.
        type(third, "y");
        m_dialogs.saveAnswers << path("link.htm");
        m_prompter.answers << PromptAnswer::Yes; // Replace existing … ?
        QVERIFY(!drive(frame).saving().SavesAs());
        QCOMPARE(m_prompter.shown.last(), path("link.htm") +
                                              " is currently open.\nClose the open file and "
                                              "try again.");
        QCOMPARE(readFile(second), QByteArray("lower"));
        QVERIFY(third->isModified());
    }

    void openChoosesSeveralFilesButOneProjectOnly()
    {
        const QString a = writeFile("a.htm", "a");
        const QString b = writeFile("b.htm", "b");
        const QString project = writeFile("site.qpj", "");
        auto frame = start();
        DocumentFiles &files = drive(frame).files();
        m_dialogs.openAnswers << QStringList{a, project, b};
        files.Open();
        QCOMPARE(drive(frame).documents().documents().size(), 2);
        QCOMPARE(m_prompter.shown, QStringList{"You can only open projects individually"});
        QCOMPARE(m_dialogs.shown[0].title, QString("Open"));
        QVERIFY(m_dialogs.shown[0].filter.startsWith("Quillmark files (*.htm* *.qpj)"));
        QCOMPARE(m_settings->readString("Oldies", "1"), b);
        QCOMPARE(m_settings->readString("Oldies", "2"), a);

        // One project alone opens the project manager with it loaded.
        m_dialogs.openAnswers << QStringList{project};
        files.Open();
        QCOMPARE(drive(frame).documents().documents().size(), 2);
        QVERIFY(drive(frame).projects().manager());
        QCOMPARE(drive(frame).projects().manager()->projectName(), QString("site.qpj"));
        QCOMPARE(m_settings->readString("Oldies", "1"), project);
        drive(frame).projects().manager()->close();

        // A recent entry opens through Open; a missing file says why and opens nothing.
        drive(frame).closer().Close();
        files.openRecent(2);
        QCOMPARE(files.active()->document().identity(), b);
        QFile::remove(b);
        drive(frame).closer().Close();
        files.openRecent(1);
        QVERIFY(m_prompter.shown.last().startsWith(b + " could not be opened: "));
        QCOMPARE(drive(frame).documents().documents().size(), 1);
        QCOMPARE(files.recentMenuEntries(), (QStringList{project, a}));
    }

    void shiftStartsTheDialogsInTheDocumentsFolder()
    {
        const QString docs = m_dir->filePath("docs");
        QDir().mkpath(docs);
        m_settings->write(Keys::DataFolder, docs);
        m_settings->write(Keys::YourFiles, "Pages|*.php");
        const QString a = writeFile("a.htm", "a");
        auto frame = start();
        m_dialogs.openAnswers << QStringList{a} << QStringList{} << QStringList{};
        drive(frame).files().Open();
        QCOMPARE(m_dialogs.shown[0].folder, docs);
        QCOMPARE(m_dialogs.shown[0].filter, QString("Pages (*.php)"));
        drive(frame).files().InsertFile();
        QCOMPARE(m_dialogs.shown[1].folder, m_dir->path());
        QCOMPARE(m_dialogs.shown[1].title, QString("Varnel Inserts Files"));
        m_keys.set(Qt::ShiftModifier);
        drive(frame).files().InsertFile();
        QCOMPARE(m_dialogs.shown[2].folder, docs);
    }

    void closeAllStopsAtCancel()
    {
        auto frame = start();
        DocumentFiles &files = drive(frame).files();
        for (int i = 0; i < 3; ++i)
            type(files.newclean(), "x");
        m_prompter.answers << PromptAnswer::No << PromptAnswer::Cancel;
        QVERIFY(!drive(frame).closer().CloseAll());
        QCOMPARE(m_prompter.shown.size(), 2);
        QCOMPARE(drive(frame).documents().documents().size(), 2);
        QVERIFY(!drive(frame).closer().closeAllRunning());
        QTRY_COMPARE(drive(frame).tabs().count(), 2);

        m_prompter.answers << PromptAnswer::No << PromptAnswer::No;
        QVERIFY(drive(frame).closer().CloseAll());
        QVERIFY(drive(frame).documents().documents().isEmpty());
        QVERIFY(!files.active());
        drive(frame).saving().Saves(); // no document: nothing, no crash
        drive(frame).printing().Prints();
        files.InsertFile();
        QVERIFY(m_dialogs.shown.isEmpty());
    }

    void bytesSurviveOpenEditUndoAndSave_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("crlf") << QByteArray("<p>one</p>\r\n<p>two</p>\r\n");
        QTest::newRow("lf") << QByteArray("<p>one</p>\n<p>two</p>\n");
        QTest::newRow("cr") << QByteArray("<p>one</p>\r<p>two</p>\r");
        QTest::newRow("mixed") << QByteArray("a\r\nb\nc\rd\n\r");
        QTest::newRow("utf-8 with bom") << QByteArray("\xEF\xBB\xBF<p>caf\xC3\xA9</p>\r\n");
        QByteArray cp1252("<p>");
        for (int b = 0x80; b <= 0x9F; ++b)
            cp1252 += char(b);
        QTest::newRow("windows-1252 0x80 to 0x9F") << cp1252 + "\xE9</p>\r\n";
        QTest::newRow("nul bytes") << QByteArray("a\0b\r\n\0", 6);
        QTest::newRow("no final break") << QByteArray("<p>last</p>");
        QTest::newRow("empty") << QByteArray();
    }
    void bytesSurviveOpenEditUndoAndSave()
    {
        QFETCH(QByteArray, bytes);
        const QString original = writeFile("in.htm", bytes);
        auto frame = start();
        DocumentWindow *doc = open(*frame, original);
        QVERIFY(doc);
        QCOMPARE(doc->editor().bytes(), bytes);
        doc->editor().setCaret(doc->editor().length());
        type(doc, "xy");
        QTest::keyClick(doc->memo(), Qt::Key_Return);
        QVERIFY(doc->isModified());
        QVERIFY(drive(frame).tabs().text(doc).startsWith(TabStrips::ModifiedMarker));
        while (doc->editor().canUndo())
            doc->editor().undo();
        QCOMPARE(doc->editor().bytes(), bytes);
        m_dialogs.saveAnswers << path("out.htm");
        QVERIFY(drive(frame).saving().SavesAs());
        QCOMPARE(readFile(path("out.htm")), bytes);
    }

    void enterUsesTheDocumentsOwnLineEnding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("ending");
        QTest::newRow("lf file") << QByteArray("a\nb") << QByteArray("\n");
        QTest::newRow("cr file") << QByteArray("a\rb") << QByteArray("\r");
        QTest::newRow("crlf file") << QByteArray("a\r\nb") << QByteArray("\r\n");
        QTest::newRow("new document") << QByteArray() << QByteArray("\n");
    }
    void enterUsesTheDocumentsOwnLineEnding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, ending);
        auto frame = start();
        DocumentWindow *doc = bytes.isEmpty() ? drive(frame).files().newclean()
                                              : open(*frame, writeFile("e.htm", bytes));
        doc->editor().setCaret(doc->editor().length());
        doc->memo()->setFocus();
        QTest::keyClick(doc->memo(), Qt::Key_Return);
        QCOMPARE(doc->editor().bytes(), bytes + ending);
    }

    void failedSaveKeepsTheDocumentAndTheFile()
    {
        const QString page = writeFile("page.htm", "old");
        auto frame = start();
        DocumentFiles &files = drive(frame).files();
        DocumentWindow *doc = open(*frame, page);
        type(doc, "new ");

        // The file has been replaced by a folder: Save fails, says which file and why.
        QFile::remove(page);
        QVERIFY(QDir().mkdir(page));
        m_prompter.shown.clear();
        QVERIFY(!drive(frame).saving().Saves());
        QVERIFY(!m_prompter.shown.isEmpty());
        QVERIFY(m_prompter.shown.last().startsWith(page + " could not be saved: "));
        QVERIFY(m_prompter.shown.last().size() > (page + " could not be saved: ").size());
        QVERIFY(doc->isModified());
        QCOMPARE(doc->editor().text(), QString("new old"));
        QVERIFY(drive(frame).tabs().text(doc).startsWith(TabStrips::ModifiedMarker));

        // Save As under a file: nothing changes, the document keeps its name.
        const QString kept = writeFile("kept.htm", "kept");
        m_dialogs.saveAnswers << kept + "/sub.htm";
        QVERIFY(!drive(frame).saving().SavesAs());
        QVERIFY(m_prompter.shown.last().startsWith(kept + "/sub.htm could not be saved: "));
        QCOMPARE(readFile(kept), QByteArray("kept"));
        QCOMPARE(doc->document().identity(), page);
        QVERIFY(doc->isModified());

        // The close question's Yes with a failing save asks again instead of losing the text.
        m_prompter.answers << PromptAnswer::Yes << PromptAnswer::Cancel;
        QVERIFY(!doc->parentWidget()->close());
        QCOMPARE(drive(frame).documents().documents().size(), 1);
    }

    void insertFileIsOneUndoStepAndLeavesTheClipboard()
    {
        const QString part = writeFile("part.htm", "<b>inserted</b>\r\n");
        auto frame = start();
        DocumentWindow *doc = drive(frame).files().newclean();
        doc->editor().setText("before after");
        doc->setModified(false);
        doc->editor().setSelection(7, 5); // "after"
        QGuiApplication::clipboard()->setText("clip");
        m_dialogs.openAnswers << QStringList{part, path("ignored.htm")};
        drive(frame).files().InsertFile();
        QCOMPARE(doc->editor().text(), QString("before <b>inserted</b>\r\n"));
        QCOMPARE(doc->editor().caret(), doc->editor().length());
        QVERIFY(doc->isModified());
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("clip"));
        doc->editor().undo();
        QCOMPARE(doc->editor().text(), QString("before after"));

        // A Windows-1252 document takes the inserted file's bytes as they are.
        const QString high = writeFile("high.htm", "\x80\xE9");
        DocumentWindow *old = open(*frame, writeFile("old.htm", "\x93q\x94"));
        old->editor().setCaret(1);
        m_dialogs.openAnswers << QStringList{high};
        drive(frame).files().InsertFile();
        QCOMPARE(old->editor().bytes(), QByteArray("\x93\x80\xE9q\x94"));
    }

    void printsEveryPageWithItsHeader()
    {
        const QByteArray line = "<p>A line of the page that is printed.</p>\r\n";
        const QString page = writeFile("print.htm", line.repeated(300));
        auto frame = start();
        DocumentFiles &files = drive(frame).files();
        drive(frame).printing().PrintSetup(); // no document: nothing
        QVERIFY(m_dialogs.shown.isEmpty());
        DocumentWindow *doc = open(*frame, page);
        drive(frame).printing().Prints(); // the print dialog cancelled
        QVERIFY(!QFile::exists(path("out.pdf")));

        m_dialogs.pdfPath = path("out.pdf");
        drive(frame).printing().Prints();
        const QByteArray pdf = readFile(path("out.pdf"));
        QVERIFY(pdf.startsWith("%PDF"));
        const auto pages = pdf.count("/Type /Page\n") + pdf.count("/Type /Page ") +
                           pdf.count("/Type /Page/") + pdf.count("/Type /Page>");
        QVERIFY2(pages > 1, "300 lines fill more than one page");
        const QStringList headers = drive(frame).printing().printer().headersDrawn();
        QCOMPARE(headers.size(), pages);
        QCOMPARE(headers.first(), doc->document().identity());
        QCOMPARE(headers.count(doc->document().identity()), headers.size());
        QVERIFY(m_prompter.shown.isEmpty());
    }

    void filesChangedElsewhereAskBeforeReloading()
    {
        const QString page = writeFile("watched.htm", "one");
        auto frame = start();
        DocumentWindow *doc = open(*frame, page);
        // Our own save, and a rewrite with the same content, raise no question.
        type(doc, "0");
        pressSave(doc);
        QVERIFY(!doc->isModified());
        writeFile("watched.htm", "0one");

        m_prompter.answers << PromptAnswer::Yes;
        writeFile("watched.htm", "two, longer");
        QTRY_COMPARE(m_prompter.shown.size(), 1);
        QCOMPARE(m_prompter.shown[0], page + " has been changed by another program.\nReload it?");
        QCOMPARE(doc->editor().text(), QString("two, longer"));
        QVERIFY(!doc->isModified());
        QCOMPARE(drive(frame).tabs().text(doc), QString("watched.htm"));
        // The reload is one step that undo takes back.
        QTest::keyClick(doc->memo(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(doc->editor().text(), QString("0one"));
        QVERIFY(doc->isModified());
        doc->editor().setText("two, longer");

        // A modified document is asked about in other words; Enter (the default) keeps its text.
        type(doc, "mine ");
        m_prompter.answers << PromptAnswer::No;
        writeFile("watched.htm", "three");
        QTRY_COMPARE(m_prompter.shown.size(), 2);
        QVERIFY(m_prompter.shown[1].contains("lose the changes"));
        QCOMPARE(m_prompter.buttons[1], PromptButtons::YesNoDefaultNo);
        QCOMPARE(doc->editor().text(), QString("mine two, longer"));

        // Deleted: the text stays and closing will ask to save it.
        QFile::remove(page);
        QTRY_COMPARE(m_prompter.shown.size(), 3);
        QVERIFY(m_prompter.shown[2].startsWith(page + " has been deleted"));
        QVERIFY(doc->isModified());

        // Made again: watched again.
        m_prompter.answers << PromptAnswer::Yes;
        writeFile("watched.htm", "four");
        QTRY_COMPARE(m_prompter.shown.size(), 4);
        QVERIFY(m_prompter.shown[3].startsWith(page + " has been changed by another program."));
        QCOMPARE(doc->editor().text(), QString("four"));
    }

    void saveOverAFileChangedBehindOurBackAsksFirst()
    {
        const QString page = writeFile("page.htm", "aaaa");
        auto frame = start();
        DocumentWindow *doc = open(*frame, page);
        type(doc, "x");

        // Another program writes the same size and puts the old time stamp back, as a copy
        // that keeps times or a restore from a backup does.
        const struct stat before = statOf(page);
        writeFile("page.htm", "bbbb");
        const timespec times[2] = {before.st_atim, before.st_mtim};
        QVERIFY(::utimensat(AT_FDCWD, QFile::encodeName(page).constData(), times, 0) == 0);
        // The reload question may come first; keep the edits.
        m_prompter.answers << PromptAnswer::No;
        QTRY_COMPARE(m_prompter.shown.size(), 1);
        QCOMPARE(m_prompter.buttons[0], PromptButtons::YesNoDefaultNo);

        m_prompter.answers << PromptAnswer::No;
        pressSave(doc);
        QCOMPARE(m_prompter.shown.size(), 2);
        QCOMPARE(m_prompter.shown[1],
                 page + " has been changed by another program since it was opened or saved "
                        "here.\nSave over it and lose those changes?");
        QCOMPARE(m_prompter.buttons[1], PromptButtons::YesNoDefaultNo);
        QCOMPARE(readFile(page), QByteArray("bbbb"));
        QVERIFY(doc->isModified());

        m_prompter.answers << PromptAnswer::Yes;
        pressSave(doc);
        QCOMPARE(readFile(page), QByteArray("xaaaa"));
        QVERIFY(!doc->isModified());
        // Saved over on purpose: the next save does not ask again.
        type(doc, "y");
        pressSave(doc);
        QCOMPARE(m_prompter.shown.size(), 3);
        QCOMPARE(readFile(page), QByteArray("xyaaaa"));
    }

    void aFullDiskKeepsTheFileAndTheEdits()
    {
        const QByteArray old(16384, 'o');
        const QString page = writeFile("page.htm", old);
        auto frame = start();
        DocumentWindow *doc = open(*frame, page);
        type(doc, "new ");
        {
            FileSizeLimit full(8192);
            pressSave(doc);
        }
        QCOMPARE(m_prompter.shown.size(), 1);
        QCOMPARE(m_prompter.shown[0],
                 page + " could not be saved: the file would be larger than the file system or "
                        "a limit allows");
        QCOMPARE(readFile(page), old);
        QVERIFY(doc->isModified());
        QVERIFY(drive(frame).tabs().text(doc).startsWith(TabStrips::ModifiedMarker));
        // Exit asks, so that nothing is lost without a word.
        m_prompter.answers << PromptAnswer::Cancel;
        QVERIFY(!frame->close());
        QCOMPARE(m_prompter.shown.size(), 2);
    }

    void devicesAndPipesAreRefusedWithoutWaiting()
    {
        QVERIFY(::mkfifo(QFile::encodeName(path("pipe.htm")).constData(), 0600) == 0);
        auto frame = start();
        DocumentFiles &files = drive(frame).files();
        m_dialogs.openAnswers << QStringList{"/dev/zero", path("pipe.htm")};
        files.Open();
        QCOMPARE(m_prompter.shown,
                 (QStringList{"/dev/zero could not be opened: it is a device, not a regular file",
                              path("pipe.htm") +
                                  " could not be opened: it is a pipe, not a regular file"}));
        QVERIFY(drive(frame).documents().documents().isEmpty());

        // Nor is one replaced by a save.
        DocumentWindow *doc = files.newclean();
        type(doc, "text");
        m_dialogs.saveAnswers << path("pipe.htm");
        m_prompter.answers << PromptAnswer::Yes; // Replace existing … ?
        QVERIFY(!drive(frame).saving().SavesAs());
        QCOMPARE(m_prompter.shown.last(),
                 path("pipe.htm") + " could not be saved: it is a pipe, not a regular file");
        QVERIFY(!QFileInfo(path("pipe.htm")).isFile());
        QVERIFY(doc->isModified());
    }

    void droppedFilesOpen()
    {
        const QString a = writeFile("a.htm", "a");
        const QString b = writeFile("b.htm", "b");
        auto frame = start();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(a), QUrl::fromLocalFile(b)});
        const auto dropOn = [&](QWidget *target) {
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton,
                                  Qt::NoModifier);
            QCoreApplication::sendEvent(target, &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(target, &drop);
        };
        dropOn(frame.get());
        QTRY_COMPARE(drive(frame).documents().documents().size(), 2);
        // And on a document's text: the file opens, its name is not typed in.
        DocumentWindow *doc = drive(frame).documents().documents().first();
        data.setUrls({QUrl::fromLocalFile(a), QUrl::fromLocalFile(path("c.htm"))});
        dropOn(doc->memo()->viewport());
        QTRY_COMPARE(m_prompter.shown.size(), 2);
        QCOMPARE(m_prompter.shown[0], a + " is already open.");
        QVERIFY(m_prompter.shown[1].startsWith(path("c.htm") + " could not be opened"));
        QCOMPARE(doc->editor().text(), QString("a"));
    }
};

QTEST_MAIN(TestDocumentFiles)
#include "tst_documentfiles.moc"
