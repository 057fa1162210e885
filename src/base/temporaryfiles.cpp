#include "base/temporaryfiles.h"

#include "base/settingsfile.h"

#include <QFile>
#include <QFileInfo>

bool TemporaryFiles::add(const QString &path)
{
    if (!m_paths.contains(path))
        m_paths.append(path);
    const QString section = QString::fromLatin1(Sections::CleanUp);
    const int count = m_settings.read(Keys::CleanUpCount);
    for (int i = 1; i <= count; ++i)
        if (m_settings.readString(section, QString::number(i)) == path)
            return true;
    SettingsFile::Batch batch(m_settings);
    m_settings.writeString(section, QString::number(count + 1), path);
    m_settings.write(Keys::CleanUpCount, count + 1);
    return batch.commit();
}

void TemporaryFiles::deleteAll()
{
    for (const QString &path : std::as_const(m_paths))
        if (QFileInfo(path).isFile())
            QFile::remove(path);
}
