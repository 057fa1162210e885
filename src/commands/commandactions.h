#pragma once

#include "commands/keymap.h"

#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QAction;
class QWidget;
class SettingsFile;
struct CommandRow;

// One QAction per command of the command table, owning its shortcut, and the routing of
// every command to its handler. The actions live on the main window, so a shortcut works
// even where its menu entry is hidden; menus and toolbar items share them. A command that
// has no handler yet stays disabled; a command that needs a document does nothing while
// none is open. Owned by the main frame.
class CommandActions : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<void()>;

    CommandActions(QWidget *window, std::function<bool()> hasDocument);

    // Gives a command its handler and enables it; false for an id not in the table, which is
    // also remembered, so that a test of the wiring can name it.
    bool setHandler(const QString &id, Handler handler);
    const QStringList &unknownHandlerIds() const { return m_unknownIds; }
    bool hasHandler(const QString &id) const { return m_handlers.contains(id); }

    // Runs the command as a menu entry, shortcut or toolbar click would; false when it did
    // nothing (unknown, no handler yet, or no document for a document command).
    bool run(const QString &id);
    // A right-button press on a toolbar item of the command: runs the alternative only.
    bool runAlternative(const QString &id);

    QAction *action(const QString &id) const { return m_actions.value(id); }
    // Enables or disables a command that has a handler; one without stays disabled.
    void setCommandEnabled(const QString &id, bool enabled);

    // Gives the commands the keys the settings file chose, now and after every apply.
    void followKeys(SettingsFile &settings);
    void setKeys(const KeyMap &keys);
    const KeyMap &keys() const { return m_keys; }
    // The keys of a command as menus show them, "Alt+F4, Ctrl+Q"; empty for none.
    QString keysShown(const QString &id) const;

    // The key sequences of a shortcut text: Enter stands for both Return and the keypad key.
    static QList<QKeySequence> keysFor(const char *shortcut);
    static QList<QKeySequence> keysFor(const QString &shortcut);
    static QList<QKeySequence> keysFor(const QStringList &keys);
    static QString shortcutText(const char *shortcut);

Q_SIGNALS:
    // The commands' keys changed (the user chose others).
    void keysChanged();

private:
    QHash<QString, QAction *> m_actions;
    QHash<QString, Handler> m_handlers;
    QStringList m_unknownIds;
    std::function<bool()> m_hasDocument;
    KeyMap m_keys;
};
