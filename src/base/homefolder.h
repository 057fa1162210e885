#pragma once

#include <QString>

// The folder that holds the settings file and the folders data, template and library.
// main() decides it once; everything else is handed the HomeFolder.
class HomeFolder
{
public:
    // The executable's own folder when it is writable (a portable copy, the build tree),
    // else the per-user data folder.
    static QString choose(const QString &executableDir, const QString &userDataDir);

    explicit HomeFolder(QString path);

    const QString &path() const { return m_path; }
    QString file(const QString &name) const; // path + "/" + name
    QString settingsPath() const { return file(QStringLiteral("quillm.ini")); }
    QString dataDir() const { return file(QStringLiteral("data")); }
    QString templateDir() const { return file(QStringLiteral("template")); }
    QString libraryDir() const { return file(QStringLiteral("library")); }

    // Creates the home folder and data, template and library when missing. On failure
    // returns false and says which folder and why.
    bool createFolders(QString *error) const;

    // Copies every file of the shipped data folder that the home folder lacks; files the
    // user already has are never overwritten.
    void copyShippedData(const QString &shippedDir) const;

private:
    QString m_path;
};
