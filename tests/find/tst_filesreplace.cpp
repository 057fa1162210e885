#include "find/filesreplace.h"
#include "find/replacelist.h"
#include "testfiles.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

// An old modification time, so that a file written again would show it.
void backdate(const QString &path)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6)),
                          QFileDevice::FileModificationTime));
}

QDateTime modified(const QString &path)
{
    return QFileInfo(path).fileTime(QFileDevice::FileModificationTime);
}

ReplaceSummary runToEnd(FilesReplaceRun &run)
{
    QSignalSpy done(&run, &FilesReplaceRun::finished);
    run.start();
    if (done.isEmpty() && !done.wait(20000))
        return {};
    return done.first().first().value<ReplaceSummary>();
}

} // namespace

class TestFilesReplace : public QObject
{
    Q_OBJECT

private slots:
    void changesOnlyFilesWithHits();
    void reportsFilesItCannotChangeAndGoesOn();
    void processesEachFileOnce();
    void cancelLeavesEveryFileWholeAndListsWhatWasDone();
    void listAddsPagesAndProjectEntries();
    void listRefusesOpenFiles();
};

void TestFilesReplace::changesOnlyFilesWithHits()
{
    QTemporaryDir dir;
    const QString hit = dir.filePath("a/hit.htm");
    const QString none = dir.filePath("a/b/none.html");
    TestFiles::writeFile(hit, "<p>Old</p>\r\n<p>old</p>\r\n");
    TestFiles::writeFile(none, "<p>nothing</p>\n");
    QVERIFY(QFile::setPermissions(hit, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    backdate(hit);
    backdate(none);
    const QDateTime untouched = modified(none);

    FilesReplaceRun run({hit, none}, {"old", "new", false, false});
    QSignalSpy progress(&run, &FilesReplaceRun::progress);
    const ReplaceSummary summary = runToEnd(run);

    QCOMPARE(contents(hit), QByteArray("<p>new</p>\r\n<p>new</p>\r\n"));
    QCOMPARE(QFile::permissions(hit), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                          QFile::WriteUser | QFile::ReadGroup);
    QCOMPARE(contents(none), QByteArray("<p>nothing</p>\n"));
    QCOMPARE(modified(none), untouched);
    QCOMPARE(summary.replacements, 2);
    QCOMPARE(summary.changed.size(), 1);
    QCOMPARE(summary.changed.first().path, hit);
    QVERIFY(summary.failed.isEmpty());
    QVERIFY(!summary.cancelled);
    QCOMPARE(progress.size(), 2);
    QCOMPARE(progress.last(), QVariantList({2, 2}));
    QVERIFY(summary.text().startsWith(QLatin1String("2 replacements in 1 of 2 files.")));
    QVERIFY(summary.text().contains(hit + QLatin1String(" (2)")));
}

void TestFilesReplace::reportsFilesItCannotChangeAndGoesOn()
{
    QTemporaryDir dir;
    const QString readOnly = dir.filePath("locked.htm");
    const QString missing = dir.filePath("gone.htm");
    const QString folder = dir.filePath("folder.htm");
    const QString page1252 = dir.filePath("latin.htm");
    const QString fine = dir.filePath("fine.htm");
    TestFiles::writeFile(readOnly, "old");
    QVERIFY(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadUser));
    QVERIFY(QDir().mkpath(folder));
    TestFiles::writeFile(page1252, "caf\xE9 old");
    TestFiles::writeFile(fine, "old");

    FilesReplaceRun run({readOnly, missing, folder, page1252, fine},
                        {"old", QString::fromUtf8("€ 日本"), false, false});
    const ReplaceSummary summary = runToEnd(run);

    QCOMPARE(contents(fine), QByteArray("\xE2\x82\xAC \xE6\x97\xA5\xE6\x9C\xAC"));
    QCOMPARE(contents(readOnly), QByteArray("old"));
    QCOMPARE(contents(page1252), QByteArray("caf\xE9 old"));
    QCOMPARE(summary.changed.size(), 1);
    QCOMPARE(summary.failed.size(), 4);
    const QString text = summary.text();
    QVERIFY2(text.contains(readOnly + QLatin1String(": the file is read-only")), qPrintable(text));
    QVERIFY(text.contains(missing + QLatin1String(": doesn't exist and can't be searched")));
    QVERIFY(text.contains(folder + QLatin1String(": it is a folder")));
    QVERIFY(text.contains(page1252 + QLatin1String(": the page is in Windows-1252")));
}

void TestFilesReplace::processesEachFileOnce()
{
    QTemporaryDir dir;
    const QString page = dir.filePath("page.htm");
    const QString link = dir.filePath("link.htm");
    TestFiles::writeFile(page, "a");
    QVERIFY(QFile::link(page, link));
    // Each pass would double the text again.
    FilesReplaceRun run({page, dir.filePath("./page.htm"), link, page}, {"a", "aa", false, false});
    QCOMPARE(run.total(), 1);
    const ReplaceSummary summary = runToEnd(run);
    QCOMPARE(contents(page), QByteArray("aa"));
    QCOMPARE(summary.replacements, 1);
    QVERIFY(QFileInfo(link).isSymLink());
}

void TestFilesReplace::cancelLeavesEveryFileWholeAndListsWhatWasDone()
{
    QTemporaryDir dir;
    QByteArray page;
    for (int i = 0; i < 400; ++i)
        page += "<p>old line " + QByteArray::number(i) + "</p>\n";
    const QByteArray replaced = QByteArray(page).replace("old", "new");
    QStringList paths;
    for (int i = 0; i < 300; ++i) {
        paths << dir.filePath(QStringLiteral("p%1.htm").arg(i));
        TestFiles::writeFile(paths.last(), page);
    }

    FilesReplaceRun run(paths, {"old", "new", false, false}, 1);
    connect(&run, &FilesReplaceRun::progress, &run, &FilesReplaceRun::cancel);
    const ReplaceSummary summary = runToEnd(run);

    QVERIFY(summary.cancelled);
    QVERIFY(!summary.notReached.isEmpty());
    QCOMPARE(summary.changed.size() + summary.notReached.size(), paths.size());
    QStringList changed;
    for (const FileReplaceResult &r : summary.changed)
        changed << r.path;
    for (const QString &path : paths) {
        const QByteArray now = contents(path);
        QCOMPARE(now, changed.contains(path) ? replaced : page);
    }
    QVERIFY(summary.text().contains(
        QStringLiteral("Cancelled: %1 files were not searched.").arg(summary.notReached.size())));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), paths.size()); // no leftovers
}

void TestFilesReplace::listAddsPagesAndProjectEntries()
{
    const QStringList entries = {"/p/one.htm", "/p/two.htm"};
    ReplaceList list(nullptr, [&](const QString &project) {
        return project == QLatin1String("/p/site.qpj") ? entries : QStringList();
    });
    list.addOne("/x/first.htm");
    list.addOne("/p/site.qpj");
    QCOMPARE(list.paths(), QStringList({"/p/one.htm", "/p/two.htm", "/x/first.htm"}));
    list.addOne("/p/site.QPJ");
    list.addOne("/p/site.qpj");
    list.addOne("/x/first.htm");
    QCOMPARE(list.paths().size(), 3);

    list.clear();
    list.addOne("/x/old.htm");
    list.addAll({"/x/a.htm", "/p/site.qpj", "/x/b.htm", "/x/old.htm"});
    QCOMPARE(list.paths(),
             QStringList({"/x/a.htm", "/p/one.htm", "/p/two.htm", "/x/b.htm", "/x/old.htm"}));
    list.removeAt(0);
    list.removeAt(99);
    QCOMPARE(list.paths().first(), QStringLiteral("/p/one.htm"));

    // Without a way to read projects, a project adds nothing and says so.
    ReplaceList noProjects(nullptr, nullptr);
    const ReplaceList::Added added = noProjects.addAll({"/x/a.htm", "/p/site.qpj"});
    QCOMPARE(noProjects.paths(), QStringList({"/x/a.htm"}));
    QCOMPARE(added.unreadProjects, QStringList({"/p/site.qpj"}));
}

void TestFilesReplace::listRefusesOpenFiles()
{
    const auto isOpen = [](const QString &path) { return path.startsWith(QLatin1String("/open")); };
    ReplaceList list(isOpen, [](const QString &) {
        return QStringList({"/open/a.htm", "/x/b.htm"});
    });
    QCOMPARE(list.addOne("/open/page.htm").openLine, QStringLiteral("/open/page.htm"));
    QCOMPARE(list.addOne("/p/site.qpj").openLine,
             QStringLiteral("At least one of your project files"));
    QCOMPARE(list.addAll({"/open/c.htm", "/x/d.htm"}).openLine,
             QStringLiteral("At least one of your chosen files"));
    QCOMPARE(list.addAll({"/x/e.htm"}).openLine, QString());
    QCOMPARE(list.paths(), QStringList({"/x/e.htm", "/x/d.htm", "/x/b.htm"}));
}

QTEST_GUILESS_MAIN(TestFilesReplace)
#include "tst_filesreplace.moc"
