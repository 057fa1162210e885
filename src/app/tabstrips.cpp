#include "app/tabstrips.h"

#include "editor/tmdisub.h"

#include <QTabBar>

TabStrips::TabStrips(QTabBar *lower, QTabBar *upper, QWidget *upperPanel, QObject *parent)
    : QObject(parent), m_lower(lower), m_upperBar(upper), m_upperPanel(upperPanel)
{
    for (QTabBar *bar : {m_lower, m_upperBar}) {
        bar->setDocumentMode(true);
        bar->setExpanding(false);
        bar->setUsesScrollButtons(true);
        bar->setDrawBase(false);
        connect(bar, &QTabBar::tabBarClicked, this, [this, bar](int index) {
            if (index < 0)
                return;
            if (auto *doc = qobject_cast<TMDIsub *>(bar->tabData(index).value<QObject *>()))
                Q_EMIT documentChosen(doc);
        });
    }
    applyVisibility();
}

int TabStrips::indexOf(const QTabBar *bar, const TMDIsub *document) const
{
    for (int i = 0; i < bar->count(); ++i)
        if (bar->tabData(i).value<QObject *>() == document)
            return i;
    return -1;
}

void TabStrips::add(TMDIsub *document, const QString &text)
{
    for (QTabBar *bar : {m_lower, m_upperBar}) {
        const QSignalBlocker block(bar);
        const int index = bar->addTab(text);
        bar->setTabData(index, QVariant::fromValue<QObject *>(document));
        bar->setCurrentIndex(index);
    }
}

void TabStrips::remove(TMDIsub *document)
{
    for (QTabBar *bar : {m_lower, m_upperBar}) {
        const QSignalBlocker block(bar);
        if (const int index = indexOf(bar, document); index >= 0)
            bar->removeTab(index);
    }
}

void TabStrips::setCurrent(TMDIsub *document)
{
    for (QTabBar *bar : {m_lower, m_upperBar}) {
        const QSignalBlocker block(bar);
        if (const int index = indexOf(bar, document); index >= 0)
            bar->setCurrentIndex(index);
    }
}

void TabStrips::setText(TMDIsub *document, const QString &text)
{
    for (QTabBar *bar : {m_lower, m_upperBar})
        if (const int index = indexOf(bar, document); index >= 0)
            bar->setTabText(index, text);
}

QString TabStrips::text(TMDIsub *document) const
{
    const int index = indexOf(m_lower, document);
    return index >= 0 ? m_lower->tabText(index) : QString();
}

int TabStrips::count() const
{
    return (m_upper ? m_upperBar : m_lower)->count();
}

void TabStrips::markModified(TMDIsub *document)
{
    for (QTabBar *bar : {m_lower, m_upperBar}) {
        const int index = indexOf(bar, document);
        if (index >= 0 && !bar->tabText(index).startsWith(ModifiedMarker))
            bar->setTabText(index, ModifiedMarker + bar->tabText(index));
    }
}

void TabStrips::clearModified(TMDIsub *document)
{
    for (QTabBar *bar : {m_lower, m_upperBar}) {
        const int index = indexOf(bar, document);
        if (index >= 0 && bar->tabText(index).startsWith(ModifiedMarker))
            bar->setTabText(index, bar->tabText(index).mid(ModifiedMarker.size()));
    }
}

void TabStrips::setUpper(bool upper)
{
    m_upper = upper;
    applyVisibility();
}

void TabStrips::setShown(bool shown)
{
    m_shown = shown;
    applyVisibility();
}

void TabStrips::applyVisibility()
{
    m_lower->setVisible(m_shown && !m_upper);
    m_upperPanel->setVisible(m_shown && m_upper);
}
