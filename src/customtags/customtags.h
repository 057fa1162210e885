#pragma once

#include <QString>

#include <optional>

class SettingsFile;

// One of the twenty custom tags as the settings file keeps it: either a single piece of text
// inserted at the caret, or a start and an end part wrapped around the selection. The stored
// value of a block is "B" + start + "KVARN" + end; any other value is a single element.
struct CustomTag
{
    enum class Kind { Single, Block };

    Kind kind = Kind::Block;
    QString single;
    QString start;
    QString end;

    static constexpr const char *BlockMarker = "B";
    static constexpr const char *Separator = "KVARN";

    // An empty value is an empty block, so that a new slot opens with the block fields.
    static CustomTag fromStored(const QString &value);
    QString stored() const;
    bool isEmpty() const { return single.isEmpty() && start.isEmpty() && end.isEmpty(); }
};

// Reading and writing the slots in section "Custom": key n holds the value, key n + "hint"
// the menu caption that is also the toolbar button's hint.
namespace CustomTags {

inline constexpr int Count = 20;

bool validSlot(int slot);
QString value(const SettingsFile &settings, int slot);
CustomTag tag(const SettingsFile &settings, int slot);
// Empty when the slot never had a hint key; a deleted hint reads as an empty text.
std::optional<QString> hint(const SettingsFile &settings, int slot);
// The menu caption of a slot whose hint key exists.
QString caption(const QString &hint);

// Why the fields cannot be saved as they are, or an empty text when they can.
QString check(const CustomTag &tag, const QString &hint);
// Writes value and hint together; false when the file could not be written.
bool save(SettingsFile &settings, int slot, const CustomTag &tag, const QString &hint);
// Empties value and hint; the keys stay in the file.
bool erase(SettingsFile &settings, int slot);
// Remembers the slot whose editor opens.
void setAdding(SettingsFile &settings, int slot);

} // namespace CustomTags
