#pragma once

#include <QObject>

class DocumentFiles;
class DocumentRegistry;
class DocumentJournal;
class Prompter;
class SettingsFile;
class DocumentWindow;

// Brings the documents of the last run back at start and keeps the list of open documents at
// a clean end. After a run that ended without closing, the recovery journal's documents with
// unsaved changes are offered back; otherwise, with "reopen" on, the files open at the last
// end open again where their carets stood. Owned by the main frame.
class SessionRestore
{
public:
    SessionRestore(DocumentRegistry &registry, DocumentFiles &files, DocumentJournal &journal,
                   SettingsFile &settings, Prompter &prompter);

    // Runs once at start, before the files of the command line open. True when it opened
    // any document.
    bool atStart();
    // Runs at a clean end, while every document is still open.
    void atEnd();

    static QString question(const QStringList &names);

private:
    DocumentRegistry &m_registry;
    DocumentFiles &m_files;
    DocumentJournal &m_journal;
    SettingsFile &m_settings;
    Prompter &m_prompter;
};
