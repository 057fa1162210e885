#pragma once

#include "find/replacelist.h"

#include <QObject>

#include <functional>

class CommandActions;
class FindController;
class MultiReplaceDialog;
class Prompter;
class QWidget;

// Edit, Multiple Files... and its toolbar item: close the find windows, open a new
// multi-file replace dialog over the frame. Needs no open document. Owned by the main frame.
class MultiReplaceCommand : public QObject
{
    Q_OBJECT

public:
    MultiReplaceCommand(FindController &find, Prompter &prompter, ReplaceList::IsOpen isOpen,
                        std::function<void(int topic)> help, QWidget *frame);

    // How a project file's entries are read; until it is set, projects add nothing.
    void setProjectEntries(ReplaceList::ProjectEntries entries)
    {
        m_projectEntries = std::move(entries);
    }
    void registerHandlers(CommandActions &commands);
    MultiReplaceDialog *MultiDocFR1Click();

private:
    FindController &m_find;
    Prompter &m_prompter;
    ReplaceList::IsOpen m_isOpen;
    ReplaceList::ProjectEntries m_projectEntries;
    std::function<void(int topic)> m_help;
    QWidget *m_frame;
};
