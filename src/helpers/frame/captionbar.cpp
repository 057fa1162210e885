#include "helpers/frame/captionbar.h"

#include <QHBoxLayout>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolButton>
#include <QWindow>

namespace {

constexpr int ButtonSize = 16;

} // namespace

CaptionBar::CaptionBar(const QString &caption, QWidget *parent)
    : QWidget(parent), m_caption(caption)
{
    setObjectName(QStringLiteral("CaptionControl1"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_roll = makeButton(QStringLiteral("rollbutton"), QStringLiteral("Max"));
    m_close = makeButton(QStringLiteral("closebutton"), QStringLiteral("Close"));
    m_help = makeButton(QStringLiteral("helpbutton"), QStringLiteral("Help"));
    m_close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    m_help->setIcon(style()->standardIcon(QStyle::SP_TitleBarContextHelpButton));
    setRollKind(RollKind::RollUp);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 2, 2);
    layout->setSpacing(1);
    layout->addStretch(1);
    layout->addWidget(m_roll);
    layout->addWidget(m_close);
    layout->addWidget(m_help);
    connect(m_roll, &QToolButton::clicked, this, &CaptionBar::rollClicked);
    connect(m_close, &QToolButton::clicked, this, &CaptionBar::closeClicked);
    connect(m_help, &QToolButton::clicked, this, &CaptionBar::helpClicked);
}

QToolButton *CaptionBar::makeButton(const QString &name, const QString &hint)
{
    auto *b = new QToolButton(this);
    b->setObjectName(name);
    b->setToolTip(hint);
    b->setAccessibleName(hint);
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoRaise(true);
    b->setFixedSize(ButtonSize, ButtonSize);
    b->setIconSize(QSize(ButtonSize - 4, ButtonSize - 4));
    // The buttons sit on the dark caption: give them a light face to be seen.
    b->setStyleSheet(QStringLiteral("QToolButton { background: #D4D0C8; border: 1px solid #808080; "
                                    "} QToolButton:hover { background: #FFFFFF; }"));
    return b;
}

void CaptionBar::setRollKind(RollKind kind)
{
    m_kind = kind;
    m_roll->setIcon(style()->standardIcon(kind == RollKind::RollUp
                                              ? QStyle::SP_TitleBarShadeButton
                                              : QStyle::SP_TitleBarUnshadeButton));
}

QSize CaptionBar::sizeHint() const
{
    return {120, ButtonSize + 4};
}

void CaptionBar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QLinearGradient g(rect().topLeft(), rect().topRight());
    g.setColorAt(0, QColor(0x00, 0x00, 0x80));
    g.setColorAt(1, QColor(0x80, 0x80, 0x80));
    p.fillRect(rect(), g);
    QFont f = font();
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0xC0, 0xC0, 0xC0));
    const QRect text = rect().adjusted(5, 0, -(3 * (ButtonSize + 1) + 6), 0);
    p.drawText(text, Qt::AlignVCenter | Qt::AlignLeft,
               fontMetrics().elidedText(m_caption, Qt::ElideRight, text.width()));
}

void CaptionBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    // The window manager moves the window where it can; elsewhere it follows the mouse.
    QWindow *handle = window()->windowHandle();
    if (handle && handle->startSystemMove())
        return;
    m_dragging = true;
    m_dragOffset = event->globalPosition().toPoint() - window()->frameGeometry().topLeft();
}

void CaptionBar::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging)
        window()->move(event->globalPosition().toPoint() - m_dragOffset);
}

void CaptionBar::mouseReleaseEvent(QMouseEvent *)
{
    m_dragging = false;
}

void CaptionBar::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT rollClicked();
}
