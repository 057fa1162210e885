#include "shell/firststart.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPalette>

namespace FirstStart {

FirstStartLook systemLook()
{
    FirstStartLook look;
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    look.fixedFace = fixed.family();
    // A font given in pixels has no point size of its own.
    look.fixedPoints = fixed.pointSize() > 0 ? fixed.pointSize() : QFontInfo(fixed).pointSize();
    look.darkBase = QApplication::palette().color(QPalette::Base).lightness() < 128;
    return look;
}

} // namespace FirstStart
