#include "view/documentfont.h"

#include "colours/colourcode.h"
#include "colours/systemcolours.h"
#include "documents/documentwindow.h"

#include <Qsci/qsciscintilla.h>

#include <QFontDatabase>
#include <QFontInfo>

namespace DocumentFont {

EditorFontSpec current(const DocumentWindow &document)
{
    const QFont font = document.editorFont();
    const QColor colour = document.textColour();
    EditorFontSpec fontSpec;
    fontSpec.face = font.family();
    // A font given in pixels has no point size of its own.
    fontSpec.points = font.pointSize() > 0 ? font.pointSize() : QFontInfo(font).pointSize();
    fontSpec.colour = ColourCode::encodeRgb(colour.red(), colour.green(), colour.blue());
    fontSpec.bold = font.bold();
    fontSpec.italic = font.italic();
    fontSpec.underline = font.underline();
    fontSpec.strikeOut = font.strikeOut();
    return fontSpec;
}

void apply(DocumentWindow &document, const EditorFontSpec &fontSpec)
{
    QFont font = document.editorFont();
    font.setFamily(platformFace(fontSpec.face));
    font.setPointSize(std::max(1, fontSpec.points));
    font.setBold(fontSpec.bold);
    font.setItalic(fontSpec.italic);
    font.setUnderline(fontSpec.underline);
    font.setStrikeOut(fontSpec.strikeOut);
    QColor colour = storedColour(fontSpec.colour, document.memo()->palette());
    if (!colour.isValid())
        colour = document.textColour();
    document.setEditorFont(font, colour);
}

void applyStored(DocumentWindow &document, const SettingsFile &settings)
{
    apply(document, EditorFont::readStored(settings, current(document)));
}

QString platformFace(const QString &face)
{
#ifdef Q_OS_WIN
    return face;
#else
    if (face.compare(QLatin1String("MS Sans Serif"), Qt::CaseInsensitive) == 0)
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    return face;
#endif
}

} // namespace DocumentFont
