#pragma once

#include "helpers/frame/tagreading.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// The frame helper builds a frame set around the selection, frame tags in place of it, or
// an inline frame around it.
enum class FramesMode { Frameset, Frame, Iframe };

// An attribute the panel writes when its box is on.
struct FramesOption
{
    bool on = false;
    QString value;
    friend bool operator==(const FramesOption &, const FramesOption &) = default;
};

// What the frame helper's fields say, as plain data. Typed values go in as typed (a number
// bare, anything else quoted); a name or source read from a tag is written back as read.
struct FramesFields
{
    FramesMode mode = FramesMode::Frameset;
    int items = 1;
    FramesOption frameBorder{false, QStringLiteral("yes")};
    bool borderColourOn = false;
    std::uint32_t borderColour = 0xFFFFFF;
    bool useNames = false; // a named border colour, in frame sets only

    // Frame set.
    bool columns = false;
    QString layout; // a read "rows" or "cols" value, kept while it has `items` parts
    FramesOption border, spacing;
    bool noFrame = false;

    // Frame and inline frame.
    bool name = true;
    QString nameValue;
    QStringList sources; // per item; an item without one gets `src=""`
    FramesOption marginWidth, marginHeight, scrolling{false, QStringLiteral("auto")};
    bool noResize = false;
    FramesOption frameSpacing;
    FramesOption align{false, QStringLiteral("default")}, width, height, hspace, vspace,
        iframeBorder;

    QList<TagAttribute> others; // attributes of a read tag the panel does not know, kept
};

struct FramesParts
{
    QString start; // before the selection, or the whole text for frames
    QString end;   // after it; empty for frames, which replace the selection
    QString tag;   // the start tag alone, which replaces a tag being edited
};

namespace FramesCode {

// At most this many items: rows, columns or frame tags.
inline constexpr int MaxItems = 1000;

FramesParts build(const FramesFields &fields);
// The fields of a FRAMESET, FRAME or IFRAME tag; nothing for another tag.
std::optional<FramesFields> read(const FoundTag &tag);

} // namespace FramesCode
