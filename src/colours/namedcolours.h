#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <span>

// The colour names a page may use instead of "#RRGGBB", in the order of the names grid, and
// the 216 colours every browser showed without dithering. Both are constant tables.
namespace NamedColours {

struct Row
{
    const char *name;
    std::uint32_t rgb; // 0xRRGGBB
};

std::span<const Row> rows();

// The name of the first row with this value (FF00FF is "Fuchsia", not "Magenta"); empty
// when no row has it.
QString nameOf(std::uint32_t rgb);
// The value of a name, letter case ignored.
std::optional<std::uint32_t> valueOf(QStringView name);

// "#" and six upper-case hex digits.
QString hexText(std::uint32_t rgb);
// The colour text of generated code: the name when names are wanted and the colour has one,
// else the hex text.
QString colourText(std::uint32_t rgb, bool useNames);
// Reads "#RRGGBB" (either letter case, the "#" optional) or a colour name.
std::optional<std::uint32_t> parseColourText(QStringView text);

} // namespace NamedColours

namespace WebSafe {

inline constexpr int Columns = 18;
inline constexpr int Rows = 12;

// The colour of a cell of the 18 by 12 grid: six blocks of 6 by 6, one per red value (blocks
// at columns 0, 6, 12 of rows 0 to 5, then of rows 6 to 11); inside a block the row is the
// green value and the column the blue value, both rising.
std::uint32_t colourAt(int row, int column);

} // namespace WebSafe
