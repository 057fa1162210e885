#pragma once

#include <QWidget>

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

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
};
