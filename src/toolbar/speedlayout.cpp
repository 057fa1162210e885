#include "toolbar/speedlayout.h"

#include "base/settingsfile.h"
#include "toolbar/speeditems.h"

#include <algorithm>
#include <cmath>

namespace {

QString buttonKey(int n)
{
    return QLatin1String(Keys::BarButtonPrefix) + QString::number(n);
}

std::optional<int> number(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

SpeedPlacement parse(const QString &entry)
{
    const QStringList parts = entry.split(u',');
    SpeedPlacement placement{parts.value(0).trimmed(), {}, {}};
    if (parts.size() > 1)
        placement.left = number(parts[1]);
    if (parts.size() > 2)
        placement.top = number(parts[2]);
    return placement;
}

// The default layout: item number, left, top.
constexpr int DefaultButtons[][3] = {
    {21, 3, 3},    {23, 28, 3},   {26, 53, 3},   {29, 78, 3},   {31, 103, 3},
    {34, 128, 3},  {36, 153, 3},  {37, 178, 3},  {38, 203, 3},  {49, 578, 3},
    {48, 603, 3},  {51, 228, 3},  {156, 428, 3}, {143, 303, 3}, {131, 253, 3},
    {66, 278, 3},  {67, 328, 3},  {117, 353, 3}, {118, 378, 3}, {119, 403, 3},
    {120, 453, 3}, {121, 478, 3}, {122, 503, 3}, {123, 528, 3}, {124, 553, 3},
};
constexpr int DefaultPixelsPerInch = 96;

// A hand-edited count may be anything; a bar holds each item at most once.
int storedCount(const SettingsFile &settings)
{
    return std::min(settings.read(Keys::BarCount), SpeedItemCount);
}

} // namespace

int SpeedLayout::rowsForHeight(int height)
{
    const int rows = static_cast<int>(std::lround(double(height - Offset * 2) / ButtonSize));
    return std::clamp(rows, 1, MaxRows);
}

int SpeedLayout::snap(int coordinate)
{
    const int cells = static_cast<int>(std::lround(double(coordinate - Offset) / ButtonSize));
    return Offset + std::max(cells, 0) * ButtonSize;
}

SpeedLayout SpeedLayout::defaults()
{
    SpeedLayout layout;
    for (const auto &b : DefaultButtons)
        layout.buttons.append({QStringLiteral("SpeedItem") + QString::number(b[0]), b[1], b[2]});
    return layout;
}

SpeedLayout::Stored SpeedLayout::read(const SettingsFile &settings, int pixelsPerInch)
{
    Stored stored;
    if (settings.read(Keys::BarVersion) < Version)
        return stored;
    // A layout saved without its pixels per inch (only the rows chosen) fits any screen.
    if (settings.readInt(Keys::BarPixelsPerInch.section, Keys::BarPixelsPerInch.name,
                         pixelsPerInch) != pixelsPerInch)
        return stored;
    if (settings.hasKey(Keys::BarWidth.section, Keys::BarWidth.name))
        stored.height = heightForRows(rowsForHeight(settings.read(Keys::BarWidth)));
    const int count = storedCount(settings);
    if (count <= 0)
        return stored;
    QList<SpeedPlacement> buttons;
    for (int n = 1; n <= count; ++n) {
        SpeedPlacement p =
            parse(settings.readString(QLatin1String(Sections::Toolbar), buttonKey(n)));
        if (p.left)
            p.left = snap(*p.left);
        if (p.top)
            p.top = snap(*p.top);
        buttons.append(p);
    }
    stored.buttons = buttons;
    return stored;
}

void SpeedLayout::write(SettingsFile &settings, int pixelsPerInch) const
{
    SettingsFile::Batch batch(settings);
    settings.eraseSection(QLatin1String(Sections::Toolbar));
    settings.write(Keys::BarPosition, 1);
    settings.write(Keys::BarWidth, height);
    settings.write(Keys::BarVersion, Version);
    settings.write(Keys::BarPixelsPerInch, pixelsPerInch);
    settings.write(Keys::BarBtnWidth, ButtonSize);
    settings.write(Keys::BarBtnHeight, ButtonSize);
    int n = 0;
    for (const SpeedPlacement &p : buttons) {
        settings.writeString(QLatin1String(Sections::Toolbar), buttonKey(++n),
                             QStringLiteral("%1,%2,%3")
                                 .arg(p.item)
                                 .arg(p.left.value_or(Offset))
                                 .arg(p.top.value_or(Offset)));
    }
    settings.write(Keys::BarCount, n);
}

void SpeedLayout::writeDefaults(SettingsFile &settings)
{
    defaults().write(settings, DefaultPixelsPerInch);
}

QStringList SpeedLayout::storedItems(const SettingsFile &settings)
{
    QStringList items;
    const int count = storedCount(settings);
    for (int n = 1; n <= count; ++n) {
        const QString entry = settings.readString(QLatin1String(Sections::Toolbar), buttonKey(n));
        items.append(entry.section(u',', 0, 0).trimmed());
    }
    return items;
}
