#include "base/homefolder.h"
#include "base/settingsfile.h"
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
        writeAll(home.file("readme"), "the user's own");
        home.copyShippedData(dir.filePath("shipped"));
        QCOMPARE(readAll(home.file("library/chars")), QByteArray("shipped"));
        QCOMPARE(readAll(home.file("readme")), QByteArray("the user's own"));
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

    void handOverOfTheCommandLineFile()
    {
        QTemporaryDir dir;
        SettingsFile settings(dir.filePath("quillm.ini"));
        ScriptedPrompter prompter;
        writeAll(dir.filePath("my page.htm"), "<p>");

        StartupSteps::handOver(settings, prompter, "my page.htm", dir.path());
        QCOMPARE(settings.read(Keys::Hello), dir.filePath("my page.htm"));
        QVERIFY(prompter.shown.isEmpty());

        for (const QString &bad : {QString("missing.htm"), dir.path()}) {
            settings.write(Keys::Hello, "stale");
            StartupSteps::handOver(settings, prompter, bad, dir.path());
            QCOMPARE(settings.read(Keys::Hello), QString());
            QCOMPARE(prompter.shown.takeLast(), bad + " could not be opened");
        }

        settings.write(Keys::Hello, "kept");
        StartupSteps::handOver(settings, prompter, QString(), dir.path());
        QCOMPARE(settings.read(Keys::Hello), QString("kept"));
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

    void firstStartColoursOnlyANewFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("quillm.ini");
        SettingsFile fresh(path);
        FirstStart::prepare(fresh);
        const TagColourScheme scheme = TagColourScheme::read(fresh);
        for (int c = 1; c <= TagCategoryCount; ++c)
            QVERIFY(scheme.enabled(TagCategory(c)));

        // An existing file whose colours are absent keeps colouring nothing.
        const QString existing = dir.filePath("old.ini");
        writeAll(existing, "[Varnel]\nstate=max\n");
        SettingsFile old(existing);
        FirstStart::prepare(old);
        QVERIFY(!TagColourScheme::read(old).enabled(TagCategory::General));
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
    }

    void temporaryFilesDeletedAtTheEnd()
    {
        QTemporaryDir dir;
        writeAll(dir.filePath("a.tmp"), "a");
        writeAll(dir.filePath("keep.htm"), "k");
        SettingsFile settings(dir.filePath("quillm.ini"));
        settings.writeInt("CleanUp", "count", 3);
        settings.writeString("CleanUp", "1", dir.filePath("a.tmp"));
        settings.writeString("CleanUp", "2", dir.filePath("gone.tmp"));
        settings.writeString("CleanUp", "3", dir.path()); // a folder is never deleted
        StartupSteps::deleteTemporaryFiles(settings);
        QVERIFY(!QFile::exists(dir.filePath("a.tmp")));
        QVERIFY(QFile::exists(dir.filePath("keep.htm")));
        QVERIFY(QFileInfo(dir.path()).isDir());
        QVERIFY(settings.hasKey("CleanUp", "1")); // the list stays until the next start

        // A hand-edited count reads no more entries than the section holds.
        writeAll(dir.filePath("b.tmp"), "b");
        settings.writeInt("CleanUp", "count", 2000000000);
        settings.writeString("CleanUp", "1", dir.filePath("b.tmp"));
        StartupSteps::deleteTemporaryFiles(settings);
        QVERIFY(!QFile::exists(dir.filePath("b.tmp")));
    }

    void dateLabel()
    {
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        QCOMPARE(StartupSteps::dateLabelText(QDate(2026, 12, 8), us),
                 "Tuesday, " + us.toString(QDate(2026, 12, 8), QLocale::ShortFormat) + "  ");
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
