#include "editor/caretmoves.h"

#include "editor/texteditor.h"

namespace CaretMoves {

void listcode(TextEditor &doc)
{
    UndoGroup group(doc);
    if (doc.selLength() != 0) {
        doc.setCaret(doc.selectionEnd());
        doc.replaceSelection(doc.lineBreak());
    }
    if (doc.caret() != doc.lineStart(doc.caretLine()))
        doc.replaceSelection(doc.lineBreak());
}

void killspace(TextEditor &doc)
{
    const int caret = doc.caret();
    if (caret <= 0)
        return;
    const bool pair = caret >= 2 && doc.textRange(caret - 2, caret) == QLatin1String("\r\n");
    UndoGroup group(doc);
    doc.setSelection(caret, pair ? -2 : -1);
    doc.replaceSelection(QString());
}

void moveline(TextEditor &doc, int n)
{
    const int end = doc.lineEnd(doc.caretLine());
    doc.setCaret(n == 5 ? std::max(doc.lineStart(doc.caretLine()), end - 5) : end);
}

void changeline(TextEditor &doc, int line)
{
    doc.setCaret(doc.lineStart(std::clamp(line, 0, doc.lineCount() - 1)));
    doc.ensureCaretVisible();
}

} // namespace CaretMoves
