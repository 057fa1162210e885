#include "base/filebytes.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "filesizelimit.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}
void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
struct stat statOf(const QString &path)
{
    struct stat st
    {
    };
    ::stat(QFile::encodeName(path).constData(), &st);
    return st;
}

} // namespace

class TestFileBytes : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QStringList leftovers() const
    {
        return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden);
    }

    // Runs the write helper as the user nobody, with files limited to maxSize bytes when
    // given; empty when that cannot be done here.
    QString runAsNobody(const QString &target, const QByteArray &bytes, int *exitCode,
                        int maxSize = 0)
    {
        const QString setpriv = QStandardPaths::findExecutable("setpriv");
        const QString prlimit = QStandardPaths::findExecutable("prlimit");
        if (::geteuid() != 0 || setpriv.isEmpty() || (maxSize > 0 && prlimit.isEmpty()))
            return QString();
        QStringList command{setpriv,
                            "--reuid=nobody",
                            "--regid=nogroup",
                            "--clear-groups",
                            QStringLiteral(QM_FILEWRITE_HELPER),
                            target,
                            QString::fromUtf8(bytes)};
        if (maxSize > 0)
            command = QStringList{prlimit, QStringLiteral("--fsize=%1").arg(maxSize)} + command;
        QProcess helper;
        helper.start(command.takeFirst(), command);
        if (!helper.waitForFinished(20000))
            return QString();
        *exitCode = helper.exitCode();
        return QStringLiteral("ran") + QString::fromUtf8(helper.readAllStandardOutput());
    }

private Q_SLOTS:
    void init()
    {
        for (const QString &name : leftovers())
            QFile::remove(path(name));
    }

    void onlyRegularFilesAreRead()
    {
        writeAll(path("page.htm"), "<p>page</p>");
        QByteArray bytes;
        QString reason;
        QVERIFY(FileBytes::read(path("page.htm"), &bytes, &reason));
        QCOMPARE(bytes, QByteArray("<p>page</p>"));

        // Checked before anything is read: no endless read, no wait for a writer.
        QVERIFY(::mkfifo(QFile::encodeName(path("pipe.htm")).constData(), 0600) == 0);
        const struct
        {
            QString name;
            QString reason;
        } refused[] = {
            {"/dev/zero", "it is a device, not a regular file"},
            {path("pipe.htm"), "it is a pipe, not a regular file"},
            {m_dir.path(), "it is a folder"},
            {path("missing.htm"), "the file does not exist"},
        };
        for (const auto &r : refused) {
            QVERIFY(!FileBytes::read(r.name, &bytes, &reason));
            QCOMPARE(reason, r.reason);
        }
        QFile::remove(path("pipe.htm"));

        // The size limit holds for what is read, not only for what the file said it held.
        writeAll(path("big.htm"), QByteArray(3000, 'x'));
        QVERIFY(!FileBytes::read(path("big.htm"), &bytes, &reason, 2048));
        QVERIFY(reason.startsWith("the file is too large"));
    }

    // A file read in pieces is the same file, whatever the piece size; the checks and the
    // size limit are those of a whole read.
    void aFileReadInPiecesIsTheSameFile()
    {
        QByteArray page;
        for (int i = 0; i < 3000; ++i)
            page += "<p>" + QByteArray::number(i) + "</p>\r\n";
        writeAll(path("page.htm"), page);
        for (const qsizetype size : {qsizetype(4), qsizetype(1000), qsizetype(1) << 20}) {
            QByteArray joined;
            int shortPieces = 0;
            QString reason;
            QVERIFY(FileBytes::readPieces(
                path("page.htm"), size,
                [&](QByteArrayView piece) {
                    shortPieces += piece.size() < size;
                    joined += piece;
                },
                &reason));
            QCOMPARE(joined, page);
            QVERIFY(shortPieces <= 1);
        }
        QString reason;
        const auto ignore = [](QByteArrayView) {};
        QVERIFY(!FileBytes::readPieces("/dev/zero", 4096, ignore, &reason));
        QCOMPARE(reason, QStringLiteral("it is a device, not a regular file"));
        QVERIFY(!FileBytes::readPieces(path("page.htm"), 4096, ignore, &reason, 2048));
        QVERIFY(reason.startsWith("the file is too large"));
    }

    void theFirstLineBreakIsFoundAcrossPieces_data()
    {
        QTest::addColumn<QByteArrayList>("pieces");
        QTest::addColumn<int>("ending");
        using E = FileBytes::LineEnding;
        QTest::newRow("CR LF split between pieces")
            << QByteArrayList{"ab\r", "\ncd"} << int(E::CrLf);
        QTest::newRow("CR at a piece's end, then text")
            << QByteArrayList{"ab\r", "cd"} << int(E::Cr);
        QTest::newRow("CR as the last byte") << QByteArrayList{"ab", "\r"} << int(E::Cr);
        QTest::newRow("LF in a later piece") << QByteArrayList{"abc", "", "d\ne\r\n"} << int(E::Lf);
        QTest::newRow("the first break decides") << QByteArrayList{"a\r\nb\n"} << int(E::CrLf);
        QTest::newRow("no break") << QByteArrayList{"abc", "def"} << -1;
    }
    void theFirstLineBreakIsFoundAcrossPieces()
    {
        QFETCH(QByteArrayList, pieces);
        QFETCH(int, ending);
        FileBytes::LineEndingScan scan;
        for (const QByteArray &piece : pieces)
            scan.add(piece);
        const FileBytes::LineEnding fallback = FileBytes::LineEnding::Lf;
        QCOMPARE(int(scan.result(fallback)), ending < 0 ? int(fallback) : ending);
        QCOMPARE(scan.result(fallback), FileBytes::detectLineEnding(pieces.join(), fallback));
    }

    void aFailedWriteLeavesTheOldFileWhole_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("size");
        // Smaller than a write buffer: the last write happens only when the file is closed.
        QTest::newRow("small document, nothing fits") << 0 << 100;
        QTest::newRow("small document, half fits") << 50 << 100;
        QTest::newRow("16 KiB document, 8 KiB fit") << 8192 << 16384;
        QTest::newRow("large document") << 65536 << (1 << 20);
    }
    void aFailedWriteLeavesTheOldFileWhole()
    {
        QFETCH(int, limit);
        QFETCH(int, size);
        const QByteArray old = "<p>the old page</p>";
        writeAll(path("page.htm"), old);
        QString reason;
        {
            FileSizeLimit full(rlim_t(limit) + 0);
            QVERIFY(!FileBytes::write(path("page.htm"), QByteArray(size, 'n'), &reason));
        }
        QCOMPARE(readAll(path("page.htm")), old);
        QCOMPARE(reason,
                 QString("the file would be larger than the file system or a limit allows"));
        QCOMPARE(leftovers(), QStringList{"page.htm"});
    }

    void aFullDiskIsToldInWords()
    {
        if (::geteuid() != 0)
            QSKIP("mounting a small file system needs root");
        const QString mount = path("small");
        QDir().mkpath(mount);
        if (::mount("tmpfs", QFile::encodeName(mount).constData(), "tmpfs", 0, "size=1m") != 0)
            QSKIP("no file system can be mounted here");
        const auto unmount =
            qScopeGuard([&] { ::umount2(QFile::encodeName(mount).constData(), MNT_DETACH); });
        const QString page = mount + "/page.htm";
        const QByteArray old(1000, 'o');
        writeAll(page, old);
        // Fill the disk to its last byte.
        {
            QFile filler(mount + "/filler");
            QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            const QByteArray block(4096, 'f');
            while (filler.write(block) == block.size()) {
            }
            while (filler.write("f", 1) == 1) {
            }
        }
        for (const int size : {100, 8192, 16384, 300000}) {
            QString reason;
            QVERIFY(!FileBytes::write(page, QByteArray(size, 'n'), &reason));
            QCOMPARE(reason, QString("the disk is full"));
            QCOMPARE(readAll(page), old);
            QCOMPARE(QDir(mount).entryList(QDir::Files | QDir::Hidden),
                     (QStringList{"filler", "page.htm"}));
        }
    }

    void ownerPermissionsLinksAndSymbolicLinksAreKept()
    {
        const QString page = path("page.htm");
        writeAll(page, "old");
        QVERIFY(::chmod(QFile::encodeName(page).constData(), 0640) == 0);
        const bool root = ::geteuid() == 0;
        if (root)
            QVERIFY(::chown(QFile::encodeName(page).constData(), 65534, 65534) == 0);
        QString reason;
        QVERIFY2(FileBytes::write(page, "new", &reason), qPrintable(reason));
        QCOMPARE(readAll(page), QByteArray("new"));
        QCOMPARE(statOf(page).st_mode & 07777, mode_t(0640));
        if (root) {
            QCOMPARE(statOf(page).st_uid, uid_t(65534));
            QCOMPARE(statOf(page).st_gid, gid_t(65534));
        }

        // Another name of the same file sees the new content.
        QVERIFY(::link(QFile::encodeName(page).constData(),
                       QFile::encodeName(path("other name.htm")).constData()) == 0);
        const ino_t inode = statOf(page).st_ino;
        QVERIFY(FileBytes::write(page, "linked", &reason));
        QCOMPARE(readAll(path("other name.htm")), QByteArray("linked"));
        QCOMPARE(statOf(page).st_ino, inode);

        // A symbolic link stays a link; the file it points to is written.
        QVERIFY(QFile::link(path("other name.htm"), path("link.htm")));
        QVERIFY(FileBytes::write(path("link.htm"), "through the link", &reason));
        QVERIFY(QFileInfo(path("link.htm")).isSymLink());
        QCOMPARE(readAll(page), QByteArray("through the link"));
        QCOMPARE(leftovers().size(), 3);

        // Nothing but a regular file is replaced.
        QVERIFY(!FileBytes::write("/dev/null", "x", &reason));
        QCOMPARE(reason, QString("it is a device, not a regular file"));
        QVERIFY(QFileInfo("/dev/null").exists() && !QFileInfo("/dev/null").isFile());
        QVERIFY(!FileBytes::write(m_dir.path(), "x", &reason));
        QCOMPARE(reason, QString("it is a folder"));
        QVERIFY(!FileBytes::write(path("no folder/page.htm"), "x", &reason));
        QCOMPARE(reason, QString("the file or its folder does not exist"));
    }

    void aFolderWeMayNotWriteInGetsTheFileWrittenInPlace()
    {
        // As the user nobody: the folder is root's, one file nobody's, one root's.
        QTemporaryDir root;
        QVERIFY(::chmod(QFile::encodeName(root.path()).constData(), 0755) == 0);
        const QString own = root.filePath("own.htm");
        const QString foreign = root.filePath("foreign.htm");
        writeAll(own, "old content of nobody's page");
        writeAll(foreign, "root's");
        ::chmod(QFile::encodeName(own).constData(), 0644);
        ::chmod(QFile::encodeName(foreign).constData(), 0644);
        if (::geteuid() == 0 && ::chown(QFile::encodeName(own).constData(), 65534, 65534) != 0)
            QSKIP("the file cannot be given to nobody");
        const ino_t inode = statOf(own).st_ino;

        int exitCode = -1;
        const QString ran = runAsNobody(own, "new", &exitCode);
        if (ran.isEmpty())
            QSKIP("this test needs root and setpriv to act as the user nobody");
        QCOMPARE(exitCode, 0);
        QCOMPARE(readAll(own), QByteArray("new"));
        QCOMPARE(statOf(own).st_ino, inode);
        QCOMPARE(statOf(own).st_uid, uid_t(65534));
        QCOMPARE(QDir(root.path()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{"foreign.htm", "own.htm"}));
        QVERIFY(QDir::temp().entryList({"quillmark-safety-*own.htm"}, QDir::Files).isEmpty());

        // A full disk stops the in-place write before it changes a byte.
        const QString full = runAsNobody(own, QByteArray(200, 'n'), &exitCode, 50);
        QCOMPARE(exitCode, 1);
        QCOMPARE(full, QString("ranthe file would be larger than the file system or a limit "
                               "allows; the file keeps its old content"));
        QCOMPARE(readAll(own), QByteArray("new"));
        QCOMPARE(statOf(own).st_ino, inode);
        QVERIFY(QDir::temp().entryList({"quillmark-safety-*own.htm"}, QDir::Files).isEmpty());

        // Even that fails for a file nobody may not write: the reason, and nothing lost.
        const QString refused = runAsNobody(foreign, "new", &exitCode);
        QCOMPARE(exitCode, 1);
        QCOMPARE(refused, QString("ranpermission denied"));
        QCOMPARE(readAll(foreign), QByteArray("root's"));
    }
};

QTEST_GUILESS_MAIN(TestFileBytes)
#include "tst_filebytes.moc"
