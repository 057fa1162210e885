#include "widgets/dragoutline.h"

#include <QPainter>
#include <QRegion>

namespace {
constexpr int Thickness = 2;
}

DragOutline::DragOutline()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
}

void DragOutline::begin(const QRect &frame, const QPoint &pressPoint)
{
    m_frame = frame;
    m_press = pressPoint;
    m_dragging = true;
    setGeometry(frame);
    show();
    raise();
}

void DragOutline::follow(const QPoint &mousePoint)
{
    if (m_dragging)
        move(m_frame.topLeft() + mousePoint - m_press);
}

QPoint DragOutline::end(const QPoint &mousePoint)
{
    m_dragging = false;
    hide();
    return mousePoint - m_press;
}

void DragOutline::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Only the border belongs to the window, so what lies under the outline stays visible
    // without a compositor.
    const QRect all = rect();
    setMask(QRegion(all).subtracted(all.adjusted(Thickness, Thickness, -Thickness, -Thickness)));
}

void DragOutline::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.fillRect(rect(), QBrush(Qt::black, Qt::Dense4Pattern));
}
