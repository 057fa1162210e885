#include "projects/projectfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

} // namespace

class TestProjectFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void lineEndsOfOtherEditorsGiveTheSameEntries_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("entries");
        const QStringList two{"/home/a/one.htm", "/home/a/two.htm"};
        QTest::newRow("CR LF") << QByteArray("/home/a/one.htm\r\n/home/a/two.htm\r\n") << two;
        QTest::newRow("LF only") << QByteArray("/home/a/one.htm\n/home/a/two.htm\n") << two;
        QTest::newRow("CR only") << QByteArray("/home/a/one.htm\r/home/a/two.htm\r") << two;
        QTest::newRow("mixed, no final break")
            << QByteArray("/home/a/one.htm\r/home/a/two.htm\n/x\r\n/y")
            << two + QStringList{"/x", "/y"};
        QTest::newRow("empty line is an empty entry")
            << QByteArray("/a\r\n\r\n/b\r\n") << QStringList{"/a", "", "/b"};
        QTest::newRow("LF CR is two breaks")
            << QByteArray("/a\n\r/b") << QStringList{"/a", "", "/b"};
        QTest::newRow("empty file") << QByteArray() << QStringList();
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF/a\r\n") << QStringList{"/a"};
        QTest::newRow("Windows-1252") << QByteArray("/home/Ren\xE9/caf\xE9 \x80.htm\r\n")
                                      << QStringList{QStringLiteral("/home/René/café €.htm")};
        QTest::newRow("UTF-8") << QByteArray("/home/Ren\xC3\xA9/\xE6\x97\xA5.htm\r\n")
                               << QStringList{QStringLiteral("/home/René/日.htm")};
        QTest::newRow("letter case makes two entries")
            << QByteArray("/a/Page.htm\r\n/a/page.htm\r\n")
            << QStringList{"/a/Page.htm", "/a/page.htm"};
    }
    void lineEndsOfOtherEditorsGiveTheSameEntries()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, entries);
        QCOMPARE(ProjectFile::parse(bytes), entries);
    }

    void savedProjectLoadsBackInOrderWithCrLf()
    {
        const QStringList entries{QStringLiteral("/z/last.htm"), QStringLiteral("/a/René.htm"),
                                  QString(), QStringLiteral("/a/first.htm")};
        const QString path = m_dir->filePath(QStringLiteral("site.qpj"));
        QString reason;
        QVERIFY(ProjectFile::write(path, entries, &reason));
        QCOMPARE(bytesOf(path),
                 QByteArray("/z/last.htm\r\n/a/Ren\xC3\xA9.htm\r\n\r\n/a/first.htm\r\n"));
        QStringList back;
        QVERIFY(ProjectFile::read(path, &back, &reason));
        QCOMPARE(back, entries);
    }

    void unreadableFilesSayWhyAndLeaveTheList()
    {
        QStringList entries{QStringLiteral("/kept")};
        QString reason;
        QVERIFY(
            !ProjectFile::read(m_dir->filePath(QStringLiteral("missing.qpj")), &entries, &reason));
        QVERIFY(!reason.isEmpty());
        QVERIFY(!ProjectFile::read(m_dir->path(), &entries, &reason));
        QVERIFY(!reason.isEmpty());
        const QString binary = m_dir->filePath(QStringLiteral("picture.qpj"));
        put(binary, QByteArray("GIF89a\0\0\x01", 9));
        reason.clear();
        QVERIFY(!ProjectFile::read(binary, &entries, &reason));
        QVERIFY(reason.contains(QLatin1String("binary")));
        QCOMPARE(entries, QStringList{QStringLiteral("/kept")});
    }

    void appendAddsAPathOnceAndCreatesTheFile()
    {
        const QString path = m_dir->filePath(QStringLiteral("new.qpj"));
        bool added = false;
        QString reason;
        QVERIFY(ProjectFile::append(path, QStringLiteral("/a/one.htm"), &added, &reason));
        QVERIFY(added);
        QVERIFY(ProjectFile::append(path, QStringLiteral("/a/One.htm"), &added, &reason));
        QVERIFY(added);
        QVERIFY(ProjectFile::append(path, QStringLiteral("/a/one.htm"), &added, &reason));
        QVERIFY(!added);
        QCOMPARE(bytesOf(path), QByteArray("/a/one.htm\r\n/a/One.htm\r\n"));

        // A project written by another editor keeps its entries and gets CR LF throughout.
        put(path, "/old/x.htm\n/old/y.htm");
        QVERIFY(ProjectFile::append(path, QStringLiteral("/a/one.htm"), &added, &reason));
        QCOMPARE(bytesOf(path), QByteArray("/old/x.htm\r\n/old/y.htm\r\n/a/one.htm\r\n"));
    }

    void appendToAFileThatIsNoProjectChangesNothing()
    {
        const QString path = m_dir->filePath(QStringLiteral("broken.qpj"));
        const QByteArray binary("\x7F"
                                "ELF\0\0\0",
                                7);
        put(path, binary);
        bool added = true;
        QString reason;
        QVERIFY(!ProjectFile::append(path, QStringLiteral("/a.htm"), &added, &reason));
        QCOMPARE(bytesOf(path), binary);
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestProjectFile)
#include "tst_projectfile.moc"
