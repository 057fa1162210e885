#pragma once

class TextEditor;

// Small caret and line edits that helper panels and the go-to-line box ask of the active
// document. Each edit is one undo step.
namespace CaretMoves {

// Leaves the caret at the start of a fresh line: after a selection it goes to the
// selection's end and breaks the line there; a caret inside a line breaks it.
void listcode(TextEditor &doc);
// Deletes the character before the caret; a CR LF pair counts as one.
void killspace(TextEditor &doc);
// Puts the caret at the end of its line, or 5 characters before it when n is 5.
void moveline(TextEditor &doc, int n);
// Puts the caret at the start of the given 0-based line.
void changeline(TextEditor &doc, int line);

} // namespace CaretMoves
