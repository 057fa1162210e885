#include "help/helpindex.h"
#include "help/helptopics.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString Shipped = QStringLiteral(QM_SOURCE_DATA_DIR "/help");

QString readPage(const QString &file)
{
    QFile f(QDir(Shipped).filePath(file));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QStringList files(const QList<HelpIndex::Hit> &hits)
{
    QStringList names;
    for (const HelpIndex::Hit &hit : hits)
        names << QString::fromLatin1(hit.page->file);
    return names;
}

} // namespace

class TestHelpIndex : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The shipped pages and the table agree: each page is there, under the title the
    // contents list, every link leads to a page of the table, and no page is left out.
    void tableAndShippedPagesAgree()
    {
        const QRegularExpression title(QStringLiteral("<title>([^<]*)</title>"));
        const QRegularExpression link(QStringLiteral("href=\"([^\"#]+)"));
        QSet<QString> listed;
        QSet<int> topics;
        for (const HelpPage &page : HelpPages::all()) {
            const QString file = QString::fromLatin1(page.file);
            QVERIFY2(!listed.contains(file), page.file);
            listed << file;
            QVERIFY2(page.topic == HelpTopic::None || !topics.contains(page.topic), page.file);
            topics << page.topic;
            if (page.generated)
                continue;
            const QString html = readPage(file);
            QVERIFY2(!html.isEmpty(), page.file);
            QCOMPARE(title.match(html).captured(1), QString::fromUtf8(page.title));
            for (auto it = link.globalMatch(html); it.hasNext();) {
                const QString target = it.next().captured(1);
                QVERIFY2(HelpPages::byFile(target), qPrintable(file + " links to " + target));
            }
        }
        const QStringList onDisk = QDir(Shipped).entryList({"*.html"}, QDir::Files);
        for (const QString &file : onDisk)
            QVERIFY2(listed.contains(file), qPrintable(file + " is missing from the table"));
        QVERIFY(HelpPages::byFile(QString::fromLatin1(HelpPages::ContentsFile)));
    }

    void topicsLeadToTheirPages()
    {
        QCOMPARE(QString(HelpPages::byTopic(HelpTopic::ImageHelper)->file), "imagehelper.html");
        QCOMPARE(QString(HelpPages::byTopic(27)->file), "findreplace.html");
        QCOMPARE(QString(HelpPages::byTopic(34)->file), "toolbar.html");
        QCOMPARE(QString(HelpPages::byTopic(36)->file), "prefs-locations.html");
        QVERIFY(!HelpPages::byTopic(HelpTopic::None));
        QVERIFY(!HelpPages::byTopic(999));
    }

    void plainTextLeavesOutMarkup()
    {
        QCOMPARE(HelpIndex::plainText("<p>An <code>&lt;IMG&gt;</code>\n tag<!-- not <b>this</b> "
                                      "--> &amp; &#233;t&eacute;</p>"),
                 QString::fromUtf8("An <IMG> tag & \u00e9t&eacute;"));
    }

    // Every word must be on a page; case does not matter; a word in the title ranks first.
    void searchFindsPagesWithEveryWord()
    {
        HelpIndex index(Shipped);
        QVERIFY(index.search(QStringLiteral("   ")).isEmpty());
        QVERIFY(index.search(QStringLiteral("zyxwvut")).isEmpty());
        const QStringList image = files(index.search(QStringLiteral("ALT text")));
        QVERIFY(image.contains("imagehelper.html"));
        const QStringList both = files(index.search(QStringLiteral("alt zyxwvut")));
        QVERIFY(both.isEmpty());
        const QStringList replace = files(index.search(QStringLiteral("replace")));
        QVERIFY(!replace.isEmpty());
        QCOMPARE(replace.first(), "findreplace.html");
        QVERIFY(index.unreadable().isEmpty());
    }

    // A page that cannot be read is named with its reason; the others are still searched.
    void unreadablePagesAreReported()
    {
        QTemporaryDir dir;
        QFile page(dir.filePath("imagehelper.html"));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<title>Image Helper</title><p>Pictures go in with an IMG tag.</p>");
        page.close();
        QDir().mkpath(dir.filePath("toolbar.html"));
        HelpIndex index(dir.path());
        QCOMPARE(files(index.search("pictures img")), QStringList{"imagehelper.html"});
        const QStringList problems = index.unreadable();
        const auto generated = std::count_if(HelpPages::all().begin(), HelpPages::all().end(),
                                             [](const HelpPage &p) { return p.generated; });
        QCOMPARE(problems.size(), qsizetype(HelpPages::all().size() - 1 - generated));
        const auto toolbar = std::find_if(problems.begin(), problems.end(), [](const QString &p) {
            return p.startsWith(QLatin1String("toolbar.html: "));
        });
        QVERIFY(toolbar != problems.end());
        QVERIFY(toolbar->size() > int(strlen("toolbar.html: ")));
    }
};

QTEST_GUILESS_MAIN(TestHelpIndex)
#include "tst_helpindex.moc"
