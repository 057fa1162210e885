#include "statusbar/clicklabel.h"

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    QLabel::mousePressEvent(event);
    if (onClick)
        onClick();
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    QLabel::mouseDoubleClickEvent(event);
    if (onDoubleClick)
        onDoubleClick();
}
