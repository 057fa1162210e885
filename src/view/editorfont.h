#pragma once

#include <QString>

class SettingsFile;

// The editor font as the settings file stores it: face, size in points, colour in the
// stored encoding (see colourcode.h) and the style flags.
struct EditorFontSpec
{
    QString face;
    int points = 10;
    int colour = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    friend bool operator==(const EditorFontSpec &, const EditorFontSpec &) = default;
};

// The rules of the font commands that need no widgets: the built-in default, the size
// steps, the "Tstyle" text and the stored default font.
namespace EditorFont {

// "MS Sans Serif", 10 points, black, regular. The face is mapped to an installed one where
// the font is applied.
EditorFontSpec builtInDefault();

// One point larger; one point smaller, but never below 1.
int larger(int points);
int smaller(int points);

// "regular", "bold", "italic" or "bolditalic"; empty with underline or strike-out, which
// the stored style cannot express.
QString styleText(const EditorFontSpec &font);
// Sets the style a stored text names (clearing underline and strike-out, as the four styles
// hold neither); false and no change for any other text, the empty one included.
bool applyStyleText(const QString &text, EditorFontSpec *font);

// The stored default font over `current`: each key that is missing, or unusable (an empty
// face, a size below 1), keeps the current value; an unknown style keeps the current style.
EditorFontSpec readStored(const SettingsFile &settings, const EditorFontSpec &current);
void writeStored(SettingsFile &settings, const EditorFontSpec &font);

} // namespace EditorFont
