#include "base/temporaryfiles.h"

#include "base/filebytes.h"
#include "base/settingsfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHashFunctions>

#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QString fullPath(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

size_t TemporaryFiles::hashOf(const QByteArrayView &bytes)
{
    return qHashBits(bytes.data(), size_t(bytes.size()), 0x9e3779b9u);
}

// The file at the name as it is now, without following a link; false when it is not a
// regular file.
bool TemporaryFiles::fingerprint(const QString &path, Written *written)
{
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    written->path = path;
    written->device = st.st_dev;
    written->inode = st.st_ino;
    written->size = st.st_size;
    written->modifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return true;
}

bool TemporaryFiles::add(const QString &path)
{
    QByteArray bytes;
    QString reason;
    if (!FileBytes::readOwn(path, &bytes, &reason))
        return false;
    return add(path, bytes);
}

bool TemporaryFiles::add(const QString &path, const QByteArrayView &bytes)
{
    const QString full = fullPath(path);
    Written written;
    if (!fingerprint(full, &written) || written.size != bytes.size())
        return false;
    written.hash = hashOf(bytes);
    const auto known = std::find_if(m_files.begin(), m_files.end(),
                                    [&](const Written &w) { return w.path == full; });
    if (known != m_files.end())
        *known = written;
    else
        m_files.append(written);
    const QString section = QString::fromLatin1(Sections::CleanUp);
    // The count comes from a file anyone may edit: never walked past a sane bound.
    const int count = std::clamp(m_settings.read(Keys::CleanUpCount), 0, MaxListed);
    for (int i = 1; i <= count; ++i)
        if (m_settings.readString(section, QString::number(i)) == full)
            return true;
    if (count >= MaxListed)
        return true;
    SettingsFile::Batch batch(m_settings);
    m_settings.writeString(section, QString::number(count + 1), full);
    m_settings.write(Keys::CleanUpCount, count + 1);
    return batch.commit();
}

bool TemporaryFiles::contains(const QString &path) const
{
    return std::any_of(m_files.cbegin(), m_files.cend(),
                       [&](const Written &w) { return w.path == path; });
}

QStringList TemporaryFiles::paths() const
{
    QStringList out;
    for (const Written &w : m_files)
        out << w.path;
    return out;
}

bool TemporaryFiles::isUnchanged(const QString &path) const
{
    const auto known = std::find_if(m_files.cbegin(), m_files.cend(),
                                    [&](const Written &w) { return w.path == path; });
    if (known == m_files.cend())
        return false;
    Written now;
    if (!fingerprint(path, &now) || now.device != known->device || now.inode != known->inode ||
        now.size != known->size || now.modifiedNs != known->modifiedNs)
        return false;
    QByteArray bytes;
    QString reason;
    return FileBytes::readOwn(path, &bytes, &reason) && hashOf(bytes) == known->hash;
}

void TemporaryFiles::deleteAll()
{
    // Only what is still exactly the file this run wrote: a page the user saved under the
    // name, a folder or a link put in its place since is left alone.
    for (const Written &w : std::as_const(m_files))
        if (isUnchanged(w.path))
            QFile::remove(w.path);
    m_files.clear();
}
