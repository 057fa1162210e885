#include "base/ownfiles.h"

#include "base/filebytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

namespace OwnFiles {

namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

Kind kindAt(const QString &path, QString *reason)
{
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0) {
        if (errno == ENOENT)
            return Kind::Absent;
        if (reason)
            *reason = QStringLiteral("%1: %2").arg(shown(path), FileBytes::describeError(errno));
        return Kind::Other;
    }
    if (st.st_uid != ::geteuid()) {
        if (reason)
            *reason = QStringLiteral("%1 belongs to another user").arg(shown(path));
        return Kind::Other;
    }
    if (S_ISREG(st.st_mode))
        return Kind::OwnFile;
    if (S_ISDIR(st.st_mode))
        return Kind::OwnFolder;
    if (reason)
        *reason = S_ISLNK(st.st_mode) ? QStringLiteral("%1 is a link").arg(shown(path))
                                      : QStringLiteral("%1 is not a regular file").arg(shown(path));
    return Kind::Other;
}

bool isPrivateFolder(const QString &path, QString *reason)
{
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0) {
        if (reason)
            *reason = QStringLiteral("%1: %2").arg(shown(path), FileBytes::describeError(errno));
        return false;
    }
    if (!S_ISDIR(st.st_mode)) {
        if (reason)
            *reason = QStringLiteral("%1 is not a folder").arg(shown(path));
        return false;
    }
    if (st.st_uid != ::geteuid()) {
        if (reason)
            *reason = QStringLiteral("%1 belongs to another user").arg(shown(path));
        return false;
    }
    if ((st.st_mode & 077) != 0) {
        if (reason)
            *reason = QStringLiteral("%1 may be used by other users").arg(shown(path));
        return false;
    }
    return true;
}

bool makeFolder(const QString &path, QString *reason)
{
    const QString clean = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (QFileInfo(clean).isDir())
        return true;
    const QString parent = QFileInfo(clean).absolutePath();
    if (parent != clean && !makeFolder(parent, reason))
        return false;
    if (::mkdir(QFile::encodeName(clean).constData(), 0700) == 0 || errno == EEXIST) {
        if (QFileInfo(clean).isDir())
            return true;
        if (reason)
            *reason = QStringLiteral("%1 exists but is not a folder").arg(shown(clean));
        return false;
    }
    if (reason)
        *reason = QStringLiteral("the folder %1 could not be made: %2")
                      .arg(shown(clean), FileBytes::describeError(errno));
    return false;
}

bool makePrivateFolder(const QString &path, QString *reason)
{
    if (::mkdir(QFile::encodeName(path).constData(), 0700) != 0 && errno != EEXIST) {
        if (reason)
            *reason = QStringLiteral("the folder %1 could not be made: %2")
                          .arg(shown(path), FileBytes::describeError(errno));
        return false;
    }
    return isPrivateFolder(path, reason);
}

QString runtimeFolder(QString *reason)
{
    const QString xdg = QFile::decodeName(qgetenv("XDG_RUNTIME_DIR"));
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg) && isPrivateFolder(xdg))
        return QDir::cleanPath(xdg);
    const QString own =
        QDir::tempPath() + QStringLiteral("/quillmark-%1").arg(qulonglong(::geteuid()));
    if (makePrivateFolder(own, reason))
        return own;
    return {};
}

} // namespace OwnFiles
