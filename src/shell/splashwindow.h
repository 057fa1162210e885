#pragma once

#include <QIcon>
#include <QWidget>

class QPainter;

// The picture window: shown for three seconds at start (Tform1), and as the About box until
// clicked. A click anywhere closes it, and so do Escape and Enter. The About box also names
// the versions of the libraries the program runs on, and the licence.
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

    // The lines under the program's name: its version, and in the About box the Qt and
    // QScintilla versions and the licence.
    QStringList textLines() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    Mode m_mode;
};
