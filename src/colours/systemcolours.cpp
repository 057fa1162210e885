#include "colours/systemcolours.h"

#include "colours/colourcode.h"

#include <array>

namespace {

struct SystemColour
{
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The classic desktop system colour indices 0 to 30, each with the palette colour that plays
// the same part on this desktop. Index 5 ("window") is the background of text areas, which
// Qt calls Base; Qt's Window is the face of dialogs, index 15.
constexpr std::array<SystemColour, 31> systemColours{{
    {QPalette::Active, QPalette::Button},          // 0 scroll bar
    {QPalette::Active, QPalette::Dark},            // 1 desktop
    {QPalette::Active, QPalette::Highlight},       // 2 active caption
    {QPalette::Inactive, QPalette::Mid},           // 3 inactive caption
    {QPalette::Active, QPalette::Window},          // 4 menu
    {QPalette::Active, QPalette::Base},            // 5 window
    {QPalette::Active, QPalette::Shadow},          // 6 window frame
    {QPalette::Active, QPalette::WindowText},      // 7 menu text
    {QPalette::Active, QPalette::Text},            // 8 window text
    {QPalette::Active, QPalette::HighlightedText}, // 9 caption text
    {QPalette::Active, QPalette::Window},          // 10 active border
    {QPalette::Inactive, QPalette::Window},        // 11 inactive border
    {QPalette::Active, QPalette::Dark},            // 12 application workspace
    {QPalette::Active, QPalette::Highlight},       // 13 highlight
    {QPalette::Active, QPalette::HighlightedText}, // 14 highlight text
    {QPalette::Active, QPalette::Button},          // 15 button face
    {QPalette::Active, QPalette::Dark},            // 16 button shadow
    {QPalette::Disabled, QPalette::Text},          // 17 grey text
    {QPalette::Active, QPalette::ButtonText},      // 18 button text
    {QPalette::Disabled, QPalette::WindowText},    // 19 inactive caption text
    {QPalette::Active, QPalette::Light},           // 20 button highlight
    {QPalette::Active, QPalette::Shadow},          // 21 3-D dark shadow
    {QPalette::Active, QPalette::Midlight},        // 22 3-D light
    {QPalette::Active, QPalette::ToolTipText},     // 23 info text
    {QPalette::Active, QPalette::ToolTipBase},     // 24 info background
    {QPalette::Active, QPalette::Button},          // 25 unused; reads as button face
    {QPalette::Active, QPalette::Link},            // 26 hot-tracked item
    {QPalette::Active, QPalette::Highlight},       // 27 active caption gradient
    {QPalette::Inactive, QPalette::Mid},           // 28 inactive caption gradient
    {QPalette::Active, QPalette::Highlight},       // 29 menu highlight
    {QPalette::Active, QPalette::Window},          // 30 menu bar
}};

} // namespace

QColor storedColour(int stored, const QPalette &palette)
{
    if (ColourCode::isSystem(stored)) {
        const int index = ColourCode::systemIndex(stored);
        if (index >= static_cast<int>(systemColours.size()))
            return {};
        const SystemColour &c = systemColours[static_cast<std::size_t>(index)];
        return palette.color(c.group, c.role);
    }
    const ColourCode::Rgb v = ColourCode::rgb(stored);
    return QColor(v.red, v.green, v.blue);
}
