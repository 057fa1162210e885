#include "shell/windowarranger.h"

#include "base/settingsfile.h"
#include "commands/commandactions.h"
#include "commands/commandids.h"
#include "documents/documentregistry.h"
#include "documents/documentwindow.h"
#include "shell/cascadelayout.h"
#include "shell/tabstrips.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>

WindowArranger::WindowArranger(QMdiArea *area, TabStrips &tabs, SettingsFile &settings,
                               QObject *parent)
    : QObject(parent), m_area(area), m_tabs(tabs), m_settings(settings),
      m_workspace(area->background())
{
    m_follow.setSingleShot(true);
    m_follow.setInterval(0);
    connect(&m_follow, &QTimer::timeout, this, &WindowArranger::followCurrent);
    connect(&m_tabs, &TabStrips::documentChosen, this, &WindowArranger::activate);
    connect(m_area, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *sub) {
        if (auto *doc = sub ? qobject_cast<DocumentWindow *>(sub->widget()) : nullptr)
            m_tabs.setCurrent(doc);
    });
}

QList<QMdiSubWindow *> WindowArranger::openWindows() const
{
    // A closed window lingers hidden until it is deleted.
    QList<QMdiSubWindow *> open;
    for (QMdiSubWindow *sub : m_area->subWindowList(QMdiArea::ActivationHistoryOrder))
        if (!sub->isHidden() && qobject_cast<DocumentWindow *>(sub->widget()))
            open << sub;
    return open;
}

QMdiSubWindow *WindowArranger::current() const
{
    const QList<QMdiSubWindow *> open = openWindows();
    if (QMdiSubWindow *active = m_area->activeSubWindow(); open.contains(active))
        return active;
    return open.isEmpty() ? nullptr : open.back();
}

void WindowArranger::show(Display display)
{
    const bool tabbed = display == Display::Tabbed;
    m_display = display;
    m_tabs.setShown(tabbed);
    // White behind a maximised document, so switching documents does not flash grey.
    m_area->setBackground(tabbed ? m_area->palette().base() : m_workspace);
    m_settings.write(Keys::State, tabbed ? QStringLiteral("max") : QStringLiteral("norm"));
}

void WindowArranger::Tabbed()
{
    QMdiSubWindow *sub = current();
    if (!sub)
        return;
    sub->showMaximized();
    m_area->setActiveSubWindow(sub);
    show(Display::Tabbed);
}

void WindowArranger::Tiled()
{
    if (openWindows().isEmpty())
        return;
    m_tabs.setShown(false);
    m_area->tileSubWindows();
    show(Display::Normal);
}

void WindowArranger::Cascaded()
{
    QMdiSubWindow *active = current();
    if (!active)
        return;
    m_tabs.setShown(false);
    // The area's own cascade keeps each window's size hint, a few hundred pixels in a corner.
    // Minimised windows stay where they are, as with the area's own arrangements.
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *sub : m_area->subWindowList(QMdiArea::CreationOrder)) {
        if (!sub->isHidden() && !sub->isMinimized() &&
            qobject_cast<DocumentWindow *>(sub->widget()) && sub != active)
            windows << sub;
    }
    if (!active->isMinimized())
        windows << active; // in front, last in the cascade
    QSize minimum(0, 0);
    for (QMdiSubWindow *sub : std::as_const(windows)) {
        if (sub->isMaximized())
            sub->showNormal();
        minimum = minimum.expandedTo(sub->minimumSizeHint());
    }
    const int step = active->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, active);
    const QList<QRect> places =
        CascadeLayout::place(m_area->viewport()->size(), int(windows.size()), step, minimum);
    for (int i = 0; i < windows.size(); ++i) {
        windows[i]->setGeometry(places[i]);
        windows[i]->raise();
    }
    m_area->setActiveSubWindow(active);
    show(Display::Normal);
}

void WindowArranger::showModified(DocumentWindow *document, bool modified)
{
    // The window's caption follows the document's own; only the marker is added here.
    if (auto *sub = qobject_cast<QMdiSubWindow *>(document->parentWidget()))
        sub->setWindowTitle(modified ? TabStrips::ModifiedMarker + document->windowTitle()
                                     : document->windowTitle());
}

void WindowArranger::switch1Click()
{
    const int count = m_tabs.count();
    if (count == 0)
        return;
    const int next = m_tabs.currentIndex() + 1 < count ? m_tabs.currentIndex() + 1 : 0;
    if (DocumentWindow *doc = m_tabs.documentAt(next))
        activate(doc);
}

void WindowArranger::switchBack()
{
    const int count = m_tabs.count();
    if (count == 0)
        return;
    const int previous = m_tabs.currentIndex() > 0 ? m_tabs.currentIndex() - 1 : count - 1;
    if (DocumentWindow *doc = m_tabs.documentAt(previous))
        activate(doc);
}

void WindowArranger::activate(DocumentWindow *document)
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(document->parentWidget()))
        m_area->setActiveSubWindow(sub);
    m_tabs.setCurrent(document);
}

void WindowArranger::watch(DocumentWindow *document)
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(document->parentWidget()))
        connect(sub, &QMdiSubWindow::windowStateChanged, &m_follow, qOverload<>(&QTimer::start));
    connect(document, &DocumentWindow::closed, this, &WindowArranger::documentClosing);
    m_follow.start();
}

void WindowArranger::followCurrent()
{
    QMdiSubWindow *sub = current();
    if (!sub) {
        // The strip stays as it was, empty, until the display changes.
        m_area->setBackground(m_workspace);
        return;
    }
    show(sub->isMaximized() ? Display::Tabbed : Display::Normal);
}

void WindowArranger::documentClosing(DocumentWindow *document)
{
    // Runs while the closing window still counts as open.
    const QList<QMdiSubWindow *> open = openWindows();
    if (open.size() > 1 || (open.size() == 1 && open.front()->widget() != document))
        return;
    m_area->setBackground(m_workspace);
    Q_EMIT lastClosing();
}

void WindowArranger::follow(DocumentRegistry &documents)
{
    connect(&documents, &DocumentRegistry::opened, this, &WindowArranger::watch);
    connect(&documents, &DocumentRegistry::modifiedChanged, this, &WindowArranger::showModified);
    // A new name gives the window the document's plain caption again.
    connect(&documents, &DocumentRegistry::identityChanged, this,
            [this](DocumentWindow *doc) { showModified(doc, doc->isModified()); });
}

void WindowArranger::registerHandlers(CommandActions &commands)
{
    commands.setHandler(Cmd::Tabbed, [this] { Tabbed(); });
    commands.setHandler(Cmd::Tiled, [this] { Tiled(); });
    commands.setHandler(Cmd::Cascaded, [this] { Cascaded(); });
    commands.setHandler(Cmd::switch1Click, [this] { switch1Click(); });
    commands.setHandler(Cmd::switchBack1Click, [this] { switchBack(); });
}
