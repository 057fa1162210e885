#pragma once

#include <QLabel>

#include <functional>

// A label of the status bar that reports clicks and double clicks.
class ClickLabel : public QLabel
{
public:
    using QLabel::QLabel;

    std::function<void()> onClick;
    std::function<void()> onDoubleClick;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
