#pragma once

#include "helpers/frame/tagreading.h"

#include <QString>

#include <cstdint>
#include <optional>

// What the colour helper writes: one colour attribute, or the colour text alone. The values
// are the radios' ids, in the panel's order.
enum class ColourTarget { Font, Background, Text, Link, VisitedLink, ActiveLink, CodeOnly };

// What the colour helper's fields say, as plain data.
struct ColourFields
{
    std::uint32_t rgb = 0xFFFFFF;
    bool useNames = false;
    std::optional<ColourTarget> target; // no radio chosen: nothing to write
    friend bool operator==(const ColourFields &, const ColourFields &) = default;
};

namespace ColourValue {

// "color", "bgcolor", "text", "link", "vlink", "alink"; empty for the colour alone.
QString attributeName(ColourTarget target);
// `bgcolor="Navy"`, or the colour text alone; empty with no target.
QString build(const ColourFields &fields);
// The colour attribute (named as a radio) or the bare colour ("#RRGGBB" or a colour name)
// the selection stands in. The piece's name is the attribute's as written, empty for a bare
// colour; its one attribute holds the value as written.
std::optional<FoundTag> find(const QString &text, int selectionStart, int selectionEnd);
// The fields of a piece that find() gave.
std::optional<ColourFields> read(const FoundTag &piece);
// What replaces a piece that was read: a bare colour stays a bare colour; an attribute takes
// the chosen radio's name, or keeps its own when only the colour is wanted.
QString replacement(const FoundTag &piece, const ColourFields &fields);

} // namespace ColourValue
