#pragma once

#include <QHash>
#include <QString>

#include <functional>

class CommandActions;
class QMenu;
class QMenuBar;
class EditingOptions;

// Builds the main menu from its table. The first entry of a command with the command's own
// caption shows the command's action itself; any other entry of it (another caption, another
// menu) is a plain entry with the shortcut text after a tab that triggers the same action, so
// no key is ever claimed twice. Hidden entries are left out: their actions sit on the window.
class MenuBuilder
{
public:
    // Returns the menus by object name ("File1", "Edit1", ..., and named submenus such as
    // "RecentFiles" and "HelperProgram") for the main frame to fill or watch.
    static QHash<QString, QMenu *> build(QMenuBar *bar, CommandActions &commands);
};

// What the Edit menu shows on opening, taken from the active document.
struct EditMenuState
{
    bool hasDocument = false;
    bool wordWrap = false;
    bool liveSpelling = false;
    bool colouredTags = false;
    bool canUndo = false;
    bool canRedo = false;
    bool hasSelection = false;
    bool clipboardHasText = false;
};

namespace MenuState {
// The Edit menu's check marks, enabled entries and spelling caption; nothing changes while
// no document is open.
void applyEdit(CommandActions &commands, const EditMenuState &state);
// Enables again what applyEdit disabled, so that keys and toolbar items work once the menu
// is closed and the selection has changed.
void releaseEdit(CommandActions &commands);
// "Stron&g" or "&Bold", "&Em" or "&Italics", after the cached options.
void applyCharacter(CommandActions &commands, const EditingOptions &options);

// Connects the updates to the menus' opening and closing.
void watchEdit(QMenu *edit, CommandActions &commands, std::function<EditMenuState()> state);
void watchCharacter(QMenu *character, CommandActions &commands, const EditingOptions &options);
} // namespace MenuState
