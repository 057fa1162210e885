#pragma once

#include <QBrush>
#include <QObject>
#include <QTimer>

class CommandActions;
class QMdiArea;
class QMdiSubWindow;
class SettingsFile;
class TabStrips;
class DocumentRegistry;
class DocumentWindow;

// Arranges the document windows in one of two displays: tabbed (the active document
// maximised under the tab strip of the chosen location) or normal (free windows, tiled,
// cascaded or placed by hand, no strip). The display follows the active document's own
// maximise, minimise and restore and is remembered in "state" for the next start. Also keeps
// the strips' current tab on the active document. Owned by the main frame.
class WindowArranger : public QObject
{
    Q_OBJECT

public:
    enum class Display { Tabbed, Normal };
    // The handlers of the commands it carries out.
    void registerHandlers(CommandActions &commands);

    WindowArranger(QMdiArea *area, TabStrips &tabs, SettingsFile &settings,
                   QObject *parent = nullptr);

    // The commands; each does nothing while no document is open.
    void Tabbed();
    void Tiled();
    void Cascaded();
    // Brings the document of the next tab forward, the first after the last.
    void switch1Click();
    // The tab before the current one, or the last after the first.
    void switchBack();

    // Follows a new document window's state changes and closing.
    // Every document of the registry is arranged, and its caption carries the modified marker.
    void follow(DocumentRegistry &documents);
    void watch(DocumentWindow *document);
    // Puts the modified marker in front of the caption of a document's window, or takes it
    // away; call again after the document was renamed.
    void showModified(DocumentWindow *document, bool modified);
    void activate(DocumentWindow *document);

    Display display() const { return m_display; }
    const QBrush &workspace() const { return m_workspace; }

Q_SIGNALS:
    // The last document window is closing.
    void lastClosing();

private:
    QList<QMdiSubWindow *> openWindows() const;
    QMdiSubWindow *current() const;
    void show(Display display);
    void followCurrent();
    void documentClosing(DocumentWindow *document);

    QMdiArea *m_area;
    TabStrips &m_tabs;
    SettingsFile &m_settings;
    QBrush m_workspace;
    Display m_display = Display::Normal;
    // The area passes through passing states while it switches the maximised window (the old
    // one restored, then the new one maximised), so the display follows once things settle.
    QTimer m_follow;
};
