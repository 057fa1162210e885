#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// A configured program as the settings file holds it: a path, or a path followed by
// arguments written like a command line ("/usr/bin/browser --new-window"). It is split into
// the program and an argument list, so that nothing ever passes through a shell.
struct ProgramCommand
{
    QString program;
    QStringList arguments;

    bool isEmpty() const { return program.isEmpty(); }

    // A text that names an existing file as a whole is that program, blanks and all;
    // anything else is split as a command line (quotes group words).
    static ProgramCommand parse(const QString &text,
                                const std::function<bool(const QString &)> &isFile);
    // The same, asking the file system.
    static ProgramCommand parse(const QString &text);
};
