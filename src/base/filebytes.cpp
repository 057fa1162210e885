#include "base/filebytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <optional>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FileBytes {

namespace {

// Closes a file descriptor when it goes out of scope, unless taken.
class Fd
{
public:
    explicit Fd(int fd = -1) : m_fd(fd) {}
    ~Fd()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    int get() const { return m_fd; }
    // Closes now and tells the error of the close, 0 when it worked: a delayed write error
    // of some file systems only shows here.
    int close()
    {
        const int fd = std::exchange(m_fd, -1);
        return fd >= 0 && ::close(fd) != 0 ? errno : 0;
    }

private:
    int m_fd;
};

QByteArray local(const QString &path)
{
    return QFile::encodeName(path);
}

QString kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("it is a folder");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("it is a device, not a regular file");
    if (S_ISFIFO(mode))
        return QStringLiteral("it is a pipe, not a regular file");
    if (S_ISSOCK(mode))
        return QStringLiteral("it is a socket, not a regular file");
    return QStringLiteral("it is not a regular file");
}

QString tooLarge(qint64 size, qint64 maxSize)
{
    return QStringLiteral("the file is too large (%1 MB; at most %2 MB can be edited)")
        .arg(size >> 20)
        .arg(maxSize >> 20);
}

// Writes every byte at the given offset; 0 or the error number.
int writeAll(int fd, const char *data, qint64 size, off_t offset)
{
    while (size > 0) {
        const ssize_t n = ::pwrite(fd, data, size_t(size), offset);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return EIO;
        data += n;
        size -= n;
        offset += n;
    }
    return 0;
}

// Reads the whole file from an open descriptor, refusing more than maxSize bytes.
bool readAll(int fd, qint64 expected, qint64 maxSize, QByteArray *bytes, QString *reason)
{
    QByteArray data;
    // One byte more than expected, so that the read meeting the end needs no larger buffer.
    data.resize(qsizetype(std::min(expected, maxSize) + 1));
    qint64 have = 0;
    for (;;) {
        if (have == data.size()) {
            // The file grew since it was measured: read on, but never past the limit.
            if (have > maxSize) {
                *reason = tooLarge(have, maxSize);
                return false;
            }
            data.resize(qsizetype(std::min(have + (qint64(1) << 16), maxSize + 1)));
        }
        const ssize_t n = ::read(fd, data.data() + have, size_t(data.size() - have));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            *reason = describeError(errno);
            return false;
        }
        if (n == 0)
            break;
        have += n;
    }
    if (have > maxSize) {
        *reason = tooLarge(have, maxSize);
        return false;
    }
    data.truncate(qsizetype(have));
    *bytes = std::move(data);
    return true;
}

// The file a name stands for: a symbolic link is followed, so that the link stays a link and
// the file it points to is written.
QString resolved(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.symLinkTarget() : canonical;
}

// A new file beside the target, readable and writable as the umask allows.
int createTemporary(const QString &target, QString *name, mode_t mode = 0666)
{
    const QFileInfo info(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        *name = info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                QStringLiteral(".%1.tmp").arg(QRandomGenerator::global()->generate(), 8, 16,
                                              QLatin1Char('0'));
        const int fd =
            ::open(local(*name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

enum class Outcome { Written, Failed, NeedsInPlace };

// Writes a complete new file beside the target and renames it over the target only after
// every byte is on the disk.
Outcome writeReplacing(const QString &target, const std::optional<struct stat> &old,
                       const QByteArrayView &bytes, QString *reason)
{
    QString tempName;
    Fd fd(createTemporary(target, &tempName));
    if (fd.get() < 0) {
        *reason = describeError(errno);
        return Outcome::Failed;
    }
    const QByteArray temp = local(tempName);
    const auto fail = [&](int error) {
        fd.close();
        ::unlink(temp.constData());
        *reason = describeError(error);
        return Outcome::Failed;
    };
    if (old) {
        // The owner first: changing it may clear the set-id bits that the mode then restores.
        if ((old->st_uid != ::geteuid() || old->st_gid != ::getegid()) &&
            ::fchown(fd.get(), old->st_uid, old->st_gid) != 0) {
            fd.close();
            ::unlink(temp.constData());
            return Outcome::NeedsInPlace;
        }
        if (::fchmod(fd.get(), old->st_mode & 07777) != 0)
            return fail(errno);
    }
    if (const int error = writeAll(fd.get(), bytes.data(), bytes.size(), 0))
        return fail(error);
    if (::fsync(fd.get()) != 0)
        return fail(errno);
    if (const int error = fd.close()) {
        ::unlink(temp.constData());
        *reason = describeError(error);
        return Outcome::Failed;
    }
    if (::rename(temp.constData(), local(target).constData()) != 0) {
        const int error = errno;
        ::unlink(temp.constData());
        *reason = describeError(error);
        return Outcome::Failed;
    }
    // The rename itself reaches the disk with the folder.
    Fd dir(::open(local(QFileInfo(target).absolutePath()).constData(),
                  O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get());
    return Outcome::Written;
}

// Keeps the old bytes in a file of the temporary folder while the target is overwritten.
bool writeSafetyCopy(const QString &target, const QByteArray &bytes, QString *copyName,
                     QString *reason)
{
    const QString folder = QDir::tempPath();
    for (int attempt = 0; attempt < 100; ++attempt) {
        *copyName =
            folder + QStringLiteral("/quillmark-safety-%1-%2")
                         .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'))
                         .arg(QFileInfo(target).fileName());
        Fd fd(::open(local(*copyName).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
        if (fd.get() < 0) {
            if (errno == EEXIST)
                continue;
            *reason = describeError(errno);
            return false;
        }
        int error = writeAll(fd.get(), bytes.constData(), bytes.size(), 0);
        if (!error && ::fsync(fd.get()) != 0)
            error = errno;
        if (!error)
            error = fd.close();
        if (error) {
            ::unlink(local(*copyName).constData());
            *reason = describeError(error);
            return false;
        }
        return true;
    }
    *reason = describeError(EEXIST);
    return false;
}

// Overwrites the target's own bytes, for files that must keep their inode. A safety copy is
// made first; when the write fails the old bytes are put back.
bool writeInPlace(const QString &target, const struct stat &old, const QByteArrayView &bytes,
                  QString *reason)
{
    Fd fd(::open(local(target).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) {
        *reason = describeError(errno);
        return false;
    }
    QByteArray before;
    if (!readAll(fd.get(), old.st_size, MaxSize, &before, reason))
        return false;
    QString copyName;
    QString copyReason;
    if (!writeSafetyCopy(target, before, &copyName, &copyReason)) {
        *reason = QStringLiteral("no safety copy of the old content could be made (%1), so "
                                 "the file was left as it was")
                      .arg(copyReason);
        return false;
    }
    // Claiming the space first lets a full disk fail before a byte of the file changes.
    if (bytes.size() > before.size()) {
        const int error = ::posix_fallocate(fd.get(), 0, off_t(bytes.size()));
        if (error == ENOSPC || error == EDQUOT || error == EFBIG) {
            // A part of the claim may have lengthened the file.
            const bool undone = ::ftruncate(fd.get(), off_t(before.size())) == 0;
            if (undone)
                ::unlink(local(copyName).constData());
            *reason =
                describeError(error) + (undone ? QStringLiteral("; the file keeps its old content")
                                               : QStringLiteral("; its old content is kept in %1")
                                                     .arg(QDir::toNativeSeparators(copyName)));
            return false;
        }
    }
    int error = writeAll(fd.get(), bytes.data(), bytes.size(), 0);
    if (!error && ::ftruncate(fd.get(), off_t(bytes.size())) != 0)
        error = errno;
    if (!error && ::fsync(fd.get()) != 0)
        error = errno;
    if (!error) {
        error = fd.close();
        if (!error) {
            ::unlink(local(copyName).constData());
            return true;
        }
    }
    *reason = describeError(error);
    const bool restored =
        fd.get() >= 0 && writeAll(fd.get(), before.constData(), before.size(), 0) == 0 &&
        ::ftruncate(fd.get(), off_t(before.size())) == 0 && ::fsync(fd.get()) == 0;
    if (restored) {
        ::unlink(local(copyName).constData());
        *reason += QStringLiteral("; the file keeps its old content");
    } else {
        *reason += QStringLiteral("; the old content could not be put back and is kept in %1")
                       .arg(QDir::toNativeSeparators(copyName));
    }
    return false;
}

} // namespace

QString describeError(int error)
{
    switch (error) {
    case ENOSPC:
        return QStringLiteral("the disk is full");
    case EDQUOT:
        return QStringLiteral("the disk quota is used up");
    case EFBIG:
        return QStringLiteral("the file would be larger than the file system or a limit allows");
    case EACCES:
    case EPERM:
        return QStringLiteral("permission denied");
    case EROFS:
        return QStringLiteral("the file system is read-only");
    case EIO:
        return QStringLiteral("the device reported an input/output error");
    case ENOENT:
        return QStringLiteral("the file or its folder does not exist");
    case ENOTDIR:
        return QStringLiteral("a part of the path is not a folder");
    case EISDIR:
        return QStringLiteral("it is a folder");
    case ENAMETOOLONG:
        return QStringLiteral("the name is too long");
    case ETXTBSY:
        return QStringLiteral("the file is a program that is running");
    case ELOOP:
        return QStringLiteral("the path has too many symbolic links");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

// The name is an existing regular file no larger than maxSize; st holds what stat said.
static bool isRegularWithin(const QByteArray &name, qint64 maxSize, struct stat *st,
                            QString *reason)
{
    if (::stat(name.constData(), st) != 0) {
        *reason =
            errno == ENOENT ? QStringLiteral("the file does not exist") : describeError(errno);
        return false;
    }
    if (!S_ISREG(st->st_mode)) {
        *reason = kindOf(st->st_mode);
        return false;
    }
    if (st->st_size > maxSize) {
        *reason = tooLarge(st->st_size, maxSize);
        return false;
    }
    return true;
}

bool read(const QString &path, QByteArray *bytes, QString *reason, qint64 maxSize)
{
    struct stat st;
    const QByteArray name = local(path);
    if (!isRegularWithin(name, maxSize, &st, reason))
        return false;
    // Without blocking: should the name have become a pipe in the meantime, the open returns
    // at once and the check below refuses it.
    Fd fd(::open(name.constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) {
        *reason = describeError(errno);
        return false;
    }
    if (::fstat(fd.get(), &st) != 0) {
        *reason = describeError(errno);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        *reason = kindOf(st.st_mode);
        return false;
    }
    return readAll(fd.get(), st.st_size, maxSize, bytes, reason);
}

bool readPieces(const QString &path, qsizetype pieceSize, const PieceSink &take, QString *reason,
                qint64 maxSize)
{
    struct stat st;
    const QByteArray name = local(path);
    if (!isRegularWithin(name, maxSize, &st, reason))
        return false;
    Fd fd(::open(name.constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0) {
        *reason = describeError(errno);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        *reason = kindOf(st.st_mode);
        return false;
    }
    QByteArray piece(std::max<qsizetype>(pieceSize, 4), Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        // Each piece is filled before it is handed on, so that only the last is short.
        qsizetype have = 0;
        while (have < piece.size()) {
            const ssize_t n = ::read(fd.get(), piece.data() + have, size_t(piece.size() - have));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                *reason = describeError(errno);
                return false;
            }
            if (n == 0)
                break;
            have += n;
        }
        total += have;
        if (total > maxSize) {
            *reason = tooLarge(total, maxSize);
            return false;
        }
        if (have > 0)
            take(QByteArrayView(piece.constData(), have));
        if (have < piece.size())
            return true;
    }
}

bool isReadable(const QString &path, QString *reason, qint64 maxSize)
{
    struct stat st;
    const QByteArray name = local(path);
    if (!isRegularWithin(name, maxSize, &st, reason))
        return false;
    if (::access(name.constData(), R_OK) != 0) {
        *reason = describeError(errno);
        return false;
    }
    return true;
}

bool readOwn(const QString &path, QByteArray *bytes, QString *reason, qint64 maxSize)
{
    struct stat st;
    const QByteArray name = local(path);
    if (::lstat(name.constData(), &st) != 0) {
        *reason =
            errno == ENOENT ? QStringLiteral("the file does not exist") : describeError(errno);
        return false;
    }
    if (S_ISLNK(st.st_mode)) {
        *reason = QStringLiteral("it is a link, not a regular file");
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        *reason = kindOf(st.st_mode);
        return false;
    }
    if (st.st_size > maxSize) {
        *reason = tooLarge(st.st_size, maxSize);
        return false;
    }
    Fd fd(::open(name.constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
    if (fd.get() < 0) {
        *reason = describeError(errno);
        return false;
    }
    if (::fstat(fd.get(), &st) != 0) {
        *reason = describeError(errno);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        *reason = kindOf(st.st_mode);
        return false;
    }
    return readAll(fd.get(), st.st_size, maxSize, bytes, reason);
}

bool writeFresh(const QString &path, const QByteArrayView &bytes, int mode, QString *reason)
{
    QString tempName;
    // Private until its mode is set, so nobody opens it in between.
    Fd fd(createTemporary(path, &tempName, 0600));
    if (fd.get() < 0) {
        *reason = describeError(errno);
        return false;
    }
    const QByteArray temp = local(tempName);
    int error = ::fchmod(fd.get(), mode_t(mode & 07777)) != 0 ? errno : 0;
    if (!error)
        error = writeAll(fd.get(), bytes.data(), bytes.size(), 0);
    if (!error && ::fsync(fd.get()) != 0)
        error = errno;
    if (const int closeError = fd.close(); !error)
        error = closeError;
    if (!error && ::rename(temp.constData(), local(path).constData()) != 0)
        error = errno;
    if (error) {
        ::unlink(temp.constData());
        *reason = describeError(error);
        return false;
    }
    Fd dir(::open(local(QFileInfo(path).absolutePath()).constData(),
                  O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get());
    return true;
}

bool write(const QString &path, const QByteArrayView &bytes, QString *reason)
{
    const QString target = resolved(path);
    std::optional<struct stat> old;
    struct stat st;
    if (::stat(local(target).constData(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) {
            *reason = kindOf(st.st_mode);
            return false;
        }
        old = st;
    } else if (errno != ENOENT) {
        *reason = describeError(errno);
        return false;
    }
    const QString folder = QFileInfo(target).absolutePath();
    const bool folderWritable = ::access(local(folder).constData(), W_OK) == 0;
    if (!old) {
        if (!QFileInfo(folder).isDir()) {
            *reason = describeError(QFileInfo::exists(folder) ? ENOTDIR : ENOENT);
            return false;
        }
        return writeReplacing(target, old, bytes, reason) == Outcome::Written;
    }
    // Renaming a new file over the old one would split its hard links.
    if (folderWritable && old->st_nlink <= 1) {
        switch (writeReplacing(target, old, bytes, reason)) {
        case Outcome::Written:
            return true;
        case Outcome::Failed:
            return false;
        case Outcome::NeedsInPlace:
            break;
        }
    }
    return writeInPlace(target, *old, bytes, reason);
}

LineEnding detectLineEnding(const QByteArrayView &bytes, LineEnding fallback)
{
    const char *data = bytes.data();
    const qsizetype n = bytes.size();
    if (n == 0)
        return fallback;
    // memchr for both bytes keeps this fast on huge one-line files.
    const void *lf = std::memchr(data, '\n', size_t(n));
    const void *cr = std::memchr(data, '\r', size_t(n));
    if (!cr)
        return lf ? LineEnding::Lf : fallback;
    if (lf && lf < cr)
        return LineEnding::Lf;
    const auto at = static_cast<const char *>(cr) - data;
    return at + 1 < n && data[at + 1] == '\n' ? LineEnding::CrLf : LineEnding::Cr;
}

void LineEndingScan::add(QByteArrayView piece)
{
    if (m_found || piece.isEmpty())
        return;
    if (m_crAtEnd) {
        m_found = piece.front() == '\n' ? LineEnding::CrLf : LineEnding::Cr;
        return;
    }
    const qsizetype lf = piece.indexOf('\n');
    const qsizetype cr = piece.indexOf('\r');
    if (cr < 0 || (lf >= 0 && lf < cr)) {
        if (lf >= 0)
            m_found = LineEnding::Lf;
        return;
    }
    if (cr + 1 < piece.size())
        m_found = piece[cr + 1] == '\n' ? LineEnding::CrLf : LineEnding::Cr;
    else
        m_crAtEnd = true;
}

LineEnding LineEndingScan::result(LineEnding fallback) const
{
    if (m_found)
        return *m_found;
    return m_crAtEnd ? LineEnding::Cr : fallback;
}

} // namespace FileBytes
