#pragma once

#include <QObject>

#include <array>
#include <functional>

class CommandActions;
class FileDialogs;
class ProgramStarter;
class Prompter;
class QMenu;
class QWidget;
class ReturnButtons;
class SettingsFile;

// The seven helper programs of the Helper Program menu: any program the user works with
// beside the editor. The first use of one asks where it is; it is then started on its own,
// never through a shell, and while the copy we started still runs it is brought forward
// instead of started again. Owned by the main frame.
class HelperPrograms : public QObject
{
    Q_OBJECT

public:
    static constexpr int Count = 7;

    HelperPrograms(SettingsFile &settings, Prompter &prompter, ProgramStarter &programs,
                   ReturnButtons &returnButtons, std::function<FileDialogs &()> dialogs,
                   QWidget *window);

    // Gives the seven commands and the toolbar's pop-up their handlers.
    void registerHandlers(CommandActions &commands);
    // Sets the seven captions after the stored names and paths.
    void helpermenu();
    // Starts helper n (0 to 6), or brings forward the copy we started.
    void openhelper(int helper);
    // The pop-up the toolbar item's right button shows.
    QMenu *popup() const { return m_popup; }
    // The process last started for helper n, 0 when none.
    qint64 startedProcess(int helper) const { return m_started[std::size_t(helper)]; }

private:
    SettingsFile &m_settings;
    Prompter &m_prompter;
    ProgramStarter &m_programs;
    ReturnButtons &m_returnButtons;
    std::function<FileDialogs &()> m_dialogs;
    QWidget *m_window;
    CommandActions *m_commands = nullptr;
    QMenu *m_popup = nullptr;
    std::array<qint64, Count> m_started{};
};
