#include "commands/menubuilder.h"

#include "base/editingoptions.h"
#include "commands/commandactions.h"
#include "commands/commandids.h"
#include "commands/commandtable.h"
#include "commands/mainmenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSet>

namespace {

class Builder
{
public:
    Builder(CommandActions &commands, QHash<QString, QMenu *> &menus)
        : m_commands(commands), m_menus(menus)
    {
    }

    void fill(QMenu *menu, std::span<const MenuEntry> entries)
    {
        for (const MenuEntry &e : entries) {
            switch (e.kind) {
            case MenuEntry::Kind::Separator:
                menu->addSeparator();
                break;
            case MenuEntry::Kind::Inactive: {
                QAction *line = menu->addAction(QString::fromUtf8(e.caption));
                line->setEnabled(false);
                if (e.name)
                    line->setObjectName(QLatin1String(e.name));
                break;
            }
            case MenuEntry::Kind::Submenu: {
                QMenu *sub = menu->addMenu(QString::fromUtf8(e.caption));
                if (e.name) {
                    sub->setObjectName(QLatin1String(e.name));
                    m_menus.insert(sub->objectName(), sub);
                }
                fill(sub, e.entries);
                break;
            }
            case MenuEntry::Kind::Command:
                addCommand(menu, e);
                break;
            }
        }
    }

private:
    void addCommand(QMenu *menu, const MenuEntry &e)
    {
        const QString id = QString::fromLatin1(e.command);
        QAction *action = m_commands.action(id);
        const CommandRow *row = findCommand(id);
        if (!action || !row || e.hidden)
            return;
        const bool own = !m_placed.contains(id) && qstrcmp(e.caption, row->caption) == 0;
        if (own) {
            m_placed.insert(id);
            menu->addAction(action);
            return;
        }
        // A second entry of the command: same action underneath, shortcut shown as text.
        const QString caption = QString::fromUtf8(e.caption);
        const auto textOf = [caption, action] {
            const QString keys = action->shortcut().toString(QKeySequence::NativeText);
            return keys.isEmpty() ? caption : caption + u'\t' + keys;
        };
        QAction *proxy = menu->addAction(textOf());
        proxy->setIcon(action->icon());
        proxy->setEnabled(action->isEnabled());
        proxy->setObjectName(id + QLatin1String("_entry"));
        QObject::connect(proxy, &QAction::triggered, action, &QAction::trigger);
        // The key shown follows the keys the user chooses.
        QObject::connect(action, &QAction::changed, proxy, [proxy, action, textOf] {
            proxy->setEnabled(action->isEnabled());
            proxy->setText(textOf());
        });
    }

    CommandActions &m_commands;
    QHash<QString, QMenu *> &m_menus;
    QSet<QString> m_placed;
};

} // namespace

QHash<QString, QMenu *> MenuBuilder::build(QMenuBar *bar, CommandActions &commands)
{
    QHash<QString, QMenu *> menus;
    Builder builder(commands, menus);
    for (const TopMenu &top : mainMenu()) {
        if (top.command) {
            QAction *direct = bar->addAction(QString::fromUtf8(top.caption));
            direct->setObjectName(QLatin1String(top.name));
            QAction *action = commands.action(QString::fromLatin1(top.command));
            QObject::connect(direct, &QAction::triggered, action, &QAction::trigger);
            continue;
        }
        QMenu *menu = bar->addMenu(QString::fromUtf8(top.caption));
        menu->setObjectName(QLatin1String(top.name));
        menus.insert(menu->objectName(), menu);
        builder.fill(menu, top.entries);
    }
    return menus;
}

namespace MenuState {

namespace {
const char *const SelectionCommands[] = {Cmd::Cut1Click, Cmd::Copy1Click, Cmd::Delete1Click,
                                         Cmd::killtags, Cmd::addLineBreaks1Click};
const char *const StateCommands[] = {Cmd::Undo1Click, Cmd::Redo1Click, Cmd::Paste1Click};
} // namespace

void applyEdit(CommandActions &commands, const EditMenuState &s)
{
    if (!s.hasDocument)
        return;
    const auto check = [&](const char *id, bool on) {
        if (QAction *a = commands.action(QLatin1String(id)))
            a->setChecked(on);
    };
    check(Cmd::Wordwrap1Click, s.wordWrap);
    check(Cmd::LiveSpellcheck1Click, s.liveSpelling);
    check(Cmd::ColoredTags1Click, s.colouredTags);
    const auto enable = [&](const char *id, bool on) {
        commands.setCommandEnabled(QLatin1String(id), on);
    };
    enable(Cmd::Undo1Click, s.canUndo);
    enable(Cmd::Redo1Click, s.canRedo);
    for (const char *id : SelectionCommands)
        enable(id, s.hasSelection);
    enable(Cmd::Paste1Click, s.clipboardHasText);
    if (QAction *a = commands.action(Cmd::spellcheck))
        a->setText(s.hasSelection ? QStringLiteral("Selected Text")
                                  : QStringLiteral("From Cursor"));
}

void applyCharacter(CommandActions &commands, const EditingOptions &options)
{
    if (QAction *a = commands.action(Cmd::Bold))
        a->setText(options.boldIsStrong() ? QStringLiteral("Stron&g") : QStringLiteral("&Bold"));
    if (QAction *a = commands.action(Cmd::italics1Click))
        a->setText(options.italicIsEm() ? QStringLiteral("&Em") : QStringLiteral("&Italics"));
}

void releaseEdit(CommandActions &commands)
{
    for (const char *id : SelectionCommands)
        commands.setCommandEnabled(QLatin1String(id), true);
    for (const char *id : StateCommands)
        commands.setCommandEnabled(QLatin1String(id), true);
}

void watchEdit(QMenu *edit, CommandActions &commands, std::function<EditMenuState()> state)
{
    QObject::connect(edit, &QMenu::aboutToShow, &commands,
                     [&commands, state] { applyEdit(commands, state()); });
    QObject::connect(edit, &QMenu::aboutToHide, &commands, [&commands] { releaseEdit(commands); });
}

void watchCharacter(QMenu *character, CommandActions &commands, const EditingOptions &options)
{
    QObject::connect(character, &QMenu::aboutToShow, &commands,
                     [&commands, &options] { applyCharacter(commands, options); });
}

} // namespace MenuState
