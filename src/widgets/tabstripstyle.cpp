#include "widgets/tabstripstyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOptionTab>
#include <QTabBar>

void TabStripStyle::apply(QTabBar *bar, const Look &look)
{
    auto *style = new TabStripStyle(look);
    style->setParent(bar);
    bar->setStyle(style);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    bar->setFont(font);
}

TabStripStyle::TabStripStyle(const Look &look) : m_look(look) {}

QRect TabStripStyle::inside(const QRect &tab) const
{
    const bool edgeAtTop = m_look.documents == Documents::Above;
    return tab.adjusted(Border, edgeAtTop ? Edge : Border, -Border, edgeAtTop ? -Border : -Edge);
}

void TabStripStyle::drawControl(ControlElement element, const QStyleOption *option,
                                QPainter *painter, const QWidget *widget) const
{
    switch (element) {
    case CE_TabBarTab:
        drawShape(option, painter);
        drawLabel(option, painter, widget);
        return;
    case CE_TabBarTabShape:
        drawShape(option, painter);
        return;
    case CE_TabBarTabLabel:
        drawLabel(option, painter, widget);
        return;
    default:
        QProxyStyle::drawControl(element, option, painter, widget);
    }
}

void TabStripStyle::drawShape(const QStyleOption *option, QPainter *painter) const
{
    const bool current = option->state & State_Selected;
    const QPalette &palette = option->palette;
    const QRect tab = option->rect;
    painter->save();
    painter->fillRect(tab, palette.color(m_look.border));
    painter->fillRect(inside(tab), palette.color(current ? QPalette::Base : QPalette::Button));
    const QRect edge =
        m_look.documents == Documents::Above
            ? QRect(tab.left() + Border, tab.top(), tab.width() - 2 * Border, Edge)
            : QRect(tab.left() + Border, tab.bottom() - Edge + 1, tab.width() - 2 * Border, Edge);
    painter->fillRect(edge, palette.color(current ? QPalette::Highlight : QPalette::Button));
    painter->restore();
}

void TabStripStyle::drawLabel(const QStyleOption *option, QPainter *painter,
                              const QWidget *widget) const
{
    const auto *tab = qstyleoption_cast<const QStyleOptionTab *>(option);
    if (!tab)
        return;
    const bool current = tab->state & State_Selected;
    painter->save();
    painter->setPen(tab->palette.color(current ? QPalette::Text : QPalette::ButtonText));
    painter->drawText(subElementRect(SE_TabBarTabText, option, widget),
                      Qt::AlignCenter | Qt::TextShowMnemonic, tab->text);
    painter->restore();
}

QSize TabStripStyle::sizeFromContents(ContentsType type, const QStyleOption *option,
                                      const QSize &size, const QWidget *widget) const
{
    // The tab bar passes the text's width with the room asked for below and the close button's.
    if (type == CT_TabBarTab)
        return {size.width(), m_look.textHeight + Border + Edge};
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

int TabStripStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                               const QWidget *widget) const
{
    switch (metric) {
    case PM_TabBarTabHSpace:
        return 2 * (Border + Padding);
    case PM_TabBarTabVSpace:
    case PM_TabBarTabOverlap:
    case PM_TabBarTabShiftHorizontal:
    case PM_TabBarTabShiftVertical:
        return 0;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QRect TabStripStyle::subElementRect(SubElement element, const QStyleOption *option,
                                    const QWidget *widget) const
{
    const auto *tab = qstyleoption_cast<const QStyleOptionTab *>(option);
    if (!tab)
        return QProxyStyle::subElementRect(element, option, widget);
    const QRect box = tab->rect;
    const QSize button = tab->rightButtonSize;
    switch (element) {
    case SE_TabBarTabLeftButton:
        return {};
    case SE_TabBarTabRightButton:
        if (button.isEmpty())
            return {};
        return {box.right() + 1 - ButtonGap - button.width(),
                box.top() + std::max(0, (box.height() - button.height() + 1) / 2), button.width(),
                button.height()};
    case SE_TabBarTabText: {
        // The room the tab bar added for the close button comes off the text's side.
        QRect text = inside(box).adjusted(Padding, 0, -Padding, 0);
        if (!button.isEmpty())
            text.setRight(text.right() - button.width() - ButtonRoom);
        return text;
    }
    default:
        return QProxyStyle::subElementRect(element, option, widget);
    }
}

QIcon TabStripStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                                  const QWidget *widget) const
{
    return QApplication::style()->standardIcon(standardIcon, option, widget);
}
