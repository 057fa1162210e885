#pragma once

#include <QPoint>
#include <QRect>
#include <QWidget>

// The dotted outline a borderless window draws on the screen while the user drags it by its
// panel: it follows the mouse, and the window itself moves only when the button comes up.
class DragOutline : public QWidget
{
public:
    DragOutline();

    // Shows the outline over the window's frame, with the mouse pressed at a global point.
    void begin(const QRect &frame, const QPoint &pressPoint);
    // Shifts the outline by the mouse's distance from the press point.
    void follow(const QPoint &mousePoint);
    // Hides the outline and gives the distance the window must move.
    QPoint end(const QPoint &mousePoint);
    bool dragging() const { return m_dragging; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QRect m_frame;
    QPoint m_press;
    bool m_dragging = false;
};
