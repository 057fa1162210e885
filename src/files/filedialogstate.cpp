#include "files/filedialogstate.h"

#include "base/settingsfile.h"
#include "files/filenamerules.h"

#include <QFileInfo>

QString FileDialogState::documentsFolder(const SettingsFile &settings, const QString &userDocuments)
{
    const QString data = settings.read(Keys::DataFolder);
    return !data.isEmpty() && QFileInfo(data).isDir() ? data : userDocuments;
}

void FileDialogState::applyUserFilter(const SettingsFile &settings)
{
    const QString own = settings.read(Keys::YourFiles);
    // A list that yields no filter at all would leave the dialogs showing nothing.
    const bool usable = !own.isEmpty() && !FileNameRules::qtFilter(own).isEmpty();
    m_open = usable ? own : OpenFilter;
    m_save = usable ? own : SaveFilter;
}

void FileDialogState::start(const SettingsFile &settings, const QString &userDocuments)
{
    m_folder = documentsFolder(settings, userDocuments);
    applyUserFilter(settings);
}

void FileDialogState::prepare(const SettingsFile &settings, const QString &userDocuments,
                              bool shiftHeld)
{
    applyUserFilter(settings);
    if (shiftHeld)
        m_folder = documentsFolder(settings, userDocuments);
}

void FileDialogState::chosen(const QString &file)
{
    m_folder = QFileInfo(file).absolutePath();
}

QString FileDialogState::openFilter() const
{
    return FileNameRules::qtFilter(m_open);
}

QString FileDialogState::saveFilter() const
{
    return FileNameRules::qtFilter(m_save);
}
