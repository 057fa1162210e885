#pragma once

#include <QList>
#include <QString>

class SettingsFile;

// The named documents open when the program closed, in tab order, with their caret and first
// visible line, and which one was active; kept in the settings file's "Session" section so
// that the next start can open them again.
struct StoredSession
{
    struct Document
    {
        QString path;
        int caret = 0;
        int firstLine = 0;
        friend bool operator==(const Document &, const Document &) = default;
    };
    QList<Document> documents;
    int active = -1; // index into documents, -1 for none

    static StoredSession read(const SettingsFile &settings);
    // Replaces the section; an empty session leaves it empty.
    bool write(SettingsFile &settings) const;
};
