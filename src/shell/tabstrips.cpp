#include "shell/tabstrips.h"

#include "documents/documentregistry.h"
#include "documents/documentwindow.h"
#include "widgets/tabstripstyle.h"

#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QTabBar>

namespace {

constexpr int UpperPanelHeight = 22;

// A tab bar takes "&" for a mnemonic: a file name's own "&" is doubled to be shown.
QString shown(QString text)
{
    return text.replace(u'&', QStringLiteral("&&"));
}

} // namespace

TabStrips::TabStrips(QTabBar *lower, QTabBar *upper, QWidget *upperPanel, QObject *parent)
    : QObject(parent), m_lower(lower), m_upperBar(upper), m_upperPanel(upperPanel)
{
    m_upperPanel->setFixedHeight(UpperPanelHeight);
    // Arial 12 pixels; the upper strip's tabs are a little taller than the status bar's.
    TabStripStyle::apply(m_upperBar, {TabStripStyle::Documents::Below, 18, QPalette::Mid});
    TabStripStyle::apply(m_lower, {TabStripStyle::Documents::Above, 16, QPalette::Dark});
    for (QTabBar *bar : {m_lower, m_upperBar}) {
        bar->setDocumentMode(true);
        bar->setExpanding(false);
        bar->setUsesScrollButtons(true);
        bar->setDrawBase(false);
        bar->setFocusPolicy(Qt::NoFocus);
        // A left press on a tab (even the current one) and a change of the current tab by any
        // other means both bring its document forward; changes made here are blocked. A right
        // click brings its tab's document forward too, before the pop-up menu opens.
        connect(bar, &QTabBar::tabBarClicked, this, [this, bar](int index) {
            if (QGuiApplication::mouseButtons() & Qt::LeftButton)
                choose(bar, index);
        });
        connect(bar, &QTabBar::currentChanged, this,
                [this, bar](int index) { choose(bar, index); });
        bar->setTabsClosable(true);
        connect(bar, &QTabBar::tabCloseRequested, this, [this, bar](int index) {
            if (auto *doc = qobject_cast<DocumentWindow *>(bar->tabData(index).value<QObject *>()))
                Q_EMIT closeRequested(doc);
        });
        bar->installEventFilter(this);
    }
    applyVisibility();
}

bool TabStrips::eventFilter(QObject *watched, QEvent *event)
{
    auto *bar = qobject_cast<QTabBar *>(watched);
    if (bar && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const int index = bar->tabAt(mouse->position().toPoint());
        if (mouse->button() == Qt::MiddleButton && index >= 0) {
            if (auto *doc = qobject_cast<DocumentWindow *>(bar->tabData(index).value<QObject *>()))
                Q_EMIT closeRequested(doc);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void TabStrips::choose(const QTabBar *bar, int index)
{
    if (auto *doc = qobject_cast<DocumentWindow *>(bar->tabData(index).value<QObject *>()))
        Q_EMIT documentChosen(doc);
}

DocumentWindow *TabStrips::documentAt(int index) const
{
    return qobject_cast<DocumentWindow *>(m_upperBar->tabData(index).value<QObject *>());
}

int TabStrips::currentIndex() const
{
    return m_upperBar->currentIndex();
}

void TabStrips::setPopupMenu(QMenu *menu)
{
    // The lower strip's holder is the status bar's blank part, which offers the menu too.
    for (QWidget *w : {static_cast<QWidget *>(m_lower), m_lower->parentWidget(),
                       static_cast<QWidget *>(m_upperBar), m_upperPanel}) {
        if (!w)
            continue;
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        // A right click on a tab works on that tab's document: it comes forward first.
        connect(w, &QWidget::customContextMenuRequested, menu, [this, w, menu](const QPoint &pos) {
            if (auto *bar = qobject_cast<QTabBar *>(w); bar && bar->tabAt(pos) >= 0)
                choose(bar, bar->tabAt(pos));
            menu->popup(w->mapToGlobal(pos));
        });
    }
}

int TabStrips::indexOf(const QTabBar *bar, const DocumentWindow *document) const
{
    for (int i = 0; i < bar->count(); ++i)
        if (bar->tabData(i).value<QObject *>() == document)
            return i;
    return -1;
}

void TabStrips::add(DocumentWindow *document, const QString &text)
{
    for (QTabBar *bar : {m_lower, m_upperBar}) {
        const QSignalBlocker block(bar);
        const int index = bar->addTab(shown(text));
        bar->setTabData(index, QVariant::fromValue<QObject *>(document));
        bar->setCurrentIndex(index);
    }
}

void TabStrips::remove(DocumentWindow *document)
{
    for (QTabBar *bar : {m_lower, m_upperBar}) {
        const QSignalBlocker block(bar);
        if (const int index = indexOf(bar, document); index >= 0)
            bar->removeTab(index);
    }
}

void TabStrips::setCurrent(DocumentWindow *document)
{
    for (QTabBar *bar : {m_lower, m_upperBar}) {
        const QSignalBlocker block(bar);
        if (const int index = indexOf(bar, document); index >= 0)
            bar->setCurrentIndex(index);
    }
}

void TabStrips::setText(DocumentWindow *document, const QString &text)
{
    for (QTabBar *bar : {m_lower, m_upperBar})
        if (const int index = indexOf(bar, document); index >= 0)
            bar->setTabText(index, shown(text));
}

QString TabStrips::text(DocumentWindow *document) const
{
    const int index = indexOf(m_lower, document);
    return index >= 0 ? m_lower->tabText(index).replace(QStringLiteral("&&"), QStringLiteral("&"))
                      : QString();
}

int TabStrips::count() const
{
    return (m_upper ? m_upperBar : m_lower)->count();
}

void TabStrips::markModified(DocumentWindow *document)
{
    for (QTabBar *bar : {m_lower, m_upperBar}) {
        const int index = indexOf(bar, document);
        if (index >= 0 && !bar->tabText(index).startsWith(ModifiedMarker))
            bar->setTabText(index, ModifiedMarker + bar->tabText(index));
    }
}

void TabStrips::clearModified(DocumentWindow *document)
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

void TabStrips::follow(DocumentRegistry &documents)
{
    connect(&documents, &DocumentRegistry::opened, this,
            [this](DocumentWindow *doc) { add(doc, doc->document().shortName()); });
    connect(&documents, &DocumentRegistry::identityChanged, this, [this](DocumentWindow *doc) {
        setText(doc, doc->document().shortName());
        if (doc->isModified())
            markModified(doc);
    });
    connect(&documents, &DocumentRegistry::modifiedChanged, this,
            [this](DocumentWindow *doc, bool modified) {
                if (modified)
                    markModified(doc);
                else
                    clearModified(doc);
            });
    // The strip stays up, empty, after the last document closes, until the display changes.
    connect(&documents, &DocumentRegistry::closed, this, &TabStrips::remove);
}
