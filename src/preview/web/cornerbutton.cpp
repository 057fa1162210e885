#include "preview/web/cornerbutton.h"

#include <QMouseEvent>
#include <QPainter>

CornerButton::CornerButton(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Butts"));
    setToolTip(QStringLiteral("Place Previewer in Screen Corner"));
    setFixedSize(Size, Size);
}

int CornerButton::cornerAt(const QPoint &pos)
{
    return (pos.x() > Split ? 1 : 0) + (pos.y() > Split ? 2 : 0);
}

void CornerButton::showNeutral()
{
    if (m_corner == -1)
        return;
    m_corner = -1;
    update();
}

void CornerButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect screen = rect().adjusted(2, 3, -3, -3);
    p.fillRect(screen, palette().base());
    if (m_corner >= 0) {
        const int w = screen.width() / 2, h = screen.height() / 2;
        const QRect quarter(screen.left() + (m_corner & 1 ? w + 1 : 0),
                            screen.top() + (m_corner & 2 ? h + 1 : 0), w, h);
        p.fillRect(quarter, palette().highlight());
    }
    p.setPen(palette().color(QPalette::WindowText));
    p.drawRect(screen);
    p.drawLine(screen.center().x() - 3, screen.bottom() + 2, screen.center().x() + 3,
               screen.bottom() + 2);
}

void CornerButton::mousePressEvent(QMouseEvent *event)
{
    m_corner = cornerAt(event->position().toPoint());
    update();
}

void CornerButton::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const int corner = rect().contains(pos) ? m_corner : -1;
    showNeutral();
    if (corner >= 0)
        Q_EMIT cornerChosen(corner);
}
