#pragma once

#include "tagcolouring/tagcolourrules.h"

#include <QByteArray>

#include <cstdint>
#include <cstring>
#include <vector>

// Colouring tests show styles as one letter per byte, so that a row reads like the text it
// colours: none, general, comments, images, scripts, frames, links, lists, styles, forms,
// tables.
namespace StyleRendering {

inline constexpr char letters[] = ".gcisfulyot";

inline TagCategory categoryOf(char letter)
{
    const char *p = std::strchr(letters, letter);
    return static_cast<TagCategory>(p ? p - letters : 0);
}

// A scheme with the categories named by their letters switched on, each in its own colour.
inline TagColourScheme schemeOf(const QByteArray &enabled)
{
    TagColourScheme scheme;
    int colour = 1;
    for (char c : enabled)
        scheme.setColours(categoryOf(c), colour++);
    return scheme;
}

inline QByteArray render(const std::vector<std::uint8_t> &styles)
{
    QByteArray out;
    for (std::uint8_t s : styles)
        out += s <= 10 ? letters[s] : '?';
    return out;
}

} // namespace StyleRendering
