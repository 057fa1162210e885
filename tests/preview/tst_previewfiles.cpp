// The preview file beside a document and the registry of this run's temporary files: names
// never take a file the user owns, the file's content, registration in the clean-up section
// and deleting only what was registered.
#include "base/filebytes.h"
#include "base/settingsfile.h"
#include "base/temporaryfiles.h"
#include "preview/previewfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

class TestPreviewFiles : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<SettingsFile> m_settings;

    QString home() const { return m_dir.filePath(QStringLiteral("Home")); }
    QString site() const { return m_dir.filePath(QStringLiteral("My Site")); }
    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    static QByteArray readFile(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QString cleanUpEntry(int n) const
    {
        return m_settings->readString(QStringLiteral("CleanUp"), QString::number(n));
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QDir(m_dir.path()).removeRecursively();
        QVERIFY(QDir().mkpath(home()));
        QVERIFY(QDir().mkpath(site()));
        m_settings = std::make_unique<SettingsFile>(m_dir.filePath(QStringLiteral("quillm.ini")));
    }

    void previewGoesBesideTheDocumentOrIntoTheHomeFolder()
    {
        TemporaryFiles registry(*m_settings);
        PreviewFiles files(registry, home());
        const QString page = site() + QStringLiteral("/Sub/Page.HTM");
        QCOMPARE(files.folderFor(page), site() + QStringLiteral("/Sub"));
        QCOMPARE(files.folderFor(QStringLiteral("Untitled3")), home());
        // Letter case is kept on a file system that tells "A" from "a".
        QCOMPARE(files.nameFor(site(), 1), site() + QStringLiteral("/_temp1.htm"));
        QCOMPARE(files.nameFor(site(), 2), site() + QStringLiteral("/_temp2.htm"));
    }

    void contentHasTheTitleLineInTheDocumentsOwnLineEnding_data()
    {
        QTest::addColumn<int>("viewer");
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("lf") << 1 << QByteArray("<p>a</p>\n<p>b</p>\n")
                            << QByteArray(
                                   "<Title>Quillmark Preview 1</Title>\n<p>a</p>\n<p>b</p>\n");
        QTest::newRow("crlf") << 2 << QByteArray("<p>a</p>\r\n")
                              << QByteArray("<Title>Quillmark Preview 2</Title>\r\n<p>a</p>\r\n");
        QTest::newRow("empty page")
            << 1 << QByteArray() << QByteArray("<Title>Quillmark Preview 1</Title>\n");
        QTest::newRow("byte-order mark stays first")
            << 1 << QByteArray("\xEF\xBB\xBF<p>\xC3\xA9</p>")
            << QByteArray("\xEF\xBB\xBF<Title>Quillmark Preview 1</Title>\n<p>\xC3\xA9</p>");
        QTest::newRow("windows-1252 bytes unchanged")
            << 1 << QByteArray("<p>\x80\x93</p>\r\n")
            << QByteArray("<Title>Quillmark Preview 1</Title>\r\n<p>\x80\x93</p>\r\n");
    }
    void contentHasTheTitleLineInTheDocumentsOwnLineEnding()
    {
        QFETCH(int, viewer);
        QFETCH(QByteArray, document);
        QFETCH(QByteArray, expected);
        QCOMPARE(PreviewFiles::content(viewer, document), expected);
    }

    // The user's own _temp1.htm is never replaced nor deleted; this run's preview takes the
    // next free name, is overwritten by the next preview, is listed once, and goes at exit.
    void aFileTheUserOwnsIsNeverTouched()
    {
        const QString own = site() + QStringLiteral("/_temp1.htm");
        writeFile(own, "my own page");
        writeFile(site() + QStringLiteral("/_temp1-2.htm"), "another of mine");
        {
            TemporaryFiles registry(*m_settings);
            PreviewFiles files(registry, home());
            const QString page = site() + QStringLiteral("/index.htm");
            const PreviewFiles::Result first = files.write(page, "<p>one</p>\n", 1);
            QVERIFY2(first.error.isEmpty(), qPrintable(first.error));
            QCOMPARE(first.path, site() + QStringLiteral("/_temp1-3.htm"));
            const PreviewFiles::Result second = files.write(page, "<p>two</p>\n", 1);
            QCOMPARE(second.path, first.path);
            QCOMPARE(readFile(second.path),
                     QByteArray("<Title>Quillmark Preview 1</Title>\n<p>two</p>\n"));
            QCOMPARE(m_settings->read(Keys::CleanUpCount), 1);
            QCOMPARE(cleanUpEntry(1), first.path);

            registry.deleteAll();
            QVERIFY(!QFile::exists(first.path));
        }
        QCOMPARE(readFile(own), QByteArray("my own page"));
        QCOMPARE(readFile(site() + QStringLiteral("/_temp1-2.htm")), QByteArray("another of mine"));
    }

    // A path another copy of the program listed in the section is not this run's to delete.
    void onlyFilesRegisteredInThisRunAreDeleted()
    {
        const QString others = site() + QStringLiteral("/_temp2.htm");
        writeFile(others, "shown by the other copy");
        m_settings->write(Keys::CleanUpCount, 1);
        m_settings->writeString(QStringLiteral("CleanUp"), QStringLiteral("1"), others);

        TemporaryFiles registry(*m_settings);
        PreviewFiles files(registry, home());
        const QString mine = files.write(QStringLiteral("Untitled1"), "x", 2).path;
        QCOMPARE(mine, home() + QStringLiteral("/_temp2.htm"));
        QVERIFY(registry.add(mine)); // a second registration adds no entry
        QCOMPARE(m_settings->read(Keys::CleanUpCount), 2);
        QCOMPARE(cleanUpEntry(2), mine);

        QFile::remove(mine); // gone already: skipped without complaint
        registry.deleteAll();
        QCOMPARE(readFile(others), QByteArray("shown by the other copy"));
    }

    void aFolderThatCannotBeWrittenGivesAMessageNamingTheFile()
    {
        TemporaryFiles registry(*m_settings);
        PreviewFiles files(registry, home());
        const QString gone = m_dir.filePath(QStringLiteral("gone/page.htm"));
        const PreviewFiles::Result result = files.write(gone, "x", 1);
        QVERIFY(result.path.isEmpty());
        QVERIFY2(result.error.startsWith(QStringLiteral("The preview file ") +
                                         m_dir.filePath(QStringLiteral("gone/_temp1.htm")) +
                                         QStringLiteral(" could not be written: ")),
                 qPrintable(result.error));
        QVERIFY(registry.paths().isEmpty());
        QCOMPARE(m_settings->read(Keys::CleanUpCount), 0);
    }

    // A file of the name that this run did not write is the user's, even when it begins with
    // the preview's title line.
    void aFileThatLooksLikeAPreviewIsTheUsers()
    {
        writeFile(site() + QStringLiteral("/_temp1.htm"),
                  "<Title>Quillmark Preview 1</Title>\r\n<p>old</p>");
        writeFile(site() + QStringLiteral("/_temp2.htm"),
                  "<Title>Quillmark Preview 1</Title>\n<p>viewer 1's title in viewer 2's name</p>");
        writeFile(home() + QStringLiteral("/_temp1.htm"), "<Title>Quillmark Preview 1</Title>");
        TemporaryFiles registry(*m_settings);
        PreviewFiles files(registry, home());
        QCOMPARE(files.write(site() + QStringLiteral("/a.htm"), "x", 1).path,
                 site() + QStringLiteral("/_temp1-2.htm"));
        QCOMPARE(files.write(site() + QStringLiteral("/a.htm"), "x", 2).path,
                 site() + QStringLiteral("/_temp2-2.htm"));
        QCOMPARE(files.write(QStringLiteral("Untitled1"), "x", 1).path,
                 home() + QStringLiteral("/_temp1-2.htm"));
        registry.deleteAll();
        QCOMPARE(readFile(site() + QStringLiteral("/_temp1.htm")),
                 QByteArray("<Title>Quillmark Preview 1</Title>\r\n<p>old</p>"));
        QCOMPARE(readFile(home() + QStringLiteral("/_temp1.htm")),
                 QByteArray("<Title>Quillmark Preview 1</Title>"));
    }

    // The user saves a page under the name a preview used: it is neither overwritten by the
    // next preview nor deleted at exit.
    void aPageSavedUnderAPreviewsNameIsKept()
    {
        TemporaryFiles registry(*m_settings);
        PreviewFiles files(registry, home());
        const QString page = site() + QStringLiteral("/index.htm");
        const QString preview = files.write(page, "<p>one</p>", 1).path;
        QCOMPARE(preview, site() + QStringLiteral("/_temp1.htm"));
        QString reason;
        QVERIFY(FileBytes::write(preview, "my page, saved here", &reason));
        QCOMPARE(files.write(page, "<p>two</p>", 1).path, site() + QStringLiteral("/_temp1-2.htm"));
        registry.deleteAll();
        QCOMPARE(readFile(preview), QByteArray("my page, saved here"));
        QVERIFY(!QFile::exists(site() + QStringLiteral("/_temp1-2.htm")));
    }

    // A link put at a preview's name is not written through; a second hard link to a preview
    // keeps what it had, since the next preview is a new file renamed into place.
    void aPreviewIsNeverWrittenThroughALinkOrInPlace()
    {
        TemporaryFiles registry(*m_settings);
        PreviewFiles files(registry, home());
        const QString page = site() + QStringLiteral("/index.htm");
        const QString target = m_dir.filePath(QStringLiteral("precious.htm"));
        writeFile(target, "precious");
        const QString first = files.write(page, "<p>one</p>", 1).path;
        QVERIFY(QFile::remove(first));
        QVERIFY(QFile::link(target, first));
        const QString second = files.write(page, "<p>two</p>", 1).path;
        QVERIFY(second != first);
        QCOMPARE(readFile(target), QByteArray("precious"));

        const QString other = m_dir.filePath(QStringLiteral("other-name.htm"));
        QVERIFY(::link(QFile::encodeName(second).constData(),
                       QFile::encodeName(other).constData()) == 0);
        const QByteArray before = readFile(other);
        QCOMPARE(files.write(page, "<p>three</p>", 1).path, second);
        QCOMPARE(readFile(other), before);
        QVERIFY(readFile(second).endsWith("<p>three</p>"));
        registry.deleteAll();
        QVERIFY(QFileInfo(first).isSymLink());
        QCOMPARE(readFile(other), before);
    }

    // A copy of a private page is private too.
    void aPreviewTakesItsPagesMode()
    {
        TemporaryFiles registry(*m_settings);
        PreviewFiles files(registry, home());
        const QString page = site() + QStringLiteral("/private.htm");
        writeFile(page, "secret");
        QVERIFY(::chmod(QFile::encodeName(page).constData(), 0600) == 0);
        const QString preview = files.write(page, "secret", 1).path;
        struct stat st;
        QVERIFY(::lstat(QFile::encodeName(preview).constData(), &st) == 0);
        QCOMPARE(int(st.st_mode & 07777), 0600);
        QVERIFY(::chmod(QFile::encodeName(page).constData(), 0644) == 0);
        QCOMPARE(files.write(page, "open", 1).path, preview);
        QVERIFY(::lstat(QFile::encodeName(preview).constData(), &st) == 0);
        QCOMPARE(int(st.st_mode & 07777), 0644);
        // An Untitled page's copy in the home folder is the user's alone.
        const QString untitled = files.write(QStringLiteral("Untitled1"), "x", 1).path;
        QVERIFY(::lstat(QFile::encodeName(untitled).constData(), &st) == 0);
        QCOMPARE(int(st.st_mode & 07777), 0600);
    }

    // A dangling link of the fixed name is the user's too.
    void aLinkOfTheNameIsNotReplaced()
    {
        const QString link = site() + QStringLiteral("/_temp1.htm");
        QVERIFY(QFile::link(m_dir.filePath(QStringLiteral("nowhere.htm")), link));
        TemporaryFiles registry(*m_settings);
        PreviewFiles files(registry, home());
        QCOMPARE(files.write(site() + QStringLiteral("/a.htm"), "x", 1).path,
                 site() + QStringLiteral("/_temp1-2.htm"));
        QVERIFY(QFileInfo(link).isSymLink());
    }
};

QTEST_GUILESS_MAIN(TestPreviewFiles)
#include "tst_previewfiles.moc"
