#include "helpers/frame/panelmanager.h"

#include "commands/commandactions.h"

PanelManager::PanelManager(PanelHost host, QWidget *frame, std::function<bool()> hasDocument)
    : QObject(frame), m_host(std::move(host)), m_frame(frame), m_hasDocument(std::move(hasDocument))
{
}

PanelManager::~PanelManager()
{
    // The panels go with the frame, without their close steps; they hold this manager's
    // host, so they go first.
    const auto panels = m_panels;
    for (const QPointer<HelperPanel> &p : panels)
        delete p.data();
}

void PanelManager::addFactory(PanelId id, Factory factory)
{
    m_factories.insert(id, std::move(factory));
}

void PanelManager::registerHandlers(CommandActions &commands)
{
    for (const PanelRow &row : PanelRows::all()) {
        if (!m_factories.contains(row.id))
            continue;
        commands.setHandler(QLatin1String(row.command), [this, &row] { open(row); });
        commands.setHandler(QLatin1String(row.closeCommand), [this, &row] { destroy(row); });
    }
}

HelperPanel *PanelManager::panel(const PanelRow &row) const
{
    return m_panels.value(row.id);
}

HelperPanel *PanelManager::open(const PanelRow &row)
{
    if (!m_hasDocument())
        return nullptr;
    if (HelperPanel *existing = panel(row)) {
        if (!row.showAgain)
            return existing;
        existing->show();
        existing->raise();
        existing->readTagUnderCaret();
        m_host.returnFocus();
        return existing;
    }
    const auto factory = m_factories.value(row.id);
    if (!factory)
        return nullptr;
    HelperPanel *p = factory(row, m_host, m_frame);
    m_panels.insert(row.id, p);
    connect(p, &HelperPanel::closed, this, [this, id = row.id] { m_panels.remove(id); });
    p->show();
    p->readTagUnderCaret();
    m_host.returnFocus();
    return p;
}

void PanelManager::closeAll()
{
    const auto panels = m_panels;
    for (const QPointer<HelperPanel> &p : panels)
        if (p)
            p->closePanel();
}

void PanelManager::destroy(const PanelRow &row)
{
    if (HelperPanel *p = panel(row))
        delete p;
}
