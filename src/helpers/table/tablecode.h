#pragma once

#include "helpers/frame/tagreading.h"

#include <QString>

#include <cstdint>
#include <optional>

// The table helper wraps the selection in a table, in rows or in cells.
enum class TableMode { Table, Row, Cell };

// What the table helper's fields say, as plain data. The three numbers change meaning with
// the mode, as the panel's labels do.
struct TableFields
{
    TableMode mode = TableMode::Table;
    int borderCol = 1;     // border (table), col span (cell; 0 gives none)
    int spaceRow = 2;      // cell space (table; 2 gives none), row span (cell; 0 gives none)
    int items = 1;         // cell pad (table; 2 gives none), how many rows or cells (row, cell)
    QString width, height; // empty gives none
    bool widthPercent = false, heightPercent = false;
    bool captionNowrap = false;          // "caption" (table), "no wrap" (cell)
    bool belowTable = false;             // the caption goes below the table
    QString align;                       // "", "left", "center", "right"
    QString valign;                      // "", "top", "bottom", "middle", "baseline"
    std::optional<std::uint32_t> colour; // "color", as 0xRRGGBB
    bool useNames = false;
    bool endTr = true, endTd = true; // "/TR", "/TD"
    QList<TagAttribute> others;      // attributes of a read tag the panel does not know, kept
};

struct TableParts
{
    QString start; // before the selection
    QString end;   // after it
    QString tag;   // the one start tag, which replaces a tag being edited
};

namespace TableCode {

// The parts; nothing when a row or cell mode asks for no items.
std::optional<TableParts> build(const TableFields &fields);
// The fields of a TABLE, TR or TD tag; nothing for another tag.
std::optional<TableFields> read(const FoundTag &tag);
// The largest width or height in pixels a size field takes.
inline constexpr int MaxPixels = 9999;
// What is wrong with a width or height the user typed ("Width"), or empty when it may stay.
QString sizeProblem(const QString &what, const QString &value, bool percent);

} // namespace TableCode
