#pragma once

#include <QString>
#include <QStringView>

class TextEditor;

// The typing aids of a document editor that need no widgets: the caret's column as the
// status bar counts it, block indent and outdent, and the indentation repeated after Enter.
namespace EditingAids {

// The 1-based column of a caret that follows `beforeCaret` on its line: every character
// counts one, a tab jumps to the next tab stop (columns 1, T + 1, 2T + 1, ...).
int statusColumn(QStringView beforeCaret, int tabWidth);
// " line: N  col: M" for the caret of the editor.
QString caretStatus(const TextEditor &doc);

// Tab on a selection: a tab in front of every line of the selected text; Shift+Tab: one
// leading tab less on every line that has one. A selection that ends with a line break ends
// before the next line, which stays as it is. The block goes back in one undo step, selected
// again with the caret at its end. Does nothing and returns false without a selection.
bool blockIndent(TextEditor &doc, bool outdent);

// Whether Enter indents the new line: with auto-indent on unless Shift alone is held, with it
// off only when Shift alone is held.
bool indentsOnEnter(bool autoIndentOn, bool shiftAlone);
// The indentation a new line takes from the line above it: its leading tabs, or else its
// leading blanks; empty for a line that starts with anything else.
QString leadingIndent(QStringView lineAbove);
// Puts the indentation of the line above the caret's line at the caret.
void indentAfterEnter(TextEditor &doc);

// The first line a view of `linesOnScreen` lines, now starting at `top`, shows so that `line`
// stands at least `context` lines inside its top and bottom edges: `top` when it already does,
// else the one that puts the line in the middle (never before the first line). All counts are
// lines as the view shows them.
int topLineWithContext(int line, int top, int linesOnScreen, int context);

} // namespace EditingAids
