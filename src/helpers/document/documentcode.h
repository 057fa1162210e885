#pragma once

#include "helpers/frame/tagreading.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// What the document helper's fields say, as plain data.
struct BodyFields
{
    QString background; // the picture's reference (the path rule's form), or empty
    // Each colour when its box is on, as 0xRRGGBB.
    std::optional<std::uint32_t> back, text, link, alink, vlink;
    bool useNames = false; // colours by name where they have one
    // A colour as it was written in a tag that was read, in the order above; it is written
    // the same way again while it still means that colour.
    std::array<QString, 5> written;
    QList<TagAttribute> others; // attributes the panel does not know, kept
};

namespace DocumentCode {

// `<BODY background bgcolor text link alink vlink …>`.
QString build(const BodyFields &fields);
// The fields of a BODY tag; nothing for another tag. "use names" comes back on when a
// colour was written by its name.
std::optional<BodyFields> read(const FoundTag &tag);

} // namespace DocumentCode
