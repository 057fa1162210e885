// Finding the files a page names, where they are looked for, their sizes and the times.
#include "downloadtime/downloadestimate.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace DownloadEstimate;

class TestDownloadEstimate : public QObject
{
    Q_OBJECT

    static void write(const QString &path, qsizetype bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(bytes, 'x'));
    }

private Q_SLOTS:
    void referencesInPageOrder()
    {
        // Per line the background values come before the src values; only double-quoted
        // values written straight after the equals sign count.
        const QString page =
            QStringLiteral("<img SRC=\"a.gif\"><body background=\"bg.jpg\">\n"
                           "<img src='single.gif'><img src=bare.gif><img src = \"spaced.gif\">\n"
                           "<img src=\"a.gif\"><script src=\"s.js\"></script><img src=\"open.gif\n"
                           "<td Background=\"cell.png\">");
        QCOMPARE(references(page), (QStringList{"bg.jpg", "a.gif", "a.gif", "s.js", "cell.png"}));
        QVERIFY(references(QString()).isEmpty());
    }

    void resolvingReferences()
    {
        const QString folder = QStringLiteral("/web/site");
        QCOMPARE(resolve("a.gif", folder), QStringLiteral("/web/site/a.gif"));
        QCOMPARE(resolve("img/a.gif", folder), QStringLiteral("/web/site/img/a.gif"));
        QCOMPARE(resolve("img\\a.gif", folder), QStringLiteral("/web/site/img/a.gif"));
        QCOMPARE(resolve("../pics/a.gif", folder), QStringLiteral("/web/pics/a.gif"));
        QCOMPARE(resolve("/abs/a.gif", folder), QStringLiteral("/abs/a.gif"));
        QCOMPARE(resolve("file:///abs/my%20a.gif", folder), QStringLiteral("/abs/my a.gif"));
        QCOMPARE(resolve("my%20pic.gif?v=2#top", folder), QStringLiteral("/web/site/my pic.gif"));
        QCOMPARE(resolve("http://example.com/a.gif", folder), QString());
        QCOMPARE(resolve("//example.com/a.gif", folder), QString());
        QCOMPARE(resolve("a.gif", QString()), QString()); // a page never saved
        QCOMPARE(fileName("../img/b.gif?x=1"), QStringLiteral("b.gif"));
        QCOMPARE(fileName("http://example.com/"), QString());
        QCOMPARE(fileName("img/Logo%20Big.gif"), QStringLiteral("Logo Big.gif"));
    }

    void measuringFiles()
    {
        QTemporaryDir dir;
        write(dir.filePath("site/a.gif"), 1000);
        write(dir.filePath("up.png"), 300);
        write(dir.filePath("site/locked.gif"), 50);
        QFile(dir.filePath("site/locked.gif")).setPermissions(QFileDevice::WriteOwner);
        const bool canLock = !QFileInfo(dir.filePath("site/locked.gif")).isReadable();
        const QString page =
            QStringLiteral("<img src=\"a.gif\"><img src=\"a.gif\"><img src=\"../up.png\">\n"
                           "<img src=\"gone.gif\"><img src=\"http://example.com/w.gif\">"
                           "<img src=\"locked.gif\"><a href=\"x.htm\"><img src=\"img/\">");
        const QList<FileRow> rows = measure("page.htm", 77, page, dir.filePath("site"));
        QCOMPARE(rows.size(), 7);
        QCOMPARE(rows[0].name, QStringLiteral("page.htm"));
        QCOMPARE(rows[0].size, 77);
        QCOMPARE(rows[1].size, 1000);
        QCOMPARE(rows[2].size, 1000); // named twice, counted twice
        QCOMPARE(rows[3].name, QStringLiteral("up.png"));
        QCOMPARE(rows[3].size, 300);
        QCOMPARE(rows[4].state, FileState::Missing);
        QCOMPARE(rows[4].size, -1);
        QCOMPARE(rows[5].name, QStringLiteral("w.gif"));
        QCOMPARE(rows[5].state, FileState::Missing);
        if (canLock)
            QCOMPARE(rows[6].state, FileState::Unreadable);
        QCOMPARE(totalSize(rows), canLock ? 2377 : 2427);
    }

    void timesAndSizes()
    {
        QCOMPARE(timeText(0, 1440, true), QStringLiteral("0:00:00"));
        QCOMPARE(timeText(14, 1440, true), QStringLiteral("0:00:00")); // below a hundredth
        QCOMPARE(timeText(120 * 1440, 1440, true), QStringLiteral("0:02:00"));
        QCOMPARE(timeText(3700 * 1440, 1440, true), QStringLiteral("1:01:40"));
        QCOMPARE(timeText(100 * 3600 * 1440, 1440, true), QStringLiteral("100:00:00"));
        // 59.6 seconds: rounded in the rows (carrying into the minutes), cut in the totals.
        QCOMPARE(timeText(596, 10, true), QStringLiteral("0:01:00"));
        QCOMPARE(timeText(596, 10, false), QStringLiteral("0:00:59"));
        QCOMPARE(lineSpeeds().size(), size_t(11));
        QCOMPARE(lineSpeeds().back().bytesPerSecond, 4470000);
        QCOMPARE(sizeLines(1234567), (QStringList{"1.2", "1,205.6", "1,234,567"}));
        QCOMPARE(sizeLines(0), (QStringList{"0.0", "0.0", "0"}));
    }
};

QTEST_GUILESS_MAIN(TestDownloadEstimate)
#include "tst_downloadestimate.moc"
