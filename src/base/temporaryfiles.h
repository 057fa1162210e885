#pragma once

#include <QString>
#include <QStringList>

class SettingsFile;

// The temporary files this run made (preview files, estimates), kept in memory and listed in
// the settings file's clean-up section. Only the files registered here are deleted when the
// program ends, so a path that another copy of the program or the user put into the section
// is never touched. Owned by the main frame; the features that make temporary files are
// handed it.
class TemporaryFiles
{
public:
    explicit TemporaryFiles(SettingsFile &settings) : m_settings(settings) {}

    // Remembers the file and adds it to the clean-up section unless the section already
    // lists it. False when the section could not be written (the file is remembered anyway).
    bool add(const QString &path);
    // File names are compared as Linux compares them: letter case counts.
    bool contains(const QString &path) const { return m_paths.contains(path); }
    const QStringList &paths() const { return m_paths; }

    // Deletes every registered file that still exists; missing ones are skipped.
    void deleteAll();

private:
    SettingsFile &m_settings;
    QStringList m_paths;
};
