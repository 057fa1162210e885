#pragma once

#include "base/filedialogs.h"

#include <QList>
#include <QPrinter>
#include <QStringList>

// Answers the file commands' dialogs from a script and records what each was shown with.
class ScriptedDialogs : public FileDialogs
{
public:
    struct Shown
    {
        QString title;
        QString folder;
        QString filter;
        QString suggested;
    };

    QStringList openFiles(const QString &title, const QString &folder, const QString &filter,
                          bool several) override
    {
        shown << Shown{title, folder, filter, QString()};
        QStringList answer = openAnswers.isEmpty() ? QStringList() : openAnswers.takeFirst();
        if (!several && answer.size() > 1)
            answer = answer.mid(0, 1);
        return answer;
    }
    QString saveFile(const QString &folder, const QString &suggestedName,
                     const QString &filter) override
    {
        shown << Shown{QStringLiteral("Save As"), folder, filter, suggestedName};
        return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
    }
    QString saveFileTitled(const QString &title, const QString &folder,
                           const QString &suggestedName, const QString &filter) override
    {
        shown << Shown{title, folder, filter, suggestedName};
        return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
    }
    bool choosePrinter(QPrinter &printer) override
    {
        shown << Shown{QStringLiteral("Print"), {}, {}, {}};
        if (pdfPath.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
        return true;
    }
    bool setUpPage(QPrinter &) override
    {
        shown << Shown{QStringLiteral("Print Setup"), {}, {}, {}};
        return true;
    }

    QList<QStringList> openAnswers;
    QStringList saveAnswers;
    QString pdfPath; // empty: the print dialog is cancelled
    QList<Shown> shown;
};
