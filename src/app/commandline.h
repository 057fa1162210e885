#pragma once

#include <QString>
#include <QStringList>

// What the words after the program name ask for. Every word joins, one blank between
// them, into one file name, since a name with blanks may arrive unquoted in several words.
struct CommandLine
{
    enum class Action { Run, Help, Version };

    Action action = Action::Run;
    QString fileName;

    static CommandLine parse(const QStringList &words);
    static QString helpText();
};
