#pragma once

#include <QIcon>
#include <QWidget>

class QPainter;

// The picture window: shown for three seconds at start (Tform1), and as the About box until
// clicked. A click anywhere closes it.
class SplashWindow : public QWidget
{
    Q_OBJECT

public:
    enum class Mode { Splash, About };

    SplashWindow(Mode mode, const QRect &mainBounds, QWidget *parent = nullptr);

    static constexpr int PictureWidth = 306;
    static constexpr int PictureHeight = 217;
    static constexpr int SplashMilliseconds = 3000;

    // The program's icon: the quill of the picture on a dark square.
    static QIcon programIcon();
    static void drawQuill(QPainter &painter, const QRectF &box);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
};
