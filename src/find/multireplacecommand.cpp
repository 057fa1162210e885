#include "find/multireplacecommand.h"

#include "commands/commandactions.h"
#include "commands/commandids.h"
#include "find/findcontroller.h"
#include "find/multireplacedialog.h"

#include <QWidget>

MultiReplaceCommand::MultiReplaceCommand(FindController &find, Prompter &prompter,
                                         ReplaceList::IsOpen isOpen,
                                         std::function<void(int topic)> help, QWidget *frame)
    : QObject(frame), m_find(find), m_prompter(prompter), m_isOpen(std::move(isOpen)),
      m_help(std::move(help)), m_frame(frame)
{
}

void MultiReplaceCommand::registerHandlers(CommandActions &commands)
{
    commands.setHandler(Cmd::MultiDocFR1Click, [this] { MultiDocFR1Click(); });
}

MultiReplaceDialog *MultiReplaceCommand::MultiDocFR1Click()
{
    m_find.closeAll();
    auto *dialog =
        new MultiReplaceDialog({m_find, m_prompter, m_isOpen, m_projectEntries, m_help}, m_frame);
    dialog->show();
    dialog->activateWindow();
    return dialog;
}
