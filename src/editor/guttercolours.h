#pragma once

class QPalette;
class QsciScintilla;

// The editor's line number gutter, the margin of marks beside it and the fold margin take the
// colours of the window around them from the widget's palette, so that a dark desktop gets a
// dark gutter: the editor component's own grey stays light whatever the desktop.
namespace GutterColours {

// Sets the margins' colours from the palette; call again when the palette changes.
void apply(QsciScintilla *editor, const QPalette &palette);

} // namespace GutterColours
