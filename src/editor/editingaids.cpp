#include "editor/editingaids.h"

#include "editor/texteditor.h"

#include <algorithm>

namespace EditingAids {

int statusColumn(QStringView beforeCaret, int tabWidth)
{
    const int width = std::max(1, tabWidth);
    int column = 1;
    for (QChar c : beforeCaret) {
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

bool blockIndent(TextEditor &doc, TextEditor &scratch, bool outdent)
{
    if (doc.selLength() == 0)
        return false;
    scratch.setText(doc.selectedText());
    // A selection that ends with a line break ends before the next line: that line is not
    // part of the block.
    int lines = scratch.lineCount();
    if (lines > 1 && scratch.lineStart(lines - 1) == scratch.length())
        --lines;
    for (int i = 0; i < lines; ++i) {
        const int start = scratch.lineStart(i);
        if (outdent) {
            if (scratch.lineEnd(i) > start && scratch.textRange(start, start + 1) == u"\t") {
                scratch.setSelection(start, 1);
                scratch.clearSelection();
            }
        } else {
            scratch.setCaret(start);
            scratch.replaceSelection(QStringLiteral("\t"));
        }
    }
    const QString block = scratch.text();
    scratch.clear();
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

} // namespace EditingAids
