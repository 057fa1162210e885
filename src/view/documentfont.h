#pragma once

#include "view/editorfont.h"

class SettingsFile;
class DocumentWindow;

// The font of a document's editor as the font commands and the settings file see it.
namespace DocumentFont {

EditorFontSpec current(const DocumentWindow &document);
// Keeps what the fontSpec does not say (weight nuances, hinting) from the current font. A face
// the platform does not have by that name is mapped first (see platformFace).
void apply(DocumentWindow &document, const EditorFontSpec &font);
// The stored default font; every new or opened document gets it once it is filled.
void applyStored(DocumentWindow &document, const SettingsFile &settings);

// "MS Sans Serif" exists on Windows only: elsewhere it stands for the desktop's general
// user-interface font. Any other face is left to the font matching.
QString platformFace(const QString &face);

} // namespace DocumentFont
