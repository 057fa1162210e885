#include "colours/colourpicker.h"

#include "colours/namedcolours.h"

#include <QColorDialog>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr int CellWidth = 10;
constexpr int CellHeight = 11;
constexpr int Margin = 3;

std::optional<QColor> askSystem(QWidget *parent, QColor initial)
{
    const QColor c =
        QColorDialog::getColor(initial.isValid() ? initial : QColor(Qt::white), parent);
    if (!c.isValid())
        return std::nullopt;
    return c;
}

} // namespace

PaletteGrid::PaletteGrid(Kind kind, QWidget *parent) : QFrame(parent, Qt::Popup), m_kind(kind)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setMouseTracking(true);
    m_hex = new QLabel(this);
    m_name = new QLabel(this);
    for (QLabel *label : {m_hex, m_name})
        label->installEventFilter(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(Margin, Margin + rows() * CellHeight + 1 + Margin, Margin, Margin);
    layout->setSpacing(0);
    layout->addWidget(m_hex);
    layout->addWidget(m_name);
    const int labelHeight = m_hex->sizeHint().height();
    setFixedSize(2 * Margin + columns() * CellWidth + 1,
                 3 * Margin + rows() * CellHeight + 1 + 2 * labelHeight);
}

int PaletteGrid::columns() const
{
    return m_kind == Kind::WebSafe ? WebSafe::Columns : 14;
}

int PaletteGrid::rows() const
{
    return m_kind == Kind::WebSafe ? WebSafe::Rows : 10;
}

std::uint32_t PaletteGrid::colourAt(int row, int column) const
{
    return m_cells.at(std::size_t(row * columns() + column));
}

QRect PaletteGrid::gridRect() const
{
    return {Margin, Margin, columns() * CellWidth + 1, rows() * CellHeight + 1};
}

QRect PaletteGrid::cellRect(int row, int column) const
{
    return {Margin + column * CellWidth, Margin + row * CellHeight, CellWidth + 1, CellHeight + 1};
}

void PaletteGrid::fill()
{
    m_cells.reserve(std::size_t(rows() * columns()));
    if (m_kind == Kind::WebSafe) {
        for (int r = 0; r < rows(); ++r)
            for (int c = 0; c < columns(); ++c)
                m_cells.push_back(WebSafe::colourAt(r, c));
    } else {
        for (const NamedColours::Row &row : NamedColours::rows())
            m_cells.push_back(row.rgb);
    }
}

void PaletteGrid::showEvent(QShowEvent *event)
{
    if (!isFilled())
        fill();
    m_hex->clear();
    m_name->clear();
    QFrame::showEvent(event);
}

void PaletteGrid::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter p(this);
    p.setPen(palette().color(QPalette::Shadow));
    for (int r = 0; r < rows(); ++r) {
        for (int c = 0; c < columns(); ++c) {
            const QRect cell = cellRect(r, c).adjusted(0, 0, -1, -1);
            p.fillRect(cell, QColor::fromRgb(colourAt(r, c)));
            p.drawRect(cell);
        }
    }
}

int PaletteGrid::cellIndexAt(const QPoint &pos) const
{
    if (!isFilled() || !gridRect().contains(pos))
        return -1;
    const int column = std::min((pos.x() - Margin) / CellWidth, columns() - 1);
    const int row = std::min((pos.y() - Margin) / CellHeight, rows() - 1);
    return row * columns() + column;
}

void PaletteGrid::mouseMoveEvent(QMouseEvent *event)
{
    const int index = cellIndexAt(event->position().toPoint());
    if (index < 0)
        return;
    const std::uint32_t rgb = m_cells[std::size_t(index)];
    m_hex->setText(u' ' + NamedColours::hexText(rgb));
    m_name->setText(m_kind == Kind::Names
                        ? QLatin1String(NamedColours::rows()[std::size_t(index)].name)
                        : NamedColours::nameOf(rgb));
}

void PaletteGrid::mousePressEvent(QMouseEvent *event)
{
    // A press outside the pop-up closes it, as any pop-up does.
    if (!rect().contains(event->position().toPoint())) {
        QFrame::mousePressEvent(event);
        return;
    }
    const int index = cellIndexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index >= 0) {
        const std::uint32_t rgb = m_cells[std::size_t(index)];
        hide();
        Q_EMIT chosen(rgb);
        Q_EMIT cellChosen(rgb,
                          m_kind == Kind::Names
                              ? QLatin1String(NamedColours::rows()[std::size_t(index)].name)
                              : NamedColours::nameOf(rgb),
                          event->modifiers());
        return;
    }
    if (event->button() == Qt::RightButton)
        hide();
}

bool PaletteGrid::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == m_hex || watched == m_name) && event->type() == QEvent::MouseButtonPress) {
        hide();
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

namespace {

constexpr std::uint32_t BasicColours[16] = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0x808080,
    0xC0C0C0, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};
constexpr int BasicCell = 11;

} // namespace

BasicColourGrid::BasicColourGrid(QWidget *parent) : QWidget(parent)
{
    setFixedSize(sizeHint());
    setCursor(Qt::PointingHandCursor);
}

std::uint32_t BasicColourGrid::colourAt(int index)
{
    return BasicColours[std::clamp(index, 0, 15)];
}

QRect BasicColourGrid::cellRect(int index) const
{
    return {(index % 8) * BasicCell, (index / 8) * BasicCell, BasicCell, BasicCell};
}

QSize BasicColourGrid::sizeHint() const
{
    return {8 * BasicCell + 1, 2 * BasicCell + 1};
}

void BasicColourGrid::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(palette().color(QPalette::Shadow));
    for (int i = 0; i < 16; ++i) {
        const QRect cell = cellRect(i);
        p.fillRect(cell, QColor::fromRgb(BasicColours[i]));
        p.drawRect(cell);
    }
}

void BasicColourGrid::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    for (int i = 0; i < 16; ++i)
        if (cellRect(i).contains(at) && event->button() == Qt::LeftButton)
            Q_EMIT chosen(BasicColours[i]);
}

ColourPicker::ColourPicker(QWidget *owner)
    : QObject(owner), m_owner(owner), m_menu(new QMenu(owner)), m_dialog(askSystem)
{
    QAction *safe = m_menu->addAction(QStringLiteral("Safe Browser Palette"));
    QAction *names = m_menu->addAction(QStringLiteral("Distinct Names Palette"));
    QAction *system = m_menu->addAction(QStringLiteral("Windows Palette"));
    connect(safe, &QAction::triggered, this, [this] { showGrid(PaletteGrid::Kind::WebSafe); });
    connect(names, &QAction::triggered, this, [this] { showGrid(PaletteGrid::Kind::Names); });
    connect(system, &QAction::triggered, this, &ColourPicker::showSystemDialog);
}

PaletteGrid *ColourPicker::grid(PaletteGrid::Kind kind)
{
    QPointer<PaletteGrid> &slot = m_grids[kind == PaletteGrid::Kind::WebSafe ? 0 : 1];
    if (!slot) {
        slot = new PaletteGrid(kind, m_owner);
        connect(slot, &PaletteGrid::chosen, this, &ColourPicker::deliver);
    }
    return slot;
}

void ColourPicker::popup(const QPoint &globalPos, Target target, QColor initial)
{
    hideGrids();
    m_target = std::move(target);
    m_initial = initial;
    m_at = globalPos;
    m_menu->popup(globalPos);
}

void ColourPicker::showGrid(PaletteGrid::Kind kind)
{
    hideGrids();
    PaletteGrid *g = grid(kind);
    // Keep the grid on the screen the mouse is on.
    QPoint at = m_at;
    if (const QScreen *screen = m_owner->screen()) {
        const QRect area = screen->availableGeometry();
        at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - g->width())));
        at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() - g->height())));
    }
    g->move(at);
    g->show();
}

void ColourPicker::showSystemDialog()
{
    hideGrids();
    if (const std::optional<QColor> c = m_dialog(m_owner, m_initial))
        deliver(c->rgb() & 0xFFFFFFu);
}

void ColourPicker::hideGrids()
{
    for (const QPointer<PaletteGrid> &g : m_grids)
        if (g)
            g->hide();
}

void ColourPicker::deliver(std::uint32_t rgb)
{
    if (m_target)
        m_target(rgb);
}
