#include "toolbar/countpicker.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int Border = 1;

} // namespace

CountPicker::CountPicker(QWidget *parent) : QFrame(parent, Qt::Popup)
{
    setObjectName(QStringLiteral("panqtable"));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(Border);
    setMouseTracking(true);
    m_label = new QLabel(this);
    m_label->setAlignment(Qt::AlignCenter);
    QFont small = m_label->font();
    small.setPixelSize(10);
    m_label->setFont(small);
    // Sized when it opens: measuring the small font here would load it at start-up.
}

void CountPicker::open(CountGrid::Mode mode, const QPoint &globalTopLeft)
{
    m_grid = CountGrid(mode);
    m_row = m_column = 0;
    m_label->setText(m_grid.startLabel());
    fit();
    move(globalTopLeft);
    show();
}

QRect CountPicker::cellRect(int row, int column) const
{
    return {Border + (column - 1) * columnStep(), Border + (row - 1) * Step, columnStep() - 1,
            Step - 1};
}

void CountPicker::fit()
{
    const int labelHeight = m_label->sizeHint().height();
    const int gridWidth = m_grid.columns() * columnStep() + 1;
    const int gridHeight = m_grid.rows() * Step + 1;
    // The label needs room for "12 × 12" even under a narrow list grid.
    const int width =
        std::max(gridWidth,
                 m_label->fontMetrics().horizontalAdvance(QStringLiteral("88 \u00D7 88")) + 4) +
        2 * Border;
    m_label->setGeometry(Border, Border + gridHeight, width - 2 * Border, labelHeight);
    setFixedSize(width, gridHeight + labelHeight + 2 * Border);
}

QPoint CountPicker::cellAt(const QPoint &pos) const
{
    const int column = (pos.x() - Border) / columnStep() + 1;
    const int row = (pos.y() - Border) / Step + 1;
    if (pos.x() < Border || pos.y() < Border || column > m_grid.columns() || row > m_grid.rows())
        return {};
    return {column, row};
}

void CountPicker::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter p(this);
    const QColor chosen = palette().color(QPalette::Highlight);
    const QColor cell = palette().color(QPalette::Base);
    p.setPen(palette().color(QPalette::Mid));
    for (int r = 1; r <= m_grid.rows(); ++r) {
        for (int c = 1; c <= m_grid.columns(); ++c) {
            const QRect box = cellRect(r, c);
            p.fillRect(box, r <= m_row && c <= m_column ? chosen : cell);
            p.drawRect(box.adjusted(-1, -1, 0, 0));
        }
    }
}

void CountPicker::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    // Moving well past the right edge means the user has given up.
    if (pos.x() > width() + 15) {
        hide();
        return;
    }
    const QPoint cell = cellAt(pos);
    if (cell.isNull())
        return;
    m_column = cell.x();
    m_row = cell.y();
    m_label->setText(m_grid.label(m_row, m_column));
    m_grid.follow(m_row, m_column);
    fit();
    update();
}

void CountPicker::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (!rect().contains(pos) || event->button() == Qt::RightButton) {
        hide();
        return;
    }
    const QPoint cell = cellAt(pos);
    if (event->button() != Qt::LeftButton || cell.isNull())
        return;
    hide();
    Q_EMIT chosen(m_grid.mode(), cell.y(), m_grid.isTable() ? cell.x() : 1);
}

void CountPicker::keyPressEvent(QKeyEvent *event)
{
    // A key meant for the document: the picker goes, as it does for a click elsewhere.
    hide();
    event->accept();
}
