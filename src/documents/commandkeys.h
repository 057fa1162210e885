#pragma once

#include <QHash>
#include <QSet>
#include <QString>

class CommandActions;
class QKeyEvent;
class QKeySequence;
class QMdiSubWindow;
class QsciScintilla;

// Keeps the keys of the commands for the commands inside a document window. The editor
// component and the window's system menu bring key maps of their own; a key that one of them
// shares with a command would do the component's thing instead, or nothing at all (two
// holders make a shortcut ambiguous). So both give up every key a command holds, and the
// keys the editor keeps for undo and the clipboard are taken over for the program's commands
// of the same job, whose paste knows the document's encoding. Owned by DocumentAids.
class CommandKeys
{
public:
    explicit CommandKeys(const CommandActions &commands);

    // Reads the commands' keys again after the user chose others; the editors and windows
    // claimed before must be claimed again.
    void reload(const CommandActions &commands);

    // Clears the commands' keys from the editor's key map and takes over its undo and
    // clipboard keys. Claimed again, the editor first gets back the keys no command holds now.
    void claim(QsciScintilla &editor);
    // Clears the commands' keys from the actions of the window's system menu, giving back
    // those that no command holds any more.
    void claim(QMdiSubWindow &window) const;

    bool holds(const QKeySequence &keys) const;
    // Whether a command holds the key pressed; such a key reaches the editor only while the
    // command cannot run, and must then do nothing.
    bool holds(const QKeyEvent &event) const;
    // The command a taken-over editor key runs, or an empty text.
    QString takenOver(const QKeyEvent &event) const;

private:
    QSet<int> m_held;
    QHash<int, QString> m_takenOver;
};
