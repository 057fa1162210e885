#include "view/editorfont.h"

#include "base/settingsfile.h"

namespace {

struct StyleName
{
    const char *text;
    bool bold;
    bool italic;
};

constexpr StyleName StyleNames[] = {
    {"regular", false, false},
    {"bold", true, false},
    {"italic", false, true},
    {"bolditalic", true, true},
};

} // namespace

namespace EditorFont {

EditorFontSpec builtInDefault()
{
    EditorFontSpec font;
    font.face = QStringLiteral("MS Sans Serif");
    font.points = 10;
    font.colour = 0;
    return font;
}

int larger(int points)
{
    return points + 1;
}

int smaller(int points)
{
    return points > 1 ? points - 1 : points;
}

QString styleText(const EditorFontSpec &font)
{
    if (font.underline || font.strikeOut)
        return QString();
    for (const StyleName &s : StyleNames) {
        if (s.bold == font.bold && s.italic == font.italic)
            return QLatin1String(s.text);
    }
    return QString();
}

bool applyStyleText(const QString &text, EditorFontSpec *font)
{
    for (const StyleName &s : StyleNames) {
        if (text == QLatin1String(s.text)) {
            font->bold = s.bold;
            font->italic = s.italic;
            font->underline = false;
            font->strikeOut = false;
            return true;
        }
    }
    return false;
}

EditorFontSpec readStored(const SettingsFile &settings, const EditorFontSpec &current)
{
    EditorFontSpec font = current;
    const QString face =
        settings.readString(Keys::FontName.section, Keys::FontName.name, current.face);
    if (!face.isEmpty())
        font.face = face;
    const int points =
        settings.readInt(Keys::FontPoints.section, Keys::FontPoints.name, current.points);
    if (points >= 1)
        font.points = points;
    font.colour = settings.readInt(Keys::FontColour.section, Keys::FontColour.name, current.colour);
    applyStyleText(settings.read(Keys::FontStyle), &font);
    return font;
}

void writeStored(SettingsFile &settings, const EditorFontSpec &font)
{
    SettingsFile::Batch batch(settings);
    settings.write(Keys::FontName, font.face);
    settings.write(Keys::FontPoints, font.points);
    settings.write(Keys::FontColour, font.colour);
    settings.write(Keys::FontStyle, styleText(font));
}

} // namespace EditorFont
