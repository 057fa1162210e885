#include "helpers/frame/pathmodebox.h"

PathModeBox::PathModeBox(Wording wording, QWidget *parent) : QComboBox(parent)
{
    setObjectName(QStringLiteral("pathlist"));
    // Long entries must not widen the panel past its minimum.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    if (wording == Wording::Long) {
        setMinimumContentsLength(6);
        addItems({QStringLiteral("relative path"), QStringLiteral("absolute path"),
                  QStringLiteral("no path")});
    } else {
        setMinimumContentsLength(5);
        addItems({QStringLiteral("relative"), QStringLiteral("absolute"), QStringLiteral("none")});
    }
    setPlaceholderText(itemText(0));
    setCurrentIndex(-1);
}

PathMode PathModeBox::mode() const
{
    switch (currentIndex()) {
    case 1:
        return PathMode::Absolute;
    case 2:
        return PathMode::None;
    default:
        return PathMode::Relative;
    }
}

void PathModeBox::setMode(PathMode mode)
{
    switch (mode) {
    case PathMode::Absolute:
        setCurrentIndex(1);
        break;
    case PathMode::None:
        setCurrentIndex(2);
        break;
    case PathMode::Relative:
        setCurrentIndex(-1);
        break;
    }
}
