#include "commands/commandactions.h"

#include "base/settingsfile.h"
#include "commands/commandicons.h"
#include "commands/commandids.h"
#include "commands/commandtable.h"

#include <QAction>
#include <QWidget>

namespace {

// Commands whose menu entries carry a check mark.
const char *const Checkable[] = {Cmd::Wordwrap1Click, Cmd::ColoredTags1Click, Cmd::Gutter1Click,
                                 Cmd::Invisibles1Click, Cmd::LiveSpellcheck1Click};

} // namespace

CommandActions::CommandActions(QWidget *window, std::function<bool()> hasDocument)
    : QObject(window), m_hasDocument(std::move(hasDocument))
{
    for (const CommandRow &row : commandRows()) {
        const QString id = QString::fromLatin1(row.id);
        auto *action = new QAction(QString::fromUtf8(row.caption), window);
        action->setObjectName(id);
        action->setIcon(CommandIcons::forCommand(row));
        action->setShortcuts(keysFor(row.shortcut));
        action->setShortcutContext(Qt::WindowShortcut);
        action->setEnabled(false);
        for (const char *c : Checkable) {
            if (qstrcmp(c, row.id) != 0)
                continue;
            action->setCheckable(true);
            // A menu entry with an icon shows its check only as a frame around the icon;
            // the toolbar keeps the picture.
            action->setIconVisibleInMenu(false);
        }
        connect(action, &QAction::triggered, this, [this, id] { run(id); });
        window->addAction(action);
        m_actions.insert(id, action);
    }
}

bool CommandActions::setHandler(const QString &id, Handler handler)
{
    QAction *a = action(id);
    if (!a) {
        m_unknownIds.append(id);
        return false;
    }
    if (!handler)
        return false;
    m_handlers.insert(id, std::move(handler));
    a->setEnabled(true);
    return true;
}

bool CommandActions::run(const QString &id)
{
    const CommandRow *row = findCommand(id);
    const auto handler = m_handlers.constFind(id);
    if (!row || handler == m_handlers.cend())
        return false;
    if (row->needsDocument && !(m_hasDocument && m_hasDocument()))
        return false;
    // A copy: the handler may replace itself or the table of handlers.
    const Handler run = *handler;
    run();
    return true;
}

bool CommandActions::runAlternative(const QString &id)
{
    const CommandRow *row = findCommand(id);
    if (!row || !row->alternative)
        return false;
    return run(QString::fromLatin1(row->alternative));
}

void CommandActions::setCommandEnabled(const QString &id, bool enabled)
{
    if (QAction *a = action(id))
        a->setEnabled(enabled && hasHandler(id));
}

QList<QKeySequence> CommandActions::keysFor(const char *shortcut)
{
    return shortcut ? keysFor(QString::fromLatin1(shortcut)) : QList<QKeySequence>();
}

QList<QKeySequence> CommandActions::keysFor(const QString &shortcut)
{
    QString text = shortcut;
    if (text.isEmpty())
        return {};
    QList<QKeySequence> keys;
    // "Alt+F4; Ctrl+Q": several keys for one command, the first shown in the menu.
    if (const qsizetype split = text.indexOf(QLatin1String("; ")); split > 0) {
        for (const QString &part : text.split(QLatin1String("; "), Qt::SkipEmptyParts))
            keys += keysFor(part);
        return keys;
    }
    if (text.endsWith(QLatin1String("Enter"))) {
        text.chop(5);
        keys.append(QKeySequence(text + QLatin1String("Return")));
        keys.append(QKeySequence(text + QLatin1String("Enter")));
        return keys;
    }
    // A last key of "," or "." would be read as a separator of several sequences.
    const QChar last = text.back();
    if (last == u',' || last == u'.') {
        text.chop(1);
        const QKeySequence mods(text + QLatin1String("A"));
        const Qt::Key key = last == u',' ? Qt::Key_Comma : Qt::Key_Period;
        keys.append(QKeySequence(QKeyCombination(mods[0].keyboardModifiers(), key)));
        return keys;
    }
    // A text that names no key (typed into the settings file by hand) gives none.
    if (const QKeySequence key(text, QKeySequence::PortableText); !key.isEmpty())
        keys.append(key);
    return keys;
}

QList<QKeySequence> CommandActions::keysFor(const QStringList &keys)
{
    QList<QKeySequence> out;
    for (const QString &key : keys)
        out += keysFor(key);
    return out;
}

void CommandActions::followKeys(SettingsFile &settings)
{
    setKeys(KeyMap::read(settings));
    connect(&settings, &SettingsFile::applied, this,
            [this, &settings] { setKeys(KeyMap::read(settings)); });
}

void CommandActions::setKeys(const KeyMap &keys)
{
    if (keys == m_keys)
        return;
    m_keys = keys;
    for (const CommandRow &row : commandRows()) {
        const QString id = QString::fromLatin1(row.id);
        if (QAction *a = action(id))
            a->setShortcuts(keysFor(keys.keys(id)));
    }
    Q_EMIT keysChanged();
}

QString CommandActions::keysShown(const QString &id) const
{
    QStringList shown;
    for (const QString &key : m_keys.keys(id))
        if (const QList<QKeySequence> sequences = keysFor(key); !sequences.isEmpty())
            shown << sequences.first().toString(QKeySequence::NativeText);
    return shown.join(QLatin1String(", "));
}

QString CommandActions::shortcutText(const char *shortcut)
{
    const QList<QKeySequence> keys = keysFor(shortcut);
    return keys.isEmpty() ? QString() : keys.first().toString(QKeySequence::NativeText);
}
