#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

class SettingsFile;

// The temporary files this run made (preview files, estimates), kept in memory and listed in
// the settings file's clean-up section. Only the files registered here are deleted when the
// program ends, so a path that another copy of the program or the user put into the section
// is never touched. Each file is remembered as it was written (device, inode, size,
// modification time and a hash of its content): a file that is no longer exactly that (the
// user saved a page under its name, or put a link there) is the user's, and is neither
// deleted nor overwritten. Owned by the main frame; the features that make temporary files
// are handed it.
class TemporaryFiles
{
public:
    // Never more entries than this are looked at in the clean-up section, whatever its count.
    static constexpr int MaxListed = 1000;

    explicit TemporaryFiles(SettingsFile &settings) : m_settings(settings) {}

    // Remembers the file as it is now, just written with these bytes, and adds it to the
    // clean-up section unless the section already lists it. False when the file is not there
    // as written, or when the section could not be written (the file is remembered anyway).
    bool add(const QString &path, const QByteArrayView &bytes);
    // The same, with the file's content read back.
    bool add(const QString &path);
    // File names are compared as Linux compares them: letter case counts.
    bool contains(const QString &path) const;
    // Registered, and still exactly the file this run wrote.
    bool isUnchanged(const QString &path) const;
    QStringList paths() const;

    // Deletes every registered file that is still exactly as written; others are left alone.
    void deleteAll();

private:
    struct Written
    {
        QString path;
        quint64 device = 0;
        quint64 inode = 0;
        qint64 size = 0;
        qint64 modifiedNs = 0;
        size_t hash = 0;
    };
    static bool fingerprint(const QString &path, Written *written);
    static size_t hashOf(const QByteArrayView &bytes);

    SettingsFile &m_settings;
    QList<Written> m_files;
};
