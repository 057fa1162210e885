#pragma once

#include <QString>
#include <QStringList>

class SettingsFile;

// The temporary files of this run (previews handed to browsers), deleted when the program
// ends. Only what was registered here in this run is ever deleted: a name read from the
// settings file, stale or edited by hand, could be a user's page. The list is also written
// to section "CleanUp" for the record. Owned by the main frame.
class TemporaryFiles
{
public:
    explicit TemporaryFiles(SettingsFile &settings) : m_settings(settings) {}

    void add(const QString &path);
    const QStringList &files() const { return m_files; }
    // Deletes each registered file that is still a regular file; the rest are skipped.
    void deleteAll();

private:
    SettingsFile &m_settings;
    QStringList m_files;
};
