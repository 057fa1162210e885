#pragma once

#include "helpers/frame/tagreading.h"

#include <QString>

#include <optional>

// The list helper wraps the selection in a whole list, or in list items alone.
enum class ListMode { List, Item };
enum class ListKind { None, Bullet, Number, Definition };

// What the list helper's fields say, as plain data.
struct ListFields
{
    ListMode mode = ListMode::List;
    ListKind kind = ListKind::Bullet; // list mode only; None builds nothing
    // The type value: "circle", "disc", "square", "1", "I", "i", "A", "a", "definition" (item
    // mode: definition items), or empty for none.
    QString type;
    std::optional<int> start; // numbered lists, while "start list at" is shown
    int items = 2;
    int indent = 0; // tabs before each item, list mode only
    bool endLi = true;
    bool compact = false;
    QList<TagAttribute> others; // attributes of a read tag the panel does not know, kept
};

struct ListParts
{
    QString start; // before the selection: the list's start tag and the first item's start
    QString end;   // after it: the first item's end, the further items, the list's end tag
    QString tag;   // the one start tag, which replaces a tag being edited
};

namespace ListCode {

// The parts; nothing when list mode has no list kind chosen.
std::optional<ListParts> build(const ListFields &fields);
// The fields of a UL, OL, DL or LI tag; nothing for another tag.
std::optional<ListFields> read(const FoundTag &tag);

} // namespace ListCode
