#pragma once

#include "base/programstarter.h"

// Starts programs detached from this one, opens files with the desktop's default handler
// and, on an X11 desktop, raises the windows of a process we started.
class DesktopPrograms : public ProgramStarter
{
public:
    bool start(const QString &program, const QStringList &arguments, qint64 *pid,
               QString *reason) override;
    bool openUrl(const QUrl &url) override;
    bool isRunning(qint64 pid) const override;
    void bringForward(qint64 pid) override;

    // Why a program cannot be started, or empty when it looks startable.
    static QString problemWith(const QString &program);
};
