#include "files/temporaryfiles.h"

#include "base/settingsfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void TemporaryFiles::add(const QString &path)
{
    const QString full = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (m_files.contains(full))
        return;
    m_files << full;
    SettingsFile::Batch batch(m_settings);
    m_settings.write(Keys::CleanUpCount, int(m_files.size()));
    m_settings.writeString(QString::fromLatin1(Sections::CleanUp), QString::number(m_files.size()),
                           full);
}

void TemporaryFiles::deleteAll()
{
    for (const QString &path : std::as_const(m_files)) {
        const QFileInfo info(path);
        if (info.isFile() && !info.isSymLink())
            QFile::remove(path);
    }
    m_files.clear();
}
