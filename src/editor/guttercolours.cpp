#include "editor/guttercolours.h"

#include <Qsci/qsciscintilla.h>

#include <QPalette>

namespace {

// The numbers a little softer than the window's text, so that they stay apart from the page.
QColor softened(const QColor &text, const QColor &back)
{
    constexpr double Share = 0.3;
    const auto mix = [](int t, int b) { return int(t + (b - t) * Share + 0.5); };
    return QColor(mix(text.red(), back.red()), mix(text.green(), back.green()),
                  mix(text.blue(), back.blue()));
}

} // namespace

namespace GutterColours {

void apply(QsciScintilla *editor, const QPalette &palette)
{
    const QColor back = palette.color(QPalette::Window);
    const QColor numbers = softened(palette.color(QPalette::WindowText), back);
    editor->setMarginsBackgroundColor(back);
    editor->setMarginsForegroundColor(numbers);
    editor->setFoldMarginColors(back, back);
}

} // namespace GutterColours
