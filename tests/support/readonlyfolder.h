#pragma once

#include <QDir>
#include <QFile>
#include <QString>

#include <cerrno>
#include <cstring>

#include <sys/mount.h>
#include <unistd.h>

// A folder that turns read-only for this process once lock() is called. Permissions do not
// stop root, so as root a small file system is mounted over the folder and made read-only;
// otherwise the folder and its files lose their write bits. error() says why neither works.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(QString path) : m_path(std::move(path))
    {
        QDir().mkpath(m_path);
        if (::geteuid() != 0)
            return;
        if (::mount("tmpfs", QFile::encodeName(m_path).constData(), "tmpfs", 0, "size=1m") != 0)
            m_error = QStringLiteral("root cannot mount a file system here (%1), and nothing "
                                     "else stops root from writing")
                          .arg(QString::fromLocal8Bit(std::strerror(errno)));
        else
            m_mounted = true;
    }
    ~ReadOnlyFolder()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_path).constData(), MNT_DETACH);
        else
            setWritable(true);
    }
    ReadOnlyFolder(const ReadOnlyFolder &) = delete;
    ReadOnlyFolder &operator=(const ReadOnlyFolder &) = delete;

    const QString &error() const { return m_error; }
    const QString &path() const { return m_path; }

    bool lock()
    {
        if (!m_error.isEmpty())
            return false;
        if (m_mounted)
            return ::mount(nullptr, QFile::encodeName(m_path).constData(), nullptr,
                           MS_REMOUNT | MS_RDONLY, nullptr) == 0;
        setWritable(false);
        return true;
    }

private:
    void setWritable(bool writable)
    {
        const auto dirMode = writable ? QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                      : QFile::ReadOwner | QFile::ExeOwner;
        const auto fileMode = writable ? QFile::ReadOwner | QFile::WriteOwner
                                       : QFileDevice::Permissions(QFile::ReadOwner);
        for (const QFileInfo &info :
             QDir(m_path).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot))
            QFile::setPermissions(info.filePath(), info.isDir() ? dirMode : fileMode);
        QFile::setPermissions(m_path, dirMode);
    }

    QString m_path;
    QString m_error;
    bool m_mounted = false;
};
