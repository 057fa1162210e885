#include "customtags/customtags.h"

#include "base/settingsfile.h"

namespace {

QString valueKey(int slot)
{
    return QString::number(slot);
}

QString hintKey(int slot)
{
    return QString::number(slot) + QLatin1String(Keys::CustomHintSuffix);
}

QString section()
{
    return QLatin1String(Sections::Custom);
}

} // namespace

CustomTag CustomTag::fromStored(const QString &value)
{
    CustomTag tag;
    if (value.isEmpty())
        return tag;
    const QLatin1String separator(Separator);
    const qsizetype at = value.indexOf(separator);
    // Every block the program writes holds the separator; a value that begins with the
    // marker but has none is a single element whose text happens to begin with a capital B.
    if (!value.startsWith(QLatin1String(BlockMarker)) || at < 0) {
        tag.kind = Kind::Single;
        tag.single = value;
        return tag;
    }
    tag.start = value.mid(1, at - 1);
    tag.end = value.mid(at + separator.size());
    return tag;
}

QString CustomTag::stored() const
{
    if (kind == Kind::Single)
        return single;
    return QLatin1String(BlockMarker) + start + QLatin1String(Separator) + end;
}

namespace CustomTags {

bool validSlot(int slot)
{
    return slot >= 1 && slot <= Count;
}

QString value(const SettingsFile &settings, int slot)
{
    return settings.readString(section(), valueKey(slot));
}

CustomTag tag(const SettingsFile &settings, int slot)
{
    return CustomTag::fromStored(value(settings, slot));
}

std::optional<QString> hint(const SettingsFile &settings, int slot)
{
    if (!settings.hasKey(section(), hintKey(slot)))
        return std::nullopt;
    return settings.readString(section(), hintKey(slot));
}

QString caption(const QString &hint)
{
    // A blank entry would hide the slot on the menu; it reads as a slot never named.
    return hint.isEmpty() ? QStringLiteral("Custom") : hint;
}

QString check(const CustomTag &tag, const QString &hint)
{
    if (hint.isEmpty())
        return QStringLiteral("This entry cannot be saved without a Menu Caption/Button Hint.");
    const QLatin1String separator(CustomTag::Separator);
    if (tag.kind == CustomTag::Kind::Block) {
        if (tag.start.isEmpty() || tag.end.isEmpty())
            return QStringLiteral("Block Element tags require text in both tag fields.");
        // The value is split at the first separator, so the start part cannot hold one.
        if (tag.start.contains(separator))
            return QStringLiteral("The start tag cannot contain the letters KVARN.");
        return {};
    }
    if (tag.single.isEmpty())
        return QStringLiteral("Single Element tags require text in the tag field.");
    if (tag.single.startsWith(QLatin1String(CustomTag::BlockMarker)) &&
        tag.single.contains(separator))
        return QStringLiteral("A Single Element tag that begins with a capital B cannot contain "
                              "the letters KVARN.");
    return {};
}

bool save(SettingsFile &settings, int slot, const CustomTag &tag, const QString &hint)
{
    if (!validSlot(slot))
        return false;
    SettingsFile::Batch batch(settings);
    settings.writeString(section(), valueKey(slot), tag.stored());
    settings.writeString(section(), hintKey(slot), hint);
    return batch.commit();
}

bool erase(SettingsFile &settings, int slot)
{
    if (!validSlot(slot))
        return false;
    SettingsFile::Batch batch(settings);
    settings.writeString(section(), valueKey(slot), QString());
    settings.writeString(section(), hintKey(slot), QString());
    return batch.commit();
}

void setAdding(SettingsFile &settings, int slot)
{
    settings.write(Keys::CustomAdding, QString::number(slot));
}

} // namespace CustomTags
