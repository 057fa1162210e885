#include "documents/commandkeys.h"

#include "commands/commandactions.h"
#include "commands/commandids.h"
#include "commands/commandtable.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>
#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMenu>

namespace {

const char *const OwnKeysProperty = "quillmarkOwnKeys";

// The editor's own commands whose keys run the program's command of the same job instead.
struct TakenOver
{
    QsciCommand::Command editorCommand;
    const char *command;
};
const TakenOver TakenOverCommands[] = {
    {QsciCommand::Undo, Cmd::Undo1Click},        {QsciCommand::Redo, Cmd::Redo1Click},
    {QsciCommand::SelectionCut, Cmd::Cut1Click}, {QsciCommand::SelectionCopy, Cmd::Copy1Click},
    {QsciCommand::Paste, Cmd::Paste1Click},      {QsciCommand::SelectAll, Cmd::SelectAll1Click},
};

const char *takingOver(QsciCommand::Command editorCommand)
{
    for (const TakenOver &t : TakenOverCommands) {
        if (t.editorCommand == editorCommand)
            return t.command;
    }
    return nullptr;
}

// A keypad key matches the command key of the same name, as Qt's shortcuts do.
int combinedKey(const QKeyEvent &event)
{
    return QKeyCombination(event.modifiers() & ~Qt::KeypadModifier, Qt::Key(event.key()))
        .toCombined();
}

} // namespace

CommandKeys::CommandKeys(const CommandActions &commands)
{
    reload(commands);
}

void CommandKeys::reload(const CommandActions &commands)
{
    m_held.clear();
    m_takenOver.clear();
    for (const CommandRow &row : commandRows()) {
        if (const QAction *action = commands.action(QString::fromLatin1(row.id))) {
            for (const QKeySequence &keys : action->shortcuts()) {
                if (keys.count() == 1)
                    m_held.insert(keys[0].toCombined());
            }
        }
    }
}

void CommandKeys::claim(QsciScintilla &editor)
{
    // The component's own key map, kept on the editor the first time, so that a key the
    // commands give up can be given back.
    const QList<QsciCommand *> commands = editor.standardCommands()->commands();
    QVariantList own = editor.property(OwnKeysProperty).toList();
    if (own.size() != 2 * commands.size()) {
        own.clear();
        for (const QsciCommand *c : commands)
            own << c->key() << c->alternateKey();
        editor.setProperty(OwnKeysProperty, own);
    }
    for (qsizetype i = 0; i < commands.size(); ++i) {
        QsciCommand *c = commands[i];
        c->setKey(own[2 * i].toInt());
        c->setAlternateKey(own[2 * i + 1].toInt());
        const char *command = takingOver(c->command());
        const auto release = [&](int key) {
            if (!key || (!command && !m_held.contains(key)))
                return false;
            if (command && !m_held.contains(key))
                m_takenOver.insert(key, QString::fromLatin1(command));
            return true;
        };
        if (release(c->alternateKey()))
            c->setAlternateKey(0);
        if (release(c->key()))
            c->setKey(0);
    }
}

void CommandKeys::claim(QMdiSubWindow &window) const
{
    QList<QAction *> actions = window.actions();
    if (QMenu *menu = window.systemMenu())
        actions += menu->actions();
    for (QAction *action : actions) {
        QVariant own = action->property(OwnKeysProperty);
        if (!own.isValid()) {
            own = QVariant::fromValue(action->shortcuts());
            action->setProperty(OwnKeysProperty, own);
        }
        const auto shortcuts = own.value<QList<QKeySequence>>();
        QList<QKeySequence> kept;
        for (const QKeySequence &keys : shortcuts) {
            if (!holds(keys))
                kept.append(keys);
        }
        if (kept != action->shortcuts())
            action->setShortcuts(kept);
    }
}

bool CommandKeys::holds(const QKeySequence &keys) const
{
    return keys.count() == 1 && m_held.contains(keys[0].toCombined());
}

bool CommandKeys::holds(const QKeyEvent &event) const
{
    return m_held.contains(combinedKey(event));
}

QString CommandKeys::takenOver(const QKeyEvent &event) const
{
    return m_takenOver.value(combinedKey(event));
}
