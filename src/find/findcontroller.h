#pragma once

#include "find/findbarplaces.h"
#include "find/finder.h"
#include "find/findstate.h"

#include <QObject>

#include <functional>

class CommandActions;
class FindBar;
class FindDialog;
class ActiveEditor;
class Prompter;
class SettingsFile;
class QWidget;

// Owns the program's find state, its search routine and the two find windows: the
// find-and-replace dialog and the find-again bar, at most one of each, made on first use and
// freed when they close. Owned by the main frame, whose window is the windows' parent.
class FindController : public QObject
{
    Q_OBJECT

public:
    FindController(SettingsFile &settings, TextEditor &storememo, Prompter &prompter,
                   const ActiveEditor &editors, QWidget *frame);
    // The handlers of the commands it carries out.
    void registerHandlers(CommandActions &commands);
    ~FindController() override;

    // Ctrl+F: opens the dialog unless no document is open or either window is open.
    void FindbutClick();
    // F3: nothing without a document or while the dialog is open; one more search while the
    // bar is open; otherwise opens the bar.
    void FagainbutClick();
    // Closes both windows, running their close steps.
    void closeAll();
    // Escape in a document: both windows go at once without their close steps, so nothing
    // is written and the saved texts keep what the last search handed over.
    void dropAll();

    FindDialog *dialog() const { return m_dialog; }
    FindBar *bar() const { return m_bar; }
    FindState &state() { return m_state; }
    Finder &finder() { return m_finder; }
    SettingsFile &settings() const { return m_settings; }
    bool hasDocument() const { return m_active && m_active(); }
    // Where the find-again bar lies, and how the keyboard goes back to the active document
    // after a press on one of its buttons. The main frame hands them in once it is built.
    void setBarPlaces(const FindBarPlaces &places, std::function<void()> returnFocus);
    // Gives the keyboard focus back to the main frame.
    void returnFocus() const;
    // F1 in either window opens the help on finding and replacing.
    void setHelp(std::function<void(int topic)> help) { m_help = std::move(help); }
    void showHelp() const;

private:
    SettingsFile &m_settings;
    FindState m_state;
    Finder::ActiveEditor m_active;
    Finder m_finder;
    QWidget *m_frame;
    FindDialog *m_dialog = nullptr;
    FindBar *m_bar = nullptr;
    FindBarPlaces m_places;
    std::function<void()> m_returnFocus;
    std::function<void(int topic)> m_help;
};
