#pragma once

#include <QString>

// The folder that holds the settings file and the folders data, template and library, and
// the user's documents folder, where the file dialogs start until a data folder is set.
// main() decides them once; everything else is handed the HomeFolder.
class HomeFolder
{
public:
    // The executable's own folder when it already holds a settings file (a portable copy;
    // an empty file counts), else the per-user data folder. So a build tree, whose contents a
    // clean deletes, never keeps the user's pages and settings by chance.
    static QString choose(const QString &executableDir, const QString &userDataDir);

    // Without a documents folder, the user's documents folder of the platform.
    explicit HomeFolder(QString path, QString documentsDir = QString());

    const QString &path() const { return m_path; }
    const QString &documentsDir() const { return m_documents; }
    QString file(const QString &name) const; // path + "/" + name
    QString settingsPath() const { return file(QStringLiteral("quillm.ini")); }
    QString dataDir() const { return file(QStringLiteral("data")); }
    QString templateDir() const { return file(QStringLiteral("template")); }
    QString libraryDir() const { return file(QStringLiteral("library")); }

    // Creates the home folder and data, template and library when missing. On failure
    // returns false and says which folder and why.
    bool createFolders(QString *error) const;

    // Copies every file of the shipped data folder that the home folder lacks; files the
    // user already has are never overwritten. The help pages stay where they were installed:
    // the program reads them there, so a newer version's pages are the ones shown. The shipped
    // templates go only into a template folder that holds no file.
    void copyShippedData(const QString &shippedDir) const;

private:
    QString m_path;
    QString m_documents;
};
