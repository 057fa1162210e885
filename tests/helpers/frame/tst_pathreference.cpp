#include "helpers/frame/pathreference.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// The path rule on real files in a temporary folder: relative from the page's folder, a file
// URL, or the bare name; letter case kept, what a URL cannot hold percent-encoded.
class TestPathReference : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &relative) const
    {
        return relative.isEmpty() ? QString() : m_dir.path() + u'/' + relative;
    }
    void touch(const QString &relative)
    {
        const QString full = path(relative);
        QDir().mkpath(QFileInfo(full).absolutePath());
        QFile f(full);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    // The file URL of a file in the temporary folder, with the tail already encoded.
    QString url(const QString &encodedTail) const
    {
        return QUrl::fromLocalFile(m_dir.path()).toString(QUrl::FullyEncoded) + u'/' + encodedTail;
    }

private Q_SLOTS:
    void threeForms_data()
    {
        QTest::addColumn<QString>("document"); // relative to the folder; empty: unsaved
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("relative");
        QTest::addColumn<QString>("bare");
        QTest::addColumn<QString>("absoluteTail"); // encoded, after the folder's URL

        QTest::newRow("sibling folder") << "web/site/page.htm"
                                        << "web/img/a.gif"
                                        << "../img/a.gif"
                                        << "a.gif"
                                        << "web/img/a.gif";
        QTest::newRow("same folder") << "web/page.htm"
                                     << "web/a.gif"
                                     << "a.gif"
                                     << "a.gif"
                                     << "web/a.gif";
        QTest::newRow("subfolder") << "web/page.htm"
                                   << "web/img/a.gif"
                                   << "img/a.gif"
                                   << "a.gif"
                                   << "web/img/a.gif";
        QTest::newRow("two levels up") << "a/b/c/page.htm"
                                       << "a/x.png"
                                       << "../../x.png"
                                       << "x.png"
                                       << "a/x.png";
        QTest::newRow("folders differing only in case") << "Web/page.htm"
                                                        << "web/a.gif"
                                                        << "../web/a.gif"
                                                        << "a.gif"
                                                        << "web/a.gif";
        QTest::newRow("letter case kept") << "site/page.htm"
                                          << "site/Img/Photo.JPG"
                                          << "Img/Photo.JPG"
                                          << "Photo.JPG"
                                          << "site/Img/Photo.JPG";
        QTest::newRow("blanks") << "site/page.htm"
                                << "site/my pics/a b.gif"
                                << "my%20pics/a%20b.gif"
                                << "a%20b.gif"
                                << "site/my%20pics/a%20b.gif";
        QTest::newRow("# and ?") << "site/page.htm"
                                 << "site/a#1?.gif"
                                 << "a%231%3F.gif"
                                 << "a%231%3F.gif"
                                 << "site/a%231%3F.gif";
        QTest::newRow("percent, ampersand, apostrophe") << "site/page.htm"
                                                        << "site/50% & Tom's.png"
                                                        << "50%25%20%26%20Tom%27s.png"
                                                        << "50%25%20%26%20Tom%27s.png"
                                                        << "site/50%25%20%26%20Tom%27s.png";
        QTest::newRow("non-ASCII letters") << "site/page.htm"
                                           << "site/bilder/café €.gif"
                                           << "bilder/caf%C3%A9%20%E2%82%AC.gif"
                                           << "caf%C3%A9%20%E2%82%AC.gif"
                                           << "site/bilder/caf%C3%A9%20%E2%82%AC.gif";
        QTest::newRow("colon in the first segment") << "site/page.htm"
                                                    << "site/c:x.gif"
                                                    << "./c:x.gif"
                                                    << "./c:x.gif"
                                                    << "site/c:x.gif";
        const QString longName = QString(120, u'n');
        QTest::newRow("no length cut")
            << "a/b/page.htm"
            << "x/" + longName + "/" + longName + "/" + longName + ".gif"
            << "../../x/" + longName + "/" + longName + "/" + longName + ".gif" << longName + ".gif"
            << "x/" + longName + "/" + longName + "/" + longName + ".gif";
        QTest::newRow("unsaved document: absolute") << ""
                                                    << "web/img/a.gif"
                                                    << ""
                                                    << "a.gif"
                                                    << "web/img/a.gif";
    }

    void threeForms()
    {
        QFETCH(QString, document);
        QFETCH(QString, file);
        QFETCH(QString, relative);
        QFETCH(QString, bare);
        QFETCH(QString, absoluteTail);
        if (!document.isEmpty())
            touch(document);
        touch(file);
        const QString doc = path(document), full = path(file);

        const PathReference abs = PathRule::reference(full, doc, PathMode::Absolute);
        QCOMPARE(abs.inserted, url(absoluteTail));
        QCOMPARE(abs.displayed, full);
        const PathReference rel = PathRule::reference(full, doc, PathMode::Relative);
        if (document.isEmpty()) {
            QCOMPARE(rel, abs);
        } else {
            QCOMPARE(rel.inserted, relative);
            QCOMPARE(rel.displayed, relative);
        }
        QCOMPARE(PathRule::reference(full, doc, PathMode::None).inserted, bare);

        // Read back, both forms lead to the same file.
        PathMode mode = PathMode::None;
        QCOMPARE(PathRule::resolve(abs.inserted, doc, &mode), full);
        QCOMPARE(mode, PathMode::Absolute);
        if (!document.isEmpty()) {
            QCOMPARE(PathRule::resolve(rel.inserted, doc, &mode), full);
            QCOMPARE(mode, PathMode::Relative);
        }
    }

    void noFileNoReference()
    {
        QCOMPARE(PathRule::reference(QString(), path("page.htm"), PathMode::Relative),
                 PathReference());
    }

    void referencesThatNameNoLocalFile_data()
    {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<bool>("saved");
        QTest::newRow("web address") << "http://example.org/a.gif" << true;
        QTest::newRow("site root") << "/img/a.gif" << true;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("relative, unsaved page") << "img/a.gif" << false;
    }
    void referencesThatNameNoLocalFile()
    {
        QFETCH(QString, reference);
        QFETCH(bool, saved);
        QCOMPARE(PathRule::resolve(reference, saved ? path("page.htm") : QString()), QString());
    }

    void handWrittenReferencesResolve()
    {
        const QString doc = path("site/page.htm");
        QCOMPARE(PathRule::resolve("img/a b.gif", doc), path("site/img/a b.gif"));
        QCOMPARE(PathRule::resolve("./img/../x.gif", doc), path("site/x.gif"));
        QCOMPARE(PathRule::resolve("caf%C3%A9.gif", doc), path("site/café.gif"));
    }
};

QTEST_GUILESS_MAIN(TestPathReference)
#include "tst_pathreference.moc"
