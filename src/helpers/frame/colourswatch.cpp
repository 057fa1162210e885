#include "helpers/frame/colourswatch.h"

#include "colours/colourpicker.h"

#include <QColor>
#include <QCursor>

ColourSwatch::ColourSwatch(const QString &objectName, QWidget *parent)
    : QToolButton(parent), m_picker(new ColourPicker(parent))
{
    setObjectName(objectName);
    setToolTip(QStringLiteral("Choose the colour"));
    setFixedSize(28, 20);
    setColour(m_rgb);
    connect(this, &QToolButton::pressed, this, [this] {
        setDown(false);
        Q_EMIT opening();
        m_picker->popup(
            QCursor::pos(),
            [this](std::uint32_t rgb) {
                setColour(rgb);
                Q_EMIT chosen(rgb);
            },
            QColor::fromRgb(m_rgb));
    });
}

void ColourSwatch::setColour(std::uint32_t rgb)
{
    m_rgb = rgb;
    setStyleSheet(QStringLiteral("background: %1;").arg(QColor::fromRgb(rgb).name()));
}
