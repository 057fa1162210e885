// What the internal preview does with a page before and after showing it: the link policy on
// the links a user clicks, server-side includes and the background sound.
#include "preview/backgroundsound.h"
#include "preview/linkpolicy.h"
#include "preview/serversideincludes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using LinkPolicy::Action;
Q_DECLARE_METATYPE(LinkPolicy::Action)

namespace {
bool onlyExe(const QString &path)
{
    return path.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive);
}
} // namespace

class TestPageRules : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    void writeFile(const QString &name, const QByteArray &bytes)
    {
        QDir(m_dir.path()).mkpath(QFileInfo(m_dir.filePath(name)).path());
        QFile f(m_dir.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

private Q_SLOTS:
    void links_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("parameters");
        const QString none;
        QTest::newRow("web") << "http://example.com/x.htm" << Action::Ignore << none
                             << QStringList();
        QTest::newRow("secure web, any case")
            << "HTTPS://example.com/" << Action::Ignore << none << QStringList();
        QTest::newRow("file transfer")
            << "ftp://host/file.zip" << Action::Ignore << none << QStringList();
        QTest::newRow("mail") << "mailto:someone@example.com" << Action::Ignore << none
                              << QStringList();
        QTest::newRow("other scheme: the viewer's")
            << "about:blank" << Action::Follow << none << QStringList();
        QTest::newRow("relative page")
            << "sub/page.htm" << Action::Follow << "/site/sub/page.htm" << QStringList();
        QTest::newRow("file address")
            << "file:///site/page.htm#top" << Action::Follow << "/site/page.htm" << QStringList();
        QTest::newRow("sound") << "bell.WAV" << Action::Sound << "/site/bell.WAV" << QStringList();
        QTest::newRow("media drops the parameter text")
            << "song.mid?x" << Action::Media << "/site/song.mid" << QStringList();
        QTest::newRow("media by file address")
            << "file:///site/clip.avi?y" << Action::Media << "/site/clip.avi" << QStringList();
        QTest::newRow("program with parameters")
            << "tool.exe a b" << Action::Program << "/site/tool.exe" << QStringList{"a", "b"};
        QTest::newRow("program with a quoted parameter")
            << "tool.exe \"two words\" c" << Action::Program << "/site/tool.exe"
            << QStringList{"two words", "c"};
        QTest::newRow("program parameters after ?")
            << "../bin/tool.exe?go" << Action::Program << "/bin/tool.exe" << QStringList{"go"};
        QTest::newRow("program by encoded file address")
            << "file:///site/tool.exe%20a%20b" << Action::Program << "/site/tool.exe"
            << QStringList{"a", "b"};
    }
    void links()
    {
        QFETCH(QString, address);
        QFETCH(Action, action);
        QFETCH(QString, file);
        QFETCH(QStringList, parameters);
        const LinkPolicy::Decision d =
            LinkPolicy::classify(address, QStringLiteral("/site"), onlyExe);
        QCOMPARE(d.action, action);
        QCOMPARE(d.file, file);
        QCOMPARE(d.parameters, parameters);
    }

    // On Linux a program need not be called ".exe"; pages and pictures never count as one.
    void programsAreFoundByTheirPermissions()
    {
        writeFile(QStringLiteral("My Tools/run"), "#!/bin/sh\n");
        writeFile(QStringLiteral("page.htm"), "<p>");
        QFile(m_dir.filePath(QStringLiteral("My Tools/run")))
            .setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        QFile(m_dir.filePath(QStringLiteral("page.htm")))
            .setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        // A folder with a blank in its name: the blank that ends an existing file's name
        // ends the file part.
        const LinkPolicy::Decision run =
            LinkPolicy::classify(QStringLiteral("My Tools/run --fast now"), m_dir.path());
        QCOMPARE(run.action, Action::Program);
        QCOMPARE(run.file, m_dir.filePath(QStringLiteral("My Tools/run")));
        QCOMPARE(run.parameters, QStringList({"--fast", "now"}));
        QCOMPARE(LinkPolicy::classify(QStringLiteral("page.htm"), m_dir.path()).action,
                 Action::Follow);
    }

    void includes_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("date and time, any case")
            << QByteArray("<p><!--#DATE--> <!--#time --></p>") << QByteArray("<p>D1 T1</p>");
        QTest::newRow("include") << QByteArray("a<!--#include file=\"part.htm\"-->b")
                                 << QByteArray("a<b>part</b>b");
        QTest::newRow("include in a subfolder, upper-case parameter")
            << QByteArray("<!--#Include FILE=\"sub/more.txt\" -->") << QByteArray("more");
        QTest::newRow("missing include yields nothing")
            << QByteArray("a<!--#include file=\"nothing.htm\"-->b") << QByteArray("ab");
        QTest::newRow("include of a folder yields nothing")
            << QByteArray("a<!--#include file=\"sub\"-->b") << QByteArray("ab");
        QTest::newRow("include without a quoted name")
            << QByteArray("a<!--#include file=part.htm-->b") << QByteArray("ab");
        QTest::newRow("included text is not expanded again")
            << QByteArray("<!--#include file=\"nested.htm\"-->")
            << QByteArray("<!--#include file=\"part.htm\"-->");
        QTest::newRow("other directives and comments stay")
            << QByteArray("<!--#exec cmd=\"ls\"--><!-- plain -->")
            << QByteArray("<!--#exec cmd=\"ls\"--><!-- plain -->");
        QTest::newRow("unterminated directive stays")
            << QByteArray("x<!--#date") << QByteArray("x<!--#date");
    }
    void includes()
    {
        QFETCH(QByteArray, page);
        QFETCH(QByteArray, expected);
        writeFile(QStringLiteral("part.htm"), "<b>part</b>");
        writeFile(QStringLiteral("sub/more.txt"), "more");
        writeFile(QStringLiteral("nested.htm"), "<!--#include file=\"part.htm\"-->");
        QCOMPARE(ServerSideIncludes::expand(page, {m_dir.path(), "D1", "T1"}), expected);
    }

    void anIncludeOverOneMegabyteYieldsNothing()
    {
        writeFile(QStringLiteral("big.htm"),
                  QByteArray(ServerSideIncludes::MaxIncludeSize + 1, 'x'));
        writeFile(QStringLiteral("limit.htm"), QByteArray(ServerSideIncludes::MaxIncludeSize, 'y'));
        QCOMPARE(
            ServerSideIncludes::expand("<!--#include file=\"big.htm\"-->", {m_dir.path(), {}, {}}),
            QByteArray());
        QCOMPARE(
            ServerSideIncludes::expand("<!--#include file=\"limit.htm\"-->", {m_dir.path(), {}, {}})
                .size(),
            ServerSideIncludes::MaxIncludeSize);
    }

    void backgroundSound_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("loops");
        QTest::newRow("none") << QByteArray("<p>quiet</p>") << QString() << 1;
        QTest::newRow("once") << QByteArray("<BGSOUND SRC=\"tune.wav\">") << "/site/tune.wav" << 1;
        QTest::newRow("zero plays once")
            << QByteArray("<bgsound src='a.mid' loop=0>") << "/site/a.mid" << 1;
        QTest::newRow("three times")
            << QByteArray("<bgsound loop=\"3\" src=snd/b.wav>") << "/site/snd/b.wav" << 3;
        QTest::newRow("negative loops for ever")
            << QByteArray("<bgsound src=c.wav loop=-1>") << "/site/c.wav" << -1;
        QTest::newRow("infinite") << QByteArray("<bgsound src=c.wav loop=infinite>")
                                  << "/site/c.wav" << -1;
        QTest::newRow("no source") << QByteArray("<bgsound loop=2>") << QString() << 1;
    }
    void backgroundSound()
    {
        QFETCH(QByteArray, page);
        QFETCH(QString, file);
        QFETCH(int, loops);
        const BackgroundSound::Request r = BackgroundSound::find(page, QStringLiteral("/site"));
        QCOMPARE(r.file, file);
        QCOMPARE(r.loops, loops);
    }
};

QTEST_GUILESS_MAIN(TestPageRules)
#include "tst_pagerules.moc"
