#include "base/temporaryfiles.h"

#include "base/settingsfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool TemporaryFiles::add(const QString &path)
{
    const QString full = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (!m_paths.contains(full))
        m_paths.append(full);
    const QString section = QString::fromLatin1(Sections::CleanUp);
    const int count = m_settings.read(Keys::CleanUpCount);
    for (int i = 1; i <= count; ++i)
        if (m_settings.readString(section, QString::number(i)) == full)
            return true;
    SettingsFile::Batch batch(m_settings);
    m_settings.writeString(section, QString::number(count + 1), full);
    m_settings.write(Keys::CleanUpCount, count + 1);
    return batch.commit();
}

void TemporaryFiles::deleteAll()
{
    // Only what is still a plain file of ours: a folder or a link put in its place since is
    // left alone.
    for (const QString &path : std::as_const(m_paths)) {
        const QFileInfo info(path);
        if (info.isFile() && !info.isSymLink())
            QFile::remove(path);
    }
    m_paths.clear();
}
