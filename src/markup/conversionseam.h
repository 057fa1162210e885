#pragma once

#include "markup/quickcode.h"

class TextEditor;

// How the quick table and quick list commands hand a selection to the text conversions,
// which replace it with a table or a list built from its lines.
class TextConversions
{
public:
    enum class Table { AsRows, AsCells, AsOneCell };

    virtual ~TextConversions() = default;
    virtual void makeTable(TextEditor &doc, Table layout) = 0;
    // kind is Ordered or Unordered; itemPerLine false puts all lines into one item.
    virtual void makeList(TextEditor &doc, QuickCode::ListKind kind, bool itemPerLine) = 0;
};
