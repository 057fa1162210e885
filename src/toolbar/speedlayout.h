#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class SettingsFile;

// Where one item stands on the toolbar; a coordinate that was not a number is empty and
// leaves the item where it is.
struct SpeedPlacement
{
    QString item;
    std::optional<int> left;
    std::optional<int> top;

    bool operator==(const SpeedPlacement &) const = default;
};

// The toolbar's layout as stored in section "TMDImainthepanel": the bar's thickness and the
// items shown. Pure data with its read and write rules, so the bar and its tests share them.
struct SpeedLayout
{
    static constexpr int Version = 0;
    static constexpr int ButtonSize = 25;
    static constexpr int Offset = 3;
    static constexpr int MaxRows = 5;

    int height = heightForRows(1);
    QList<SpeedPlacement> buttons;

    static int heightForRows(int rows) { return Offset * 2 + ButtonSize * rows; }
    // The nearest number of rows, 1 to 5, for a stored thickness.
    static int rowsForHeight(int height);
    // A coordinate moved to the nearest grid line, never before the first.
    static int snap(int coordinate);

    // The layout of a fresh start and of Reset.
    static SpeedLayout defaults();

    // What a restore takes from the file: nothing when the section is missing or
    // incompatible (lower version, another pixels-per-inch); the thickness alone when it
    // lists no buttons. Entries are given as stored; the bar skips unknown items.
    struct Stored
    {
        std::optional<int> height;
        std::optional<QList<SpeedPlacement>> buttons;
    };
    static Stored read(const SettingsFile &settings, int pixelsPerInch);

    // Replaces the section with this layout; buttons are numbered in list order.
    void write(SettingsFile &settings, int pixelsPerInch) const;
    // Writes the default layout the way Reset stores it.
    static void writeDefaults(SettingsFile &settings);

    // The item names the section lists, for the picture rule.
    static QStringList storedItems(const SettingsFile &settings);
};
