#pragma once

#include <QString>
#include <QStringList>

class QPrinter;

// The dialogs of the file commands. The program shows Qt's dialogs; tests give the answers.
class FileDialogs
{
public:
    virtual ~FileDialogs() = default;
    // The files chosen, in the dialog's order; empty when cancelled.
    virtual QStringList openFiles(const QString &title, const QString &folder,
                                  const QString &filter, bool several) = 0;
    // The name chosen (the caller asks before replacing a file); empty when cancelled.
    virtual QString saveFile(const QString &folder, const QString &suggestedName,
                             const QString &filter) = 0;
    // A save dialog under a title of its own; a name that does not exist yet may be given.
    virtual QString saveFileTitled(const QString &title, const QString &folder,
                                   const QString &suggestedName, const QString &filter)
    {
        (void)title;
        return saveFile(folder, suggestedName, filter);
    }
    // The print dialog and the page set-up dialog; false when cancelled.
    virtual bool choosePrinter(QPrinter &printer) = 0;
    virtual bool setUpPage(QPrinter &printer) = 0;
};
