#include "colours/namedcolours.h"

#include <array>

namespace NamedColours {

namespace {

constexpr std::array<Row, 140> Table{{
    {"Black", 0x000000},
    {"Navy", 0x000080},
    {"DarkBlue", 0x00008B},
    {"MediumBlue", 0x0000CD},
    {"Blue", 0x0000FF},
    {"MidnightBlue", 0x191970},
    {"Indigo", 0x4B0082},
    {"Maroon", 0x800000},
    {"DarkRed", 0x8B0000},
    {"Purple", 0x800080},
    {"DarkMagenta", 0x8B008B},
    {"DarkGreen", 0x006400},
    {"DarkViolet", 0x9400D3},
    {"DarkSlateGray", 0x2F4F4F},
    {"DarkSlateBlue", 0x483D8B},
    {"Green", 0x008000},
    {"Red", 0xFF0000},
    {"FireBrick", 0xB22222},
    {"Brown", 0xA52A2A},
    {"SaddleBrown", 0x8B4513},
    {"Crimson", 0xDC143C},
    {"MediumVioletRed", 0xC71585},
    {"Teal", 0x008080},
    {"BlueViolet", 0x8A2BE2},
    {"DarkOliveGreen", 0x556B2F},
    {"ForestGreen", 0x228B22},
    {"DarkCyan", 0x008B8B},
    {"DarkOrchid", 0x9932CC},
    {"Sienna", 0xA0522D},
    {"DeepPink", 0xFF1493},
    {"DimGray", 0x696969},
    {"SeaGreen", 0x2E8B57},
    {"Fuchsia", 0xFF00FF},
    {"Magenta", 0xFF00FF},
    {"RoyalBlue", 0x4169E1},
    {"SlateBlue", 0x6A5ACD},
    {"Olive", 0x808000},
    {"OrangeRed", 0xFF4500},
    {"OliveDrab", 0x6B8E23},
    {"SteelBlue", 0x4682B4},
    {"DodgerBlue", 0x1E90FF},
    {"MediumSlateBlue", 0x7B68EE},
    {"SlateGray", 0x708090},
    {"IndianRed", 0xCD5C5C},
    {"Chocolate", 0xD2691E},
    {"Gray", 0x808080},
    {"LightSlateGray", 0x778899},
    {"MediumOrchid", 0xBA55D3},
    {"LightSeaGreen", 0x20B2AA},
    {"MediumPurple", 0x9370DB},
    {"DarkGoldenrod", 0xB8860B},
    {"MediumSeaGreen", 0x3CB371},
    {"CadetBlue", 0x5F9EA0},
    {"LimeGreen", 0x32CD32},
    {"DeepSkyBlue", 0x00BFFF},
    {"Tomato", 0xFF6347},
    {"CornflowerBlue", 0x6495ED},
    {"DarkTurquoise", 0x00CED1},
    {"Peru", 0xCD853F},
    {"PaleVioletRed", 0xDB7093},
    {"Lime", 0x00FF00},
    {"Orchid", 0xDA70D6},
    {"RosyBrown", 0xBC8F8F},
    {"HotPink", 0xFF69B4},
    {"DarkOrange", 0xFF8C00},
    {"Coral", 0xFF7F50},
    {"LightCoral", 0xF08080},
    {"Salmon", 0xFA8072},
    {"SpringGreen", 0x00FF7F},
    {"MediumSpringGreen", 0x00FA9A},
    {"Goldenrod", 0xDAA520},
    {"MediumTurquoise", 0x48D1CC},
    {"DarkGray", 0xA9A9A9},
    {"DarkSeaGreen", 0x8FBC8F},
    {"MediumAquamarine", 0x66CDAA},
    {"DarkSalmon", 0xE9967A},
    {"YellowGreen", 0x9ACD32},
    {"Orange", 0xFFA500},
    {"Turquoise", 0x40E0D0},
    {"Violet", 0xEE82EE},
    {"DarkKhaki", 0xBDB76B},
    {"Aqua", 0x00FFFF},
    {"Cyan", 0x00FFFF},
    {"SandyBrown", 0xF4A460},
    {"LightSalmon", 0xFFA07A},
    {"Tan", 0xD2B48C},
    {"LawnGreen", 0x7CFC00},
    {"Plum", 0xDDA0DD},
    {"Chartreuse", 0x7FFF00},
    {"SkyBlue", 0x87CEEB},
    {"Burlywood", 0xDEB887},
    {"LightSkyBlue", 0x87CEFA},
    {"Silver", 0xC0C0C0},
    {"LightSteelBlue", 0xB0C4DE},
    {"LightGreen", 0x90EE90},
    {"Thistle", 0xD8BFD8},
    {"Gold", 0xFFD700},
    {"LightBlue", 0xADD8E6},
    {"LightPink", 0xFFB6C1},
    {"GreenYellow", 0xADFF2F},
    {"PaleGreen", 0x98FB98},
    {"PowderBlue", 0xB0E0E6},
    {"LightGrey", 0xD3D3D3},
    {"Aquamarine", 0x7FFFD4},
    {"Pink", 0xFFC0CB},
    {"PaleTurquoise", 0xAFEEEE},
    {"Gainsboro", 0xDCDCDC},
    {"Khaki", 0xF0E68C},
    {"Wheat", 0xF5DEB3},
    {"PeachPuff", 0xFFDAB9},
    {"Yellow", 0xFFFF00},
    {"NavajoWhite", 0xFFDEAD},
    {"PaleGoldenrod", 0xEEE8AA},
    {"Moccasin", 0xFFE4B5},
    {"Lavender", 0xE6E6FA},
    {"Bisque", 0xFFE4C4},
    {"MistyRose", 0xFFE4E1},
    {"AntiqueWhite", 0xFAEBD7},
    {"BlanchedAlmond", 0xFFEBCD},
    {"PapayaWhip", 0xFFEFD5},
    {"Linen", 0xFAF0E6},
    {"Beige", 0xF5F5DC},
    {"WhiteSmoke", 0xF5F5F5},
    {"LavenderBlush", 0xFFF0F5},
    {"LightGoldenrodYellow", 0xFAFAD2},
    {"OldLace", 0xFDF5E6},
    {"LightCyan", 0xE0FFFF},
    {"LemonChiffon", 0xFFFACD},
    {"AliceBlue", 0xF0F8FF},
    {"Cornsilk", 0xFFF8DC},
    {"Seashell", 0xFFF5EE},
    {"GhostWhite", 0xF8F8FF},
    {"Honeydew", 0xF0FFF0},
    {"FloralWhite", 0xFFFAF0},
    {"Azure", 0xF0FFFF},
    {"MintCream", 0xF5FFFA},
    {"LightYellow", 0xFFFFE0},
    {"Snow", 0xFFFAFA},
    {"Ivory", 0xFFFFF0},
    {"White", 0xFFFFFF},
}};

} // namespace

std::span<const Row> rows()
{
    return Table;
}

QString nameOf(std::uint32_t rgb)
{
    for (const Row &row : Table)
        if (row.rgb == rgb)
            return QLatin1String(row.name);
    return {};
}

std::optional<std::uint32_t> valueOf(QStringView name)
{
    for (const Row &row : Table)
        if (name.compare(QLatin1String(row.name), Qt::CaseInsensitive) == 0)
            return row.rgb;
    return std::nullopt;
}

QString hexText(std::uint32_t rgb)
{
    return u'#' + QStringLiteral("%1").arg(rgb & 0xFFFFFFu, 6, 16, QLatin1Char('0')).toUpper();
}

QString colourText(std::uint32_t rgb, bool useNames)
{
    if (useNames) {
        const QString name = nameOf(rgb);
        if (!name.isEmpty())
            return name;
    }
    return hexText(rgb);
}

std::optional<std::uint32_t> parseColourText(QStringView text)
{
    text = text.trimmed();
    QStringView digits = text.startsWith(u'#') ? text.mid(1) : text;
    if (digits.size() == 6) {
        bool ok = false;
        const uint value = digits.toString().toUInt(&ok, 16);
        if (ok)
            return value;
    }
    return valueOf(text);
}

} // namespace NamedColours

namespace WebSafe {

std::uint32_t colourAt(int row, int column)
{
    static constexpr std::uint32_t Steps[6] = {0x00, 0x33, 0x66, 0x99, 0xCC, 0xFF};
    const int block = (row / 6) * 3 + column / 6;
    const std::uint32_t red = Steps[block];
    const std::uint32_t green = Steps[row % 6];
    const std::uint32_t blue = Steps[column % 6];
    return (red << 16) | (green << 8) | blue;
}

} // namespace WebSafe
