#include "app/splashwindow.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

SplashWindow::SplashWindow(Mode mode, const QRect &mainBounds, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("about Quillmark"));
    setFixedSize(PictureWidth, PictureHeight);
    // Placed a third down and half across the main window as it stands at creation.
    move(mainBounds.left() + mainBounds.width() / 2, mainBounds.top() + mainBounds.height() / 3);
    if (mode == Mode::Splash)
        QTimer::singleShot(SplashMilliseconds, this, &QWidget::close);
}

void SplashWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area = rect();

    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, QColor(0x1f, 0x3a, 0x5f));
    sky.setColorAt(1, QColor(0x0d, 0x1b, 0x2a));
    p.fillRect(area, sky);

    // A quill drawn as a curved feather with its shaft.
    QPainterPath feather;
    feather.moveTo(236, 150);
    feather.cubicTo(250, 96, 278, 54, 292, 30);
    feather.cubicTo(270, 48, 236, 82, 226, 140);
    feather.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf4, 0xe9, 0xcd));
    p.drawPath(feather);
    p.setPen(QPen(QColor(0xc8, 0x9b, 0x3c), 2));
    p.drawLine(QPointF(290, 33), QPointF(222, 176));

    p.setPen(QColor(0xf4, 0xe9, 0xcd));
    QFont title = font();
    title.setPointSize(26);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRectF(22, 56, 220, 50), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Quillmark"));

    QFont small = font();
    small.setPointSize(9);
    p.setFont(small);
    p.setPen(QColor(0xc9, 0xd6, 0xe3));
    p.drawText(QRectF(24, 104, 220, 20), Qt::AlignLeft, QStringLiteral("HTML written by hand"));
    p.drawText(QRectF(24, 180, 220, 20), Qt::AlignLeft,
               QStringLiteral("Version ") + QCoreApplication::applicationVersion());
    p.setPen(QColor(0xc8, 0x9b, 0x3c));
    p.setBrush(Qt::NoBrush);
    p.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
}

void SplashWindow::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    close();
}
