#include "documents/editingaids.h"

#include "editor/texteditor.h"

#include <algorithm>

namespace EditingAids {

namespace {

// The selected text as block indent or outdent leaves it, in one pass.
QString indentedBlock(QStringView block, bool outdent)
{
    QString out;
    out.reserve(block.size() + (outdent ? 0 : block.count(u'\n') + 1));
    qsizetype i = 0;
    while (i < block.size()) {
        if (outdent) {
            if (block[i] == u'\t')
                ++i;
        } else {
            out += u'\t';
        }
        // Copy the rest of the line and its break; CR LF, LF and CR each end a line.
        while (i < block.size() && block[i] != u'\n' && block[i] != u'\r')
            out += block[i++];
        if (i < block.size() && block[i] == u'\r')
            out += block[i++];
        if (i < block.size() && block[i] == u'\n')
            out += block[i++];
    }
    return out;
}

} // namespace

int statusColumn(QStringView beforeCaret, int tabWidth)
{
    const int width = std::max(1, tabWidth);
    int column = 1;
    for (QChar c : beforeCaret) {
        // A character outside the BMP is two code units but one column.
        if (c.isLowSurrogate())
            continue;
        if (c == u'\t')
            column = ((column - 1) / width + 1) * width + 1;
        else
            ++column;
    }
    return column;
}

QString caretStatus(const TextEditor &doc)
{
    const int line = doc.caretLine();
    const int start = doc.lineStart(line);
    const QString before = doc.textRange(start, doc.caret());
    return QStringLiteral(" line: %1  col: %2")
        .arg(line + 1)
        .arg(statusColumn(before, doc.tabWidth()));
}

bool blockIndent(TextEditor &doc, bool outdent)
{
    if (doc.selLength() == 0)
        return false;
    const QString selected = doc.selectedText();
    const QString block = indentedBlock(selected, outdent);
    // Nothing to take away: no edit, so the document stays unmodified.
    if (block == selected)
        return true;
    const int start = doc.selectionStart();
    {
        UndoGroup group(doc);
        doc.replaceSelection(block);
    }
    doc.setSelection(start + int(block.size()), -int(block.size()));
    return true;
}

bool indentsOnEnter(bool autoIndentOn, bool shiftAlone)
{
    return autoIndentOn != shiftAlone;
}

QString leadingIndent(QStringView lineAbove)
{
    if (lineAbove.isEmpty() || (lineAbove[0] != u'\t' && lineAbove[0] != u' '))
        return {};
    const QChar kind = lineAbove[0];
    qsizetype n = 0;
    while (n < lineAbove.size() && lineAbove[n] == kind)
        ++n;
    return QString(n, kind);
}

void indentAfterEnter(TextEditor &doc)
{
    const int line = doc.caretLine();
    if (line == 0)
        return;
    const QString indent = leadingIndent(doc.line(line - 1));
    if (!indent.isEmpty())
        doc.replaceSelection(indent);
}

int topLineWithContext(int line, int top, int linesOnScreen, int context)
{
    const int lines = std::max(linesOnScreen, 1);
    // A view too small for the context on both sides can only centre the line.
    const int margin = std::min(context, (lines - 1) / 2);
    if (line >= top + margin && line <= top + lines - 1 - margin)
        return top;
    return std::max(0, line - (lines - 1) / 2);
}

} // namespace EditingAids
