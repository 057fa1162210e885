#include "commands/commandicons.h"

#include "widgets/deferredicons.h"

#include <QFile>
#include <QFontDatabase>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace {

constexpr const char *ThemeName = "Adwaita";
const char *const ThemeFolders[] = {"/usr/share/icons", "/usr/local/share/icons"};

QColor tintColour(Tint tint)
{
    switch (tint) {
    case Tint::Blue:
        return QColor(0x1c, 0x5f, 0xb0);
    case Tint::Green:
        return QColor(0x2e, 0x7d, 0x32);
    case Tint::Orange:
        return QColor(0xc2, 0x5b, 0x00);
    case Tint::Purple:
        return QColor(0x6a, 0x3d, 0x9a);
    case Tint::Teal:
        return QColor(0x00, 0x79, 0x6b);
    case Tint::Red:
        return QColor(0xc6, 0x28, 0x28);
    case Tint::Grey:
        break;
    }
    return QColor(0x55, 0x5d, 0x66);
}

// Teal (quick blocks) and purple (helpers) are filled; the others are outlined.
bool filled(Tint tint)
{
    return tint == Tint::Teal || tint == Tint::Purple;
}

// Paints into a pixmap of any size; QIcon asks for device pixels, so nothing is scaled.
class PaintedEngine : public QIconEngine
{
public:
    using Painter = std::function<void(QPainter &, const QRectF &, QIcon::Mode)>;
    explicit PaintedEngine(Painter paint) : m_paint(std::move(paint)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setRenderHint(QPainter::TextAntialiasing);
        m_paint(*painter, rect, mode);
        painter->restore();
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paint(&p, QRect(QPoint(), size), mode, state);
        return pm;
    }
    QIconEngine *clone() const override { return new PaintedEngine(m_paint); }
    QString key() const override { return QStringLiteral("QuillmarkPainted"); }

private:
    Painter m_paint;
};

void paintLabel(QPainter &p, const QRectF &rect, QIcon::Mode mode, const QString &text, Tint tint)
{
    QColor ink = tintColour(tint);
    if (mode == QIcon::Disabled)
        ink = QColor(0xa0, 0xa0, 0xa0);
    const qreal side = std::min(rect.width(), rect.height());
    const QRectF box(rect.center().x() - side / 2, rect.center().y() - side / 2, side, side);
    const qreal pen = std::max<qreal>(1.0, side / 16);
    const QRectF body = box.adjusted(pen / 2 + side * 0.04, pen / 2 + side * 0.04,
                                     -pen / 2 - side * 0.04, -pen / 2 - side * 0.04);
    const qreal radius = side * 0.16;
    if (filled(tint)) {
        QLinearGradient g(body.topLeft(), body.bottomLeft());
        g.setColorAt(0, ink.lighter(125));
        g.setColorAt(1, ink);
        p.setPen(QPen(ink.darker(120), pen));
        p.setBrush(g);
    } else {
        QLinearGradient g(body.topLeft(), body.bottomLeft());
        g.setColorAt(0, QColor(0xff, 0xff, 0xff));
        g.setColorAt(1, QColor(0xe8, 0xec, 0xf0));
        p.setPen(QPen(ink, pen));
        p.setBrush(g);
    }
    p.drawRoundedRect(body, radius, radius);

    // The largest bold size at which the label fits inside the frame.
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setFamily(QStringLiteral("DejaVu Sans Condensed"));
    font.setBold(true);
    const QRectF room = body.adjusted(side * 0.06, side * 0.08, -side * 0.06, -side * 0.08);
    qreal size = room.height() * (text.size() <= 2 ? 0.82 : 0.62);
    for (; size > 3; size -= 0.5) {
        font.setPixelSize(static_cast<int>(size));
        const QRectF need = QFontMetricsF(font).tightBoundingRect(text);
        if (need.width() <= room.width() && need.height() <= room.height())
            break;
    }
    font.setPixelSize(std::max(3, static_cast<int>(size)));
    p.setFont(font);
    p.setPen(filled(tint) ? QColor(Qt::white) : ink);
    const QRectF tight = QFontMetricsF(font).tightBoundingRect(text);
    const QPointF origin(body.center().x() - tight.center().x(),
                         body.center().y() - tight.center().y());
    p.drawText(origin, text);
}

} // namespace

namespace CommandIcons {

void install()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    QStringList paths = QIcon::themeSearchPaths();
    for (const char *folder : ThemeFolders) {
        if (!paths.contains(QLatin1String(folder)))
            paths.append(QLatin1String(folder));
    }
    QIcon::setThemeSearchPaths(paths);
    // Platforms without a desktop theme (offscreen, bare X) still get our icons.
    QIcon::setFallbackThemeName(QLatin1String(ThemeName));
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeName(QLatin1String(ThemeName));
}

QIcon theme(const char *name)
{
    install();
    return QIcon::fromTheme(QLatin1String(name));
}

QIcon label(const QString &text, Tint tint)
{
    return QIcon(new PaintedEngine([text, tint](QPainter &p, const QRectF &r, QIcon::Mode m) {
        paintLabel(p, r, m, text, tint);
    }));
}

QIcon forCommand(const CommandRow &row)
{
    const QString text =
        row.label ? QString::fromUtf8(row.label) : QString::fromUtf8(row.id).left(3).toUpper();
    if (!row.icon)
        return label(text, row.tint);
    // Looking a name up in the icon theme reads folders; every command's icon is made at start,
    // but only the shown ones are drawn.
    return deferredIcon(
        [name = row.icon, text, tint = row.tint] {
            QIcon icon = theme(name);
            return icon.isNull() ? label(text, tint) : icon;
        },
        true);
}

QIcon withDot(const QIcon &base, const QColor &colour)
{
    return QIcon(new PaintedEngine([base, colour](QPainter &p, const QRectF &r, QIcon::Mode m) {
        base.paint(&p, r.toRect(), Qt::AlignCenter, m);
        const qreal d = r.width() * 0.42;
        const QRectF dot(r.right() - d, r.bottom() - d, d, d);
        p.setPen(QPen(Qt::white, std::max<qreal>(1.0, r.width() / 24)));
        p.setBrush(m == QIcon::Disabled ? QColor(0xa0, 0xa0, 0xa0) : colour);
        p.drawEllipse(dot.adjusted(0.5, 0.5, -0.5, -0.5));
    }));
}

QIcon crossed(const QIcon &base)
{
    return QIcon(new PaintedEngine([base](QPainter &p, const QRectF &r, QIcon::Mode) {
        base.paint(&p, r.toRect(), Qt::AlignCenter, QIcon::Disabled);
        QPen pen(tintColour(Tint::Red), std::max<qreal>(1.5, r.width() / 10));
        pen.setCapStyle(Qt::RoundCap);
        p.setPen(pen);
        const qreal m = r.width() * 0.18;
        p.drawLine(QPointF(r.left() + m, r.bottom() - m), QPointF(r.right() - m, r.top() + m));
    }));
}

} // namespace CommandIcons
