#pragma once

#include <QString>

class SettingsFile;

// What the Open and Save dialogs share: their filters and one initial folder, which
// follows the last file chosen in either. Owned by the document files controller.
class FileDialogState
{
public:
    static inline const QString OpenFilter = QStringLiteral(
        "Quillmark files|*.htm*;*.qpj|HTML files|*.htm*|Project files|*.qpj|All files|*.*");
    static inline const QString SaveFilter = QStringLiteral("HTML Files|*.htm*|Any File|*.*");

    // Sets the folder from "Locations"/"data" when it is a folder, else the user's documents
    // folder, and the user's filter list when there is one.
    void start(const SettingsFile &settings, const QString &userDocuments);
    // Before each Open, Insert File and Save As: the user's filter list replaces both
    // filters, and Shift held starts both dialogs in the data folder (or the documents one).
    void prepare(const SettingsFile &settings, const QString &userDocuments, bool shiftHeld);
    // Both dialogs start in this file's folder next time.
    void chosen(const QString &file);
    // Both dialogs start in this folder next time.
    void setFolder(const QString &folder) { m_folder = folder; }

    const QString &folder() const { return m_folder; }
    QString openFilter() const; // Qt's filter form
    QString saveFilter() const;

private:
    void applyUserFilter(const SettingsFile &settings);
    static QString documentsFolder(const SettingsFile &settings, const QString &userDocuments);

    QString m_folder;
    QString m_open = OpenFilter;
    QString m_save = SaveFilter;
};
