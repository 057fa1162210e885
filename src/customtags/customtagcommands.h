#pragma once

#include <QObject>

#include <functional>

class CommandActions;
class ModifierSource;
class Prompter;
class QMenu;
class SettingsFile;
class CustomTagEditor;
class TagController;
class TextEditor;

// The twenty custom tag commands of the Custom menu, their keys and toolbar buttons: a
// defined slot goes into the active document, an empty one (or any one with Shift held)
// opens its editor. Keeps the menu captions in step with the stored hints. Owned by the main
// frame.
class CustomTagCommands : public QObject
{
    Q_OBJECT

public:
    CustomTagCommands(SettingsFile &settings, Prompter &prompter, const ModifierSource &keyboard,
                      TagController &tags, QWidget *window);

    // Gives the twenty commands their handlers and the menu entries their captions.
    void registerHandlers(CommandActions &commands);
    // Refreshes the captions whenever the menu opens, as the file may have changed.
    void watchMenu(QMenu *menu);

    // Invokes slot 1 to 20.
    void CustomCodes(int slot);
    // Sets the menu captions after the stored hints; a slot without a hint key keeps its own.
    void Custom2Click();
    CustomTagEditor *openEditor(int slot);

Q_SIGNALS:
    // A slot was saved or deleted: the toolbar reads its hints again.
    void changed();

private:
    SettingsFile &m_settings;
    Prompter &m_prompter;
    const ModifierSource &m_keyboard;
    TagController &m_tags;
    QWidget *m_window;
    CommandActions *m_commands = nullptr;
};
