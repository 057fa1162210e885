#pragma once

#include <QString>
#include <QStringView>

#include <span>

// The toolbar's sections, in the order the customisation dialog lists them.
std::span<const char *const> speedSections();

// One item of the toolbar: `SpeedItem<number>`. Several items may run the same command;
// they then share its picture. The hint is the caption.
struct SpeedItemRow
{
    int number;
    int section; // index into speedSections()
    const char *caption;
    const char *command; // id in the command table
};

inline constexpr int SpeedItemCount = 166;
inline constexpr int CustomButtonCount = 20; // SpeedItem1 to SpeedItem20

// Every item, section by section.
std::span<const SpeedItemRow> speedItems();
const SpeedItemRow *findSpeedItem(QStringView name);
QString speedItemName(int number);
