#pragma once

#include <QWidget>

// The little screen picture that places the preview in a screen corner: pressing shows the
// quarter under the mouse, releasing inside moves the window there.
class CornerButton : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Size = 28;
    static constexpr int Split = 14;

    explicit CornerButton(QWidget *parent = nullptr);
    // -1 for the neutral picture, else the corner shown.
    int shownCorner() const { return m_corner; }
    void showNeutral();
    QSize sizeHint() const override { return {Size, Size}; }

Q_SIGNALS:
    void cornerChosen(int corner);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    static int cornerAt(const QPoint &pos);
    int m_corner = -1;
};
