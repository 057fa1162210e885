#pragma once

#include <QString>

class SettingsFile;

// What the desktop offers a new user: its fixed-width font and whether its palette is dark.
struct FirstStartLook
{
    QString fixedFace; // empty: leave the font to the built-in default
    int fixedPoints = 10;
    bool darkBase = false; // the palette's base colour, behind the text, is dark
};

// What a new user gets before the settings file exists (or while it is empty): a clearly
// distinct, readable colour for every tag category, the desktop's fixed-width font, the line
// number gutter and the current line's background, so that the first document already looks
// like an editor's; tags in lower case, auto-indent, the desktop's browser for previews, and
// quick commands that write what the preferences show.
namespace FirstStart {

bool isFirstStart(const SettingsFile &settings);
void prepare(SettingsFile &settings, const FirstStartLook &look = {});

// The look of the running desktop.
FirstStartLook systemLook();

} // namespace FirstStart
