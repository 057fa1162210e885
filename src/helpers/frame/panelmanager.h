#pragma once

#include "helpers/frame/helperpanel.h"

#include <QHash>
#include <QObject>
#include <QPointer>

#include <functional>

class CommandActions;

// Opens and closes the helper panels from the panel table: at most one of each, made on the
// first command while a document is open, shown again by later commands where the table
// says so, destroyed unsaved by the right-button command of its toolbar items. The main
// frame gives it one factory per panel that exists; it owns the panels through the frame.
class PanelManager : public QObject
{
    Q_OBJECT

public:
    using Factory = std::function<HelperPanel *(const PanelRow &, PanelHost &, QWidget *frame)>;

    PanelManager(PanelHost host, QWidget *frame, std::function<bool()> hasDocument);
    ~PanelManager() override;

    void addFactory(PanelId id, Factory factory);
    // Gives every panel that has a factory its open and close commands.
    void registerHandlers(CommandActions &commands);

    // The command of a panel: nothing without a document; else makes and shows it, or shows
    // it again and takes over the tag under the caret.
    HelperPanel *open(const PanelRow &row);
    // Closes every open panel with its close steps, as the program ends.
    void closeAll();
    // Destroys the panel without its close steps: its place is not saved.
    void destroy(const PanelRow &row);
    HelperPanel *panel(const PanelRow &row) const;
    HelperPanel *panel(PanelId id) const { return m_panels.value(id); }
    PanelHost &host() { return m_host; }

private:
    PanelHost m_host;
    QWidget *m_frame;
    std::function<bool()> m_hasDocument;
    QHash<PanelId, Factory> m_factories;
    QHash<PanelId, QPointer<HelperPanel>> m_panels;
};
