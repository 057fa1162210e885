#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <span>

class SettingsFile;
struct CommandRow;

// The ready-made sets the user's own keys start from.
enum class KeySet { Quillmark, Desktop };

// A key that two or more commands hold: typed, it would run none of them.
struct KeyConflict
{
    QString key;
    QStringList commands;
};

// The keys of every command: a ready-made set and the user's changes to it, read from and
// written to the settings file's "Keys" section, so that a file without that section keeps the
// set's keys. Keys are portable texts ("Ctrl+Shift+T"); "Enter" stands for both Return and the
// keypad's Enter, as in the command table.
class KeyMap
{
public:
    explicit KeyMap(KeySet set = KeySet::Quillmark);

    static KeyMap read(const SettingsFile &settings);
    // Writes the set and the commands whose keys differ from it; false when the write failed.
    bool write(SettingsFile &settings) const;

    KeySet set() const { return m_set; }
    QStringList keys(const QString &id) const { return m_keys.value(id); }
    void setKeys(const QString &id, const QStringList &keys);
    // The set's own keys for the command.
    bool keepsSetKeys(const QString &id) const;
    // The commands that hold the key, in the table's order.
    QStringList holders(const QString &key) const;
    // In the table's order of the first holder.
    QList<KeyConflict> conflicts() const;

    bool operator==(const KeyMap &other) const = default;

    static QStringList setKeys(KeySet set, const CommandRow &row);
    // The stored name of a set, and the set a stored name stands for (Quillmark when unknown).
    static QString setName(KeySet set);
    static KeySet setNamed(const QString &name);

    // A command whose keys the desktop set changes.
    struct Change
    {
        const char *command;
        const char *keys;
    };
    static std::span<const Change> desktopChanges();

private:
    KeySet m_set;
    QHash<QString, QStringList> m_keys;
};

// Key texts as the command table and the settings file write them.
namespace KeyText {
// "Alt+F4; Ctrl+Q": one text per key.
QStringList split(const QString &keys);
QString join(const QStringList &keys);
// One spelling for keys that are the same: modifiers in a fixed order, letter case ignored,
// Return as Enter.
QString canonical(const QString &key);
// Why a key cannot run a command, or an empty text when it can.
QString refusal(const QString &key);
} // namespace KeyText
