#include "shell/splashwindow.h"

#include <Qsci/qsciglobal.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

SplashWindow::SplashWindow(Mode mode, const QRect &mainBounds, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_mode(mode)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("about Quillmark"));
    setFixedSize(PictureWidth, PictureHeight);
    // Placed a third down and half across the main window as it stands at creation.
    move(mainBounds.left() + mainBounds.width() / 2, mainBounds.top() + mainBounds.height() / 3);
    if (mode == Mode::Splash)
        QTimer::singleShot(SplashMilliseconds, this, &QWidget::close);
    else
        setFocusPolicy(Qt::StrongFocus);
}

QStringList SplashWindow::textLines() const
{
    QStringList lines{QStringLiteral("Version ") + QCoreApplication::applicationVersion()};
    if (m_mode == Mode::About) {
        lines << QStringLiteral("Qt %1, QScintilla %2")
                     .arg(QString::fromLatin1(qVersion()), QStringLiteral(QSCINTILLA_VERSION_STR))
              << QStringLiteral("Licence: GNU GPL, version 3");
    }
    return lines;
}

void SplashWindow::drawQuill(QPainter &p, const QRectF &box)
{
    // A curved feather with its shaft, drawn in a 88 by 156 design box.
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 88.0, box.height() / 156.0);
    QPainterPath feather;
    feather.moveTo(26, 124);
    feather.cubicTo(40, 70, 68, 28, 82, 4);
    feather.cubicTo(60, 22, 26, 56, 16, 114);
    feather.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf4, 0xe9, 0xcd));
    p.drawPath(feather);
    p.setPen(QPen(QColor(0xc8, 0x9b, 0x3c), 2));
    p.drawLine(QPointF(80, 7), QPointF(12, 150));
    p.restore();
}

QIcon SplashWindow::programIcon()
{
    QIcon icon;
    // Every window sends each size to the window system when it is made; 256 pixels would
    // be three quarters of that for a size no title bar or switcher here draws.
    for (const int size : {16, 24, 32, 48, 64, 128}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x1f, 0x3a, 0x5f));
        p.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
        drawQuill(p, QRectF(size * 0.22, size * 0.06, size * 0.5, size * 0.88));
        icon.addPixmap(pixmap);
    }
    return icon;
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

    drawQuill(p, QRectF(210, 26, 88, 156));

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
    const QStringList lines = textLines();
    const qreal step = QFontMetricsF(small).lineSpacing();
    qreal y = area.bottom() - 16 - step * lines.size();
    for (const QString &line : lines) {
        p.drawText(QRectF(24, y, 200, step), Qt::AlignLeft, line);
        y += step;
    }
    p.setPen(QColor(0xc8, 0x9b, 0x3c));
    p.setBrush(Qt::NoBrush);
    p.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
}

void SplashWindow::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    close();
}

void SplashWindow::closeEvent(QCloseEvent *event)
{
    // The About box took the keyboard from the main frame; the splash never had it.
    if (m_mode == Mode::About && parentWidget())
        parentWidget()->activateWindow();
    QWidget::closeEvent(event);
}

void SplashWindow::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        close();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
