#include "commands/keymap.h"

#include "base/settingsfile.h"
#include "commands/commandids.h"
#include "commands/commandtable.h"

#include <algorithm>

namespace {

// The desktop's own keys for closing, saving under a name and printing; the tag commands that
// held them move to keys that no command holds.
const KeyMap::Change DesktopChanges[] = {
    {Cmd::SavesAs, "Ctrl+Shift+S; Alt+S"},
    {Cmd::Close1Click, "Ctrl+W; Ctrl+F4"},
    {Cmd::Prints, "Ctrl+P"},
    {Cmd::Quickscript, "Ctrl+Shift+J"},
    {Cmd::Indent1Click, "Ctrl+Shift+W"},
    {Cmd::Paragraph, "Ctrl+Shift+P"},
};

struct ParsedKey
{
    bool ctrl = false;
    bool alt = false;
    bool shift = false;
    bool meta = false;
    QString key; // lower case; empty when the text is no key
};

ParsedKey parse(const QString &text)
{
    ParsedKey parsed;
    QString mods = text.trimmed();
    QString key;
    // The key itself may be the plus sign.
    if (mods == QLatin1String("+")) {
        key = mods;
        mods.clear();
    } else if (mods.endsWith(QLatin1String("++"))) {
        key = QStringLiteral("+");
        mods.chop(2);
    } else {
        const qsizetype plus = mods.lastIndexOf(u'+');
        key = mods.mid(plus + 1);
        mods = plus < 0 ? QString() : mods.left(plus);
    }
    for (const QString &part : mods.split(u'+', Qt::SkipEmptyParts)) {
        const QString mod = part.trimmed().toLower();
        if (mod == QLatin1String("ctrl") || mod == QLatin1String("control"))
            parsed.ctrl = true;
        else if (mod == QLatin1String("alt"))
            parsed.alt = true;
        else if (mod == QLatin1String("shift"))
            parsed.shift = true;
        else if (mod == QLatin1String("meta"))
            parsed.meta = true;
        else if (mod != QLatin1String("num")) // the keypad's key is the key of the same name
            return {};
    }
    key = key.trimmed().toLower();
    if (key == QLatin1String("return"))
        key = QStringLiteral("enter");
    // One character, or the name of a key ("F5", "PgDown"), which holds letters and digits only.
    const bool named =
        std::all_of(key.cbegin(), key.cend(), [](QChar c) { return c.isLetterOrNumber(); });
    if (key.size() > 1 && !named)
        return {};
    parsed.key = key;
    return parsed;
}

// F1 to F35 give their number, any other key 0.
int functionKey(const QString &key)
{
    if (key.size() < 2 || key.front() != u'f')
        return 0;
    bool ok = false;
    const int n = key.mid(1).toInt(&ok);
    return ok && n >= 1 && n <= 35 ? n : 0;
}

} // namespace

namespace KeyText {

QStringList split(const QString &keys)
{
    QStringList out;
    for (const QString &key : keys.split(QLatin1String("; "), Qt::SkipEmptyParts)) {
        const QString trimmed = key.trimmed();
        if (!trimmed.isEmpty())
            out << trimmed;
    }
    return out;
}

QString join(const QStringList &keys)
{
    return keys.join(QLatin1String("; "));
}

QString canonical(const QString &key)
{
    const ParsedKey p = parse(key);
    if (p.key.isEmpty())
        return {};
    QString out;
    if (p.ctrl)
        out += QLatin1String("ctrl+");
    if (p.alt)
        out += QLatin1String("alt+");
    if (p.shift)
        out += QLatin1String("shift+");
    if (p.meta)
        out += QLatin1String("meta+");
    return out + p.key;
}

QString refusal(const QString &key)
{
    const ParsedKey p = parse(key);
    if (p.key.isEmpty())
        return QStringLiteral("\"%1\" is not a key.").arg(key);
    const int fKey = functionKey(p.key);
    if (!p.ctrl && !p.alt && !p.meta) {
        if (fKey == 1 && !p.shift)
            return QStringLiteral("F1 opens the help.");
        if (fKey == 0)
            return QStringLiteral("%1 types or moves in the text: a command's key is a function "
                                  "key or is held with Ctrl or Alt.")
                .arg(key);
    }
    if (p.ctrl && p.alt && (fKey != 0 || p.key == QLatin1String("backspace")))
        return QStringLiteral("The display server keeps %1 for itself.").arg(key);
    return {};
}

} // namespace KeyText

KeyMap::KeyMap(KeySet set) : m_set(set)
{
    for (const CommandRow &row : commandRows())
        m_keys.insert(QString::fromLatin1(row.id), setKeys(set, row));
}

QStringList KeyMap::setKeys(KeySet set, const CommandRow &row)
{
    if (set == KeySet::Desktop) {
        for (const Change &change : DesktopChanges) {
            if (qstrcmp(change.command, row.id) == 0)
                return KeyText::split(QString::fromLatin1(change.keys));
        }
    }
    return row.shortcut ? KeyText::split(QString::fromLatin1(row.shortcut)) : QStringList();
}

std::span<const KeyMap::Change> KeyMap::desktopChanges()
{
    return DesktopChanges;
}

QString KeyMap::setName(KeySet set)
{
    return set == KeySet::Desktop ? QStringLiteral("desktop") : QStringLiteral("quillmark");
}

KeySet KeyMap::setNamed(const QString &name)
{
    return name.compare(QLatin1String("desktop"), Qt::CaseInsensitive) == 0 ? KeySet::Desktop
                                                                            : KeySet::Quillmark;
}

KeyMap KeyMap::read(const SettingsFile &settings)
{
    KeyMap map(setNamed(settings.read(Keys::KeySet)));
    const QString section = QLatin1String(Sections::ChosenKeys);
    for (const CommandRow &row : commandRows()) {
        const QString id = QString::fromLatin1(row.id);
        if (!settings.hasKey(section, id))
            continue;
        // A key typed into the file by hand that no command could hold is left out.
        QStringList keys;
        for (const QString &key : KeyText::split(settings.readString(section, id)))
            if (KeyText::refusal(key).isEmpty())
                keys << key;
        map.m_keys.insert(id, keys);
    }
    return map;
}

bool KeyMap::write(SettingsFile &settings) const
{
    SettingsFile::Batch batch(settings);
    bool ok = settings.write(Keys::KeySet, setName(m_set));
    const QString section = QLatin1String(Sections::ChosenKeys);
    for (const CommandRow &row : commandRows()) {
        const QString id = QString::fromLatin1(row.id);
        ok = (keepsSetKeys(id) ? settings.eraseKey(section, id)
                               : settings.writeString(section, id, KeyText::join(keys(id)))) &&
             ok;
    }
    return batch.commit() && ok;
}

void KeyMap::setKeys(const QString &id, const QStringList &keys)
{
    if (m_keys.contains(id))
        m_keys.insert(id, keys);
}

bool KeyMap::keepsSetKeys(const QString &id) const
{
    const CommandRow *row = findCommand(id);
    if (!row)
        return true;
    const QStringList own = keys(id);
    const QStringList set = setKeys(m_set, *row);
    if (own.size() != set.size())
        return false;
    for (qsizetype i = 0; i < own.size(); ++i)
        if (KeyText::canonical(own[i]) != KeyText::canonical(set[i]))
            return false;
    return true;
}

QStringList KeyMap::holders(const QString &key) const
{
    const QString wanted = KeyText::canonical(key);
    QStringList out;
    if (wanted.isEmpty())
        return out;
    for (const CommandRow &row : commandRows()) {
        const QString id = QString::fromLatin1(row.id);
        for (const QString &k : keys(id)) {
            if (KeyText::canonical(k) == wanted) {
                out << id;
                break;
            }
        }
    }
    return out;
}

QList<KeyConflict> KeyMap::conflicts() const
{
    QList<KeyConflict> out;
    // By the canonical key: the first holder, its spelling, and the key's place in the list.
    QHash<QString, QString> first;
    QHash<QString, QString> spelling;
    QHash<QString, qsizetype> seen;
    for (const CommandRow &row : commandRows()) {
        const QString id = QString::fromLatin1(row.id);
        for (const QString &key : keys(id)) {
            const QString c = KeyText::canonical(key);
            if (c.isEmpty())
                continue;
            if (!first.contains(c)) {
                first.insert(c, id);
                spelling.insert(c, key);
                continue;
            }
            if (first.value(c) == id)
                continue;
            if (!seen.contains(c)) {
                seen.insert(c, out.size());
                out << KeyConflict{spelling.value(c), {first.value(c)}};
            }
            QStringList &holders = out[seen.value(c)].commands;
            if (!holders.contains(id))
                holders << id;
        }
    }
    return out;
}
