#include "base/filebytes.h"
#include "base/settingsfile.h"
#include "files/filedialogstate.h"
#include "files/filenamerules.h"
#include "files/printlayout.h"
#include "files/recentfiles.h"
#include "shell/commandline.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

// The file commands' rules that need no window: names, filters, dialog folders, the
// recent-files list, byte-exact files and the printed page's layout.
class TestFileRules : public QObject
{
    Q_OBJECT

private:
    static QByteArray readAll(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }
    static void writeAll(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

private Q_SLOTS:
    void saveAsExtension_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("defext");
        QTest::addColumn<QString>("written");
        QTest::newRow("no extension gets .htm") << "/d/page"
                                                << ""
                                                << "/d/page.htm";
        QTest::newRow("defext html gets .html") << "/d/page"
                                                << "html"
                                                << "/d/page.html";
        QTest::newRow("other defext values mean .htm") << "/d/page"
                                                       << "HTML"
                                                       << "/d/page.htm";
        QTest::newRow("final dot means no extension") << "/d/page."
                                                      << "html"
                                                      << "/d/page";
        QTest::newRow("own extension kept") << "/d/page.txt"
                                            << "html"
                                            << "/d/page.txt";
        QTest::newRow("dot in a folder is no extension") << "/d.x/page"
                                                         << ""
                                                         << "/d.x/page.htm";
    }
    void saveAsExtension()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, defext);
        QFETCH(QString, written);
        QCOMPARE(FileNameRules::saveAsName(chosen, defext), written);
    }

    void projectFilesAnyCase()
    {
        QVERIFY(FileNameRules::isProjectFile("/a/b.QPJ"));
        QVERIFY(!FileNameRules::isProjectFile("/a/qpj.htm"));
    }

    void filterConversion_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("qt");
        QTest::newRow("open dialog") << FileDialogState::OpenFilter
                                     << "Quillmark files (*.htm* *.qpj);;HTML files (*.htm*);;"
                                        "Project files (*.qpj);;All files (*)";
        QTest::newRow("save dialog")
            << FileDialogState::SaveFilter << "HTML Files (*.htm*);;Any File (*)";
        QTest::newRow("user list with blanks and parentheses")
            << " Pages (web) | *.htm ; *.php |Text|*.txt"
            << "Pages [web] (*.htm *.php);;Text (*.txt)";
        QTest::newRow("description without patterns dropped") << "A|*.a|B|"
                                                              << "A (*.a)";
        QTest::newRow("nothing usable") << "just words"
                                        << "";
    }
    void filterConversion()
    {
        QFETCH(QString, stored);
        QFETCH(QString, qt);
        QCOMPARE(FileNameRules::qtFilter(stored), qt);
    }

    void dialogsShareOneFolder()
    {
        QTemporaryDir dir;
        SettingsFile settings(dir.filePath("quillm.ini"));
        const QString docs = dir.filePath("docs");
        QDir().mkpath(docs);
        FileDialogState state;

        // A documents folder that does not exist is ignored.
        settings.write(Keys::DataFolder, dir.filePath("missing"));
        state.start(settings, dir.path());
        QCOMPARE(state.folder(), dir.path());

        settings.write(Keys::DataFolder, docs);
        state.start(settings, dir.path());
        QCOMPARE(state.folder(), docs);
        state.chosen("/srv/www/site/index.htm");
        QCOMPARE(state.folder(), QString("/srv/www/site"));
        state.prepare(settings, dir.path(), false);
        QCOMPARE(state.folder(), QString("/srv/www/site"));
        state.prepare(settings, dir.path(), true); // Shift held
        QCOMPARE(state.folder(), docs);

        QCOMPARE(state.saveFilter(), QString("HTML Files (*.htm*);;Any File (*)"));
        settings.write(Keys::YourFiles, "Mine|*.shtml");
        state.prepare(settings, dir.path(), false);
        QCOMPARE(state.openFilter(), QString("Mine (*.shtml)"));
        QCOMPARE(state.saveFilter(), QString("Mine (*.shtml)"));
        settings.write(Keys::YourFiles, "no pairs here");
        state.prepare(settings, dir.path(), false);
        QVERIFY(state.openFilter().startsWith("Quillmark files ("));
    }

    void recentFilesShiftAndMarker()
    {
        QTemporaryDir dir;
        SettingsFile settings(dir.filePath("quillm.ini"));
        RecentFiles recent(settings);
        for (int i = 1; i <= 16; ++i)
            recent.add(QString("/f/%1.htm").arg(i));
        // The newest on top, the oldest fallen off after fifteen.
        QCOMPARE(recent.slot(1), QString("/f/16.htm"));
        QCOMPARE(recent.slot(15), QString("/f/2.htm"));
        QVERIFY(!settings.hasKey("Oldies", "16"));

        // Adding a listed name moves it up and leaves the marker in its old place.
        recent.add("/f/10.htm");
        QCOMPARE(recent.slot(1), QString("/f/10.htm"));
        QCOMPARE(recent.slot(2), QString("/f/16.htm"));
        QCOMPARE(recent.slot(8), RecentFiles::Marker);
        QCOMPARE(recent.slot(9), QString("/f/9.htm"));
        QCOMPARE(recent.slot(15), QString("/f/3.htm"));
        // Names differing in letter case are different files here.
        recent.add("/F/9.HTM");
        QCOMPARE(recent.slot(10), QString("/f/9.htm"));
    }

    void recentFilesPruning()
    {
        QTemporaryDir dir;
        SettingsFile settings(dir.filePath("quillm.ini"));
        RecentFiles recent(settings);
        QCOMPARE(recent.shownCount(), 9);
        settings.write(Keys::Qrf, 3);
        QCOMPARE(recent.shownCount(), 3);
        for (const char *name : {"/f/5", "/f/4", "/f/3", "/f/2", "/f/1"})
            recent.add(name);
        const QStringList gone{"/f/2"};
        const auto exists = [&](const QString &p) { return !gone.contains(p); };
        QCOMPARE(recent.prunedEntries(exists), (QStringList{"/f/1", "/f/3", "/f/4"}));
        QCOMPARE(recent.slot(3), QString("/f/4"));
        QCOMPARE(recent.slot(4), QString()); // emptied behind the shown ones
        QCOMPARE(recent.slot(5), QString("/f/5"));

        // The marker names no file, even when the working folder holds one of that name.
        recent.add("/f/3");
        QCOMPARE(recent.slot(3), RecentFiles::Marker);
        const auto all = [](const QString &) { return true; };
        QCOMPARE(recent.prunedEntries(all), (QStringList{"/f/3", "/f/1", "/f/4"}));

        QCOMPARE(RecentFiles::menuCaption(2, "/a&b/x.htm"), QString("  &2 /a&&b/x.htm"));
        QCOMPARE(RecentFiles::menuCaption(10, "/x.htm"), QString("10 /x.htm"));

        // A name with a line break or a tab is kept exactly, and shown on one line.
        const QString odd = "/w/two\nlines\tand a \\n backslash.htm";
        recent.add(odd);
        QCOMPARE(recent.slot(1), odd);
        QCOMPARE(RecentFiles(settings).slot(1), odd);
        QCOMPARE(RecentFiles::menuCaption(1, odd),
                 QString("  &1 /w/two lines and a \\n backslash.htm"));
        // A long one is shortened in the middle, its file name kept.
        const QString longName = "/" + QString(300, u'd') + "/page.htm";
        const QString caption = RecentFiles::menuCaption(3, longName);
        QVERIFY(caption.size() < 100);
        QVERIFY(caption.endsWith("/page.htm"));
    }

    void bytesSurviveReadAndWrite_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("crlf") << QByteArray("<p>a</p>\r\n<p>b</p>\r\n");
        QTest::newRow("nul bytes and no final break") << QByteArray("a\0b\0", 4);
        QByteArray high;
        for (int b = 0x80; b <= 0xFF; ++b)
            high += char(b);
        QTest::newRow("every high byte") << high;
    }
    void bytesSurviveReadAndWrite()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath("f.htm");
        QString reason;
        QVERIFY(FileBytes::write(path, bytes, &reason));
        QByteArray back;
        QVERIFY(FileBytes::read(path, &back, &reason));
        QCOMPARE(back, bytes);
    }

    void failedWritesLeaveTheOldFileAndSayWhy()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("page.htm");
        writeAll(path, "old");
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                        QFileDevice::ReadGroup | QFileDevice::ReadOther |
                                        QFileDevice::ExeOwner);
        QString reason;
        QVERIFY(FileBytes::write(path, "new", &reason));
        QCOMPARE(readAll(path), QByteArray("new"));
        QVERIFY(QFile::permissions(path) & QFileDevice::ExeOwner); // permissions kept
        QVERIFY(!(QFile::permissions(path) & QFileDevice::WriteGroup));

        // A folder in the way, and a path under a file.
        QDir(dir.path()).mkdir("folder.htm");
        QVERIFY(!FileBytes::write(dir.filePath("folder.htm"), "x", &reason));
        QVERIFY(!reason.isEmpty());
        QVERIFY(QFileInfo(dir.filePath("folder.htm")).isDir());
        reason.clear();
        QVERIFY(!FileBytes::write(path + "/under.htm", "x", &reason));
        QVERIFY(!reason.isEmpty());
        QCOMPARE(readAll(path), QByteArray("new"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"page.htm"});

        QByteArray bytes;
        QVERIFY(!FileBytes::read(dir.filePath("folder.htm"), &bytes, &reason));
        QVERIFY(!FileBytes::read(dir.filePath("missing.htm"), &bytes, &reason));
        QCOMPARE(reason, QString("the file does not exist"));

        // A folder we may not write in: the file itself is written in place.
        if (geteuid() == 0)
            QSKIP("a read-only folder does not stop the superuser (tst_filebytes covers it as "
                  "the user nobody)");
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const bool written = FileBytes::write(path, "newer", &reason);
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner);
        QVERIFY2(written, qPrintable(reason));
        QCOMPARE(readAll(path), QByteArray("newer"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"page.htm"});
    }

    void lineEndingOfTheFirstBreak_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("ending");
        using E = FileBytes::LineEnding;
        QTest::newRow("none: a new document's") << QByteArray("abc") << int(E::CrLf);
        QTest::newRow("crlf") << QByteArray("a\r\nb\n") << int(E::CrLf);
        QTest::newRow("lf first in a mix") << QByteArray("a\nb\r\n") << int(E::Lf);
        QTest::newRow("cr") << QByteArray("a\rb\r") << int(E::Cr);
        QTest::newRow("cr at the very end") << QByteArray("a\r") << int(E::Cr);
    }
    void lineEndingOfTheFirstBreak()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, ending);
        QCOMPARE(int(FileBytes::detectLineEnding(bytes)), ending);
    }

    void printedPageLayout()
    {
        // A4 at 600 dpi.
        const PrintLayout layout = PrintLayout::forPage(QSize(4960, 7016), 600, 600);
        QCOMPARE(layout.header, QPoint(300, 300));
        QCOMPARE(layout.body.left(), 300);
        QCOMPARE(layout.body.top(), 600);
        QCOMPARE(layout.body.width(), 4960 - 1200);
        QCOMPARE(layout.body.bottom() + 1, 7016 - 300);
        // A label too narrow for the margins still gets a column of text.
        const PrintLayout small = PrintLayout::forPage(QSize(300, 300), 100, 100);
        QVERIFY(small.body.width() > 0 && small.body.height() > 0);
    }

    void commandLineFiles()
    {
        QTemporaryDir dir;
        writeAll(dir.filePath("a.htm"), "a");
        writeAll(dir.filePath("b.htm"), "b");
        writeAll(dir.filePath("my page.htm"), "c");
        const auto files = [&](const QStringList &words) {
            return CommandLine::parse(words).fileNames(dir.path());
        };
        QCOMPARE(files({}), QStringList());
        // The joined name comes first.
        QCOMPARE(files({"my", "page.htm"}), QStringList{"my page.htm"});
        QCOMPARE(files({"a.htm", dir.filePath("b.htm")}),
                 (QStringList{"a.htm", dir.filePath("b.htm")}));
        // Not every word is a file: each word stands alone, so that the others still open and
        // the missing one is reported by itself.
        QCOMPARE(files({"a.htm", "c.htm"}), (QStringList{"a.htm", "c.htm"}));
    }
};

QTEST_GUILESS_MAIN(TestFileRules)
#include "tst_filerules.moc"
