#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

// Starting other programs: a program with an argument list (never through a shell), a file
// with the desktop's default handler, and finding a started program again. The program uses
// the desktop; tests record the calls.
class ProgramStarter
{
public:
    virtual ~ProgramStarter() = default;

    // Starts the program on its own (it outlives this one). On failure returns false and
    // sets a readable reason; on success sets the process id when asked for.
    virtual bool start(const QString &program, const QStringList &arguments, qint64 *pid,
                       QString *reason) = 0;
    // Opens the address with the desktop's default handler; false when none took it.
    virtual bool openUrl(const QUrl &url) = 0;
    // Whether the process we started is still running.
    virtual bool isRunning(qint64 pid) const = 0;
    // Brings the windows of the process to the front where the desktop allows it.
    virtual void bringForward(qint64 pid) = 0;
};
