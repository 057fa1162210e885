#pragma once

#include <QString>
#include <QStringList>

// What the words after the program name ask for. Every word joins, one blank between
// them, into one file name, since a name with blanks may arrive unquoted in several words.
struct CommandLine
{
    // Check: "--check PAGE..." checks the pages and prints their problems, without a window.
    enum class Action { Run, Help, Version, Check };

    Action action = Action::Run;
    QString fileName;
    QStringList words;

    static CommandLine parse(const QStringList &words);
    // The files to open: the joined name when it names a file (or there is only one word);
    // else each word as a name of its own, so that one missing or unreadable name never keeps
    // the others from opening.
    QStringList fileNames(const QString &workingDir) const;
    static QString helpText();
};
