#include "helperprograms/helperprograms.h"

#include "base/filedialogs.h"
#include "base/programcommand.h"
#include "base/programstarter.h"
#include "base/prompter.h"
#include "base/settingsfile.h"
#include "commands/commandactions.h"
#include "commands/commandids.h"
#include "helperprograms/helpercaptions.h"
#include "widgets/returnbutton.h"

#include <QAction>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {

const char *const HelperCommands[HelperPrograms::Count] = {
    Cmd::nonef2Click, Cmd::nonef3Click, Cmd::nonef4Click, Cmd::nonef5Click,
    Cmd::nonef6Click, Cmd::nonef7Click, Cmd::nonef8Click};

} // namespace

HelperPrograms::HelperPrograms(SettingsFile &settings, Prompter &prompter, ProgramStarter &programs,
                               ReturnButtons &returnButtons, std::function<FileDialogs &()> dialogs,
                               QWidget *window)
    : QObject(window), m_settings(settings), m_prompter(prompter), m_programs(programs),
      m_returnButtons(returnButtons), m_dialogs(std::move(dialogs)), m_window(window)
{
    connect(&m_settings, &SettingsFile::applied, this, &HelperPrograms::helpermenu);
}

void HelperPrograms::registerHandlers(CommandActions &commands)
{
    m_commands = &commands;
    m_popup = new QMenu(m_window);
    m_popup->setObjectName(QStringLiteral("PopupHelper"));
    for (int n = 0; n < Count; ++n) {
        commands.setHandler(QLatin1String(HelperCommands[n]), [this, n] { openhelper(n); });
        m_popup->addAction(commands.action(QLatin1String(HelperCommands[n])));
    }
    commands.setHandler(Cmd::Helpersrightclick, [this] { m_popup->popup(QCursor::pos()); });
    helpermenu();
}

void HelperPrograms::helpermenu()
{
    if (!m_commands)
        return;
    for (int n = 0; n < Count; ++n)
        if (QAction *action = m_commands->action(QLatin1String(HelperCommands[n])))
            action->setText(HelperCaptions::caption(m_settings, n));
}

void HelperPrograms::openhelper(int helper)
{
    if (helper < 0 || helper >= Count)
        return;
    if (m_programs.isRunning(m_started[helper])) {
        m_returnButtons.show();
        m_programs.bringForward(m_started[helper]);
        return;
    }
    QString path = m_settings.read(Keys::HelperPaths[helper]);
    if (path.isEmpty()) {
        const QStringList chosen = m_dialogs().openFiles(
            QStringLiteral("Please locate your helper program"), QStringLiteral("/usr/bin"),
            QStringLiteral("All files (*)"), false);
        if (chosen.isEmpty())
            return;
        const QFileInfo info(chosen.first());
        if (!info.isFile() || !info.isExecutable()) {
            m_prompter.error(QStringLiteral("%1 is not a program that can be started")
                                 .arg(QDir::toNativeSeparators(chosen.first())));
            return;
        }
        path = chosen.first();
        SettingsFile::Batch batch(m_settings);
        m_settings.write(Keys::HelperNames[helper], QString());
        m_settings.write(Keys::HelperPaths[helper], path);
        batch.commit();
        helpermenu();
    }
    const ProgramCommand command = ProgramCommand::parse(path);
    QString reason;
    qint64 pid = 0;
    if (!m_programs.start(command.program, command.arguments, &pid, &reason)) {
        m_prompter.error(QStringLiteral("The helper program %1 could not be started: %2")
                             .arg(QDir::toNativeSeparators(command.program), reason));
        return;
    }
    m_started[helper] = pid;
    m_returnButtons.show();
}
