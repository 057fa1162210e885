#include "base/editingoptions.h"
#include "base/homefolder.h"
#include "base/programdata.h"
#include "base/settingsfile.h"
#include "base/temporaryfiles.h"
#include "base/windowplace.h"
#include "scriptedprompter.h"
#include "shell/commandline.h"
#include "shell/firststart.h"
#include "shell/startupsteps.h"
#include "tagcolouring/tagcolourrules.h"

#include <QDate>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {
QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void commandLineJoinsWords_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("name");
        QTest::newRow("no words") << QStringList{} << int(CommandLine::Action::Run) << QString();
        QTest::newRow("three words join with single blanks")
            << QStringList{"my", "new", "page.htm"} << int(CommandLine::Action::Run)
            << QString("my new page.htm");
        QTest::newRow("help") << QStringList{"--help"} << int(CommandLine::Action::Help)
                              << QString();
        QTest::newRow("version") << QStringList{"--version"} << int(CommandLine::Action::Version)
                                 << QString();
        QTest::newRow("option inside a name is part of it")
            << QStringList{"a", "--help"} << int(CommandLine::Action::Run) << QString("a --help");
    }
    void commandLineJoinsWords()
    {
        QFETCH(QStringList, words);
        QFETCH(int, action);
        QFETCH(QString, name);
        const CommandLine line = CommandLine::parse(words);
        QCOMPARE(int(line.action), action);
        QCOMPARE(line.fileName, name);
    }

    // The executable's folder only for a portable copy, which holds a settings file (an empty
    // one counts); a build tree or an installed program uses the per-user folder.
    void homeFolderChoice()
    {
        QTemporaryDir dir;
        QCOMPARE(HomeFolder::choose(dir.path(), "/elsewhere"), QString("/elsewhere"));
        QCOMPARE(HomeFolder::choose(dir.filePath("missing"), "/elsewhere"), QString("/elsewhere"));
        QDir(dir.path()).mkdir("quillm.ini");
        QCOMPARE(HomeFolder::choose(dir.path(), "/elsewhere"), QString("/elsewhere"));
        QDir(dir.path()).rmdir("quillm.ini");
        writeAll(dir.filePath("quillm.ini"), "");
        QCOMPARE(HomeFolder::choose(dir.path() + "/", "/elsewhere"), QDir::cleanPath(dir.path()));
    }

    void homeFolderCreatesItsFoldersAndCopiesMissingData()
    {
        QTemporaryDir dir;
        const HomeFolder home(dir.filePath("home"));
        QString error;
        QVERIFY(home.createFolders(&error));
        for (const char *sub : {"data", "template", "library"})
            QVERIFY(QFileInfo(home.file(QString::fromLatin1(sub))).isDir());

        QDir().mkpath(dir.filePath("shipped/library"));
        writeAll(dir.filePath("shipped/library/chars"), "shipped");
        writeAll(dir.filePath("shipped/readme"), "new");
        QDir().mkpath(dir.filePath("shipped/help"));
        writeAll(dir.filePath("shipped/help/index.html"), "<p>");
        writeAll(home.file("readme"), "the user's own");
        home.copyShippedData(dir.filePath("shipped"));
        QCOMPARE(readAll(home.file("library/chars")), QByteArray("shipped"));
        QCOMPARE(readAll(home.file("readme")), QByteArray("the user's own"));
        // Help is read where it was installed, never from a stale copy.
        QVERIFY(!QFileInfo::exists(home.file("help")));
    }

    // The shipped templates fill an empty template folder; a folder with a template of the
    // user's gets none, so that a deleted template does not come back.
    void shippedTemplatesGoOnlyIntoAnEmptyTemplateFolder()
    {
        QTemporaryDir dir;
        const HomeFolder home(dir.filePath("home"));
        QString error;
        QVERIFY(home.createFolders(&error));
        QDir().mkpath(dir.filePath("shipped/template"));
        writeAll(dir.filePath("shipped/template/html5.htm"), "<!DOCTYPE html>");
        writeAll(dir.filePath("shipped/template/frameset.htm"), "<frameset>");
        home.copyShippedData(dir.filePath("shipped"));
        QCOMPARE(QDir(home.templateDir()).entryList(QDir::Files),
                 (QStringList{"frameset.htm", "html5.htm"}));
        QVERIFY(QFile::remove(home.file("template/frameset.htm")));
        home.copyShippedData(dir.filePath("shipped"));
        QCOMPARE(QDir(home.templateDir()).entryList(QDir::Files), QStringList{"html5.htm"});

        // The program's own templates: a page, a layout table and a frameset.
        const QDir shipped(ProgramData::folder(QCoreApplication::applicationDirPath()) +
                           "/template");
        QCOMPARE(shipped.entryList(QDir::Files).size(), 3);
        const QByteArray html5 = readAll(shipped.filePath("html5.htm"));
        QVERIFY(html5.startsWith("<!DOCTYPE html>"));
        QVERIFY(html5.contains("<meta charset=\"utf-8\">"));
        QVERIFY(html5.contains("name=\"viewport\""));
        QVERIFY(html5.contains("<link rel=\"stylesheet\""));
    }

    // An installed program reads its data beside its prefix, wherever the prefix is, and never
    // falls back to the build machine's source tree; one run from its build tree reads the
    // source tree's.
    void programDataIsFoundInstalledOrInTheSourceTree()
    {
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath("prefix/bin"));
        const QString bin = dir.filePath("prefix/bin");
        const QString installed = QDir::cleanPath(dir.filePath("prefix/share/quillmark"));
        QCOMPARE(ProgramData::folder(bin, "../share/quillmark", "/src/data", "/build"), installed);
        QCOMPARE(ProgramData::folder(bin, "../share/quillmark", "/src/data", dir.path()),
                 QString("/src/data"));
        QVERIFY(!ProgramData::runsFromBuildTree(bin));
        QDir().mkpath(installed);
        QCOMPARE(ProgramData::folder(bin, "../share/quillmark", "/src/data", dir.path()),
                 installed);
        // The program's own rule: the test runs in the build tree.
        QVERIFY(QFileInfo::exists(ProgramData::folder(QCoreApplication::applicationDirPath()) +
                                  "/help/index.html"));
    }

    void homeFolderReportsAFolderThatCannotBeMade()
    {
        QTemporaryDir dir;
        writeAll(dir.filePath("home"), "a file where the folder should be");
        const HomeFolder home(dir.filePath("home"));
        QString error;
        QVERIFY(!home.createFolders(&error));
        QVERIFY(error.contains(dir.filePath("home")));
    }

    void commandLineFilesAreCheckedInTheirOrder()
    {
        QTemporaryDir dir;
        ScriptedPrompter prompter;
        writeAll(dir.filePath("my page.htm"), "<p>");
        writeAll(dir.filePath("b.htm"), "<p>");
        QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("pipe.htm")).constData(), 0600) == 0);

        const QStringList files =
            StartupSteps::filesToOpen(prompter,
                                      {"my page.htm", "missing.htm", dir.path(), "pipe.htm",
                                       "/dev/zero", dir.filePath("b.htm")},
                                      dir.path());
        QCOMPARE(files, (QStringList{dir.filePath("my page.htm"), dir.filePath("b.htm")}));
        // Each with its reason, as the Open dialog gives it.
        QCOMPARE(
            prompter.shown,
            (QStringList{"missing.htm could not be opened: the file does not exist",
                         dir.path() + " could not be opened: it is a folder",
                         "pipe.htm could not be opened: it is a pipe, not a regular file",
                         "/dev/zero could not be opened: it is a device, not a regular file"}));

        // One name that cannot be opened (here one whose bytes are not UTF-8) keeps none of
        // the others from opening, and is reported alone.
        prompter.shown.clear();
        const CommandLine line =
            CommandLine::parse({"my", "page.htm", QString::fromLocal8Bit("caf\xe9.htm"), "b.htm"});
        QCOMPARE(line.fileNames(dir.path()),
                 (QStringList{"my", "page.htm", QString::fromLocal8Bit("caf\xe9.htm"), "b.htm"}));
        QCOMPARE(StartupSteps::filesToOpen(prompter, line.fileNames(dir.path()), dir.path()),
                 QStringList{dir.filePath("b.htm")});
        QCOMPARE(prompter.shown.size(), 3);
        QVERIFY(prompter.shown[2].endsWith(": its name is not valid UTF-8"));
        // A name with blanks given in words still opens as one.
        QCOMPARE(CommandLine::parse({"my", "page.htm"}).fileNames(dir.path()),
                 QStringList{"my page.htm"});
        QVERIFY(StartupSteps::filesToOpen(prompter, {}, dir.path()).isEmpty());
    }

    void settingsPreparedAtStart()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("quillm.ini");
        writeAll(path, "[Varnel]\ncount=7\n[CleanUp]\ncount=1\n1=/tmp/x\n[Quick]\nqrf=3\n");
        SettingsFile settings(path);
        StartupSteps::prepareSettings(settings);
        QCOMPARE(settings.read(Keys::State), QString("max"));
        QCOMPARE(settings.readInt("Varnel", "count", -1), 0);
        QVERIFY(!settings.hasKey("CleanUp", "count"));
        QCOMPARE(settings.readInt("Quick", "qrf", 0), 3);

        settings.write(Keys::State, "norm");
        StartupSteps::prepareSettings(settings);
        QCOMPARE(settings.read(Keys::State), QString("norm"));
    }

    void firstStartPreparesOnlyANewOrEmptyFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("quillm.ini");
        SettingsFile fresh(path);
        QVERIFY(FirstStart::isFirstStart(fresh));
        FirstStart::prepare(fresh, {QStringLiteral("Fixed Face"), 11, true});
        QVERIFY(!FirstStart::isFirstStart(fresh));
        QCOMPARE(TagColourScheme::read(fresh), TagColourScheme::firstStartColours(true));
        QVERIFY(fresh.read(Keys::GutterOn));
        QVERIFY(fresh.read(Keys::CurLine));
        QCOMPARE(fresh.read(Keys::FontName), QString("Fixed Face"));
        QCOMPARE(fresh.read(Keys::FontPoints), 11);
        // The text keeps the palette's colour.
        QVERIFY(!fresh.hasKey("Qorvin*Plat", "Tcolor"));
        // Lower-case tags, auto-indent, the desktop's browser, closed rows, cells and items.
        QCOMPARE(fresh.read(Keys::TagCase), QString("lower"));
        QCOMPARE(EditingOptions(fresh).tagCase(), TagCase::Lower);
        QVERIFY(EditingOptions(fresh).autoIndent());
        QCOMPARE(fresh.read(Keys::Dde), QString("no"));
        QCOMPARE(fresh.read(Keys::CloseTr), QString("nope"));
        QCOMPARE(fresh.read(Keys::CloseTd), QString("nope"));
        QCOMPARE(fresh.read(Keys::CloseLi), QString("nope"));

        // An empty file, such as one made to keep the settings beside the program, counts as
        // new; without a font of the desktop the built-in one stays.
        const QString empty = dir.filePath("empty.ini");
        writeAll(empty, "");
        SettingsFile emptyFile(empty);
        FirstStart::prepare(emptyFile);
        QCOMPARE(TagColourScheme::read(emptyFile), TagColourScheme::firstStartColours(false));
        QVERIFY(!emptyFile.hasKey("Qorvin*Plat", "Tname"));

        // An existing file keeps its own choices, absent keys included.
        const QString existing = dir.filePath("old.ini");
        writeAll(existing, "[Varnel]\nstate=max\n");
        SettingsFile old(existing);
        FirstStart::prepare(old, {QStringLiteral("Fixed Face"), 11, false});
        QVERIFY(!TagColourScheme::read(old).enabled(TagCategory::General));
        QVERIFY(!old.read(Keys::GutterOn));
        QVERIFY(!old.read(Keys::CurLine));
        QVERIFY(!old.hasKey("Qorvin*Plat", "Tname"));
        QCOMPARE(EditingOptions(old).tagCase(), TagCase::AsWritten);
        QVERIFY(!EditingOptions(old).autoIndent());
        for (const TextKey &key : {Keys::TagCase, Keys::Dde, Keys::CloseTr, Keys::CloseTd})
            QVERIFY2(!old.hasKey(key.section, key.name), key.name);
    }

    void spellingConfigFixUp()
    {
        QTemporaryDir dir;
        const QString cfg = dir.filePath("addict.cfg");
        const QByteArray tail(400, 'x');
        writeAll(cfg, "[addict]\r\nMain=REMOVEdict\\main.adm\r\nTwice=REMOVE and REMOVE\r\n"
                      "Long=REMOVE" +
                          tail + "\r\nplain line\r\nlast=REMOVE");
        StartupSteps::fixUpSpellingConfig(cfg, "/home/q");
        const QByteArray result = readAll(cfg);
        QCOMPARE(result, "[addict]\r\nMain=/home/q/dict\\main.adm\r\n"
                         "Twice=/home/q/ and REMOVE\r\nLong=/home/q/" +
                             tail.left(300) + "\r\nplain line\r\nlast=/home/q/");

        // No file, or nothing to replace: nothing is written.
        StartupSteps::fixUpSpellingConfig(dir.filePath("none.cfg"), "/home/q");
        QVERIFY(!QFile::exists(dir.filePath("none.cfg")));

        // A pipe of that name is left alone instead of holding up the start.
        const QString pipe = dir.filePath("pipe.cfg");
        QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
        StartupSteps::fixUpSpellingConfig(pipe, "/home/q");
        QVERIFY(QFileInfo(pipe).exists() && !QFileInfo(pipe).isFile());
    }

    void onlyTheTemporaryFilesOfThisRunAreDeleted()
    {
        QTemporaryDir dir;
        writeAll(dir.filePath("preview.tmp"), "a");
        writeAll(dir.filePath("page.htm"), "the user's page");
        const QString ini = dir.filePath("quillm.ini");
        // A stale or hand-edited list in the file names a page of the user's.
        writeAll(ini, "[CleanUp]\ncount=2\n1=" + dir.filePath("page.htm").toUtf8() +
                          "\n2=" + dir.filePath("preview.tmp").toUtf8() + "\n");
        SettingsFile settings(ini);
        TemporaryFiles temporary(settings);
        QVERIFY(temporary.add(dir.filePath("preview.tmp")));
        // Only a file that is there as written is registered: a folder is never deleted.
        QVERIFY(!temporary.add(dir.filePath("gone.tmp")));
        QVERIFY(!temporary.add(dir.path()));
        QCOMPARE(temporary.paths().size(), 1);
        // Already listed: not listed twice.
        QCOMPARE(settings.read(Keys::CleanUpCount), 2);
        temporary.deleteAll();
        QVERIFY(!QFile::exists(dir.filePath("preview.tmp")));
        QCOMPARE(readAll(dir.filePath("page.htm")), QByteArray("the user's page"));
        QVERIFY(QFileInfo(dir.path()).isDir());
        QVERIFY(temporary.paths().isEmpty());
    }

    // A page the user saved under a temporary file's name is the user's: left at exit.
    void aTemporaryFileReplacedSinceItWasWrittenIsLeftAlone()
    {
        QTemporaryDir dir;
        SettingsFile settings(dir.filePath("quillm.ini"));
        TemporaryFiles temporary(settings);
        const QString replaced = dir.filePath("replaced.htm");
        const QString rewritten = dir.filePath("rewritten.htm");
        const QString kept = dir.filePath("kept.htm");
        for (const QString &path : {replaced, rewritten, kept}) {
            writeAll(path, "preview");
            QVERIFY(temporary.add(path, QByteArray("preview")));
            QVERIFY(temporary.isUnchanged(path));
        }
        // Saved over by rename (a new inode), and written in place with the same size.
        writeAll(dir.filePath("new"), "my page");
        QVERIFY(::rename(QFile::encodeName(dir.filePath("new")).constData(),
                         QFile::encodeName(replaced).constData()) == 0);
        QFile in(rewritten);
        QVERIFY(in.open(QIODevice::ReadWrite));
        in.write("PREVIEW");
        in.close();
        QVERIFY(!temporary.isUnchanged(replaced));
        QVERIFY(!temporary.isUnchanged(rewritten));
        temporary.deleteAll();
        QCOMPARE(readAll(replaced), QByteArray("my page"));
        QCOMPARE(readAll(rewritten), QByteArray("PREVIEW"));
        QVERIFY(!QFile::exists(kept));
    }

    // A count in the file is never walked as it stands.
    void aHugeCleanUpCountCostsNothing()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath("quillm.ini");
        writeAll(ini, "[CleanUp]\ncount=2147483647\n");
        SettingsFile settings(ini);
        TemporaryFiles temporary(settings);
        writeAll(dir.filePath("p.htm"), "x");
        QVERIFY(temporary.add(dir.filePath("p.htm"), QByteArray("x")));
        QVERIFY(temporary.contains(dir.filePath("p.htm")));
        writeAll(ini, "[CleanUp]\ncount=-5\n");
        SettingsFile again(ini);
        TemporaryFiles second(again);
        QVERIFY(second.add(dir.filePath("p.htm"), QByteArray("x")));
        QCOMPARE(again.readString("CleanUp", "1"), dir.filePath("p.htm"));
        QCOMPARE(again.read(Keys::CleanUpCount), 1);
    }

    // Hand-edited or stale window places never put a window off the screen.
    void windowPlacesAreClampedToTheScreen_data()
    {
        QTest::addColumn<QRect>("stored");
        QTest::addColumn<QRect>("expected");
        const QRect screen(0, 0, 1920, 1080);
        QTest::newRow("sane") << QRect(100, 50, 800, 600) << QRect(100, 50, 800, 600);
        QTest::newRow("far off") << QRect(-90000, 99999, 800, 600) << QRect(0, 480, 800, 600);
        QTest::newRow("huge") << QRect(10, 10, 2147483, 999999) << screen;
        QTest::newRow("negative size")
            << QRect(10, 10, -5, 0)
            << QRect(10, 10, WindowPlace::MinimumSide, WindowPlace::MinimumSide);
        QTest::newRow("hanging over the edge")
            << QRect(1800, 1000, 400, 300) << QRect(1520, 780, 400, 300);
    }
    void windowPlacesAreClampedToTheScreen()
    {
        QFETCH(QRect, stored);
        QFETCH(QRect, expected);
        QCOMPARE(WindowPlace::clamped(stored, QRect(0, 0, 1920, 1080)), expected);
        // A screen offset from the origin, and an unknown one.
        QVERIFY(QRect(1920, 0, 1280, 1024)
                    .contains(WindowPlace::clamped(stored, QRect(1920, 0, 1280, 1024))));
        QCOMPARE(WindowPlace::clamped(stored, QRect()), stored);
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
