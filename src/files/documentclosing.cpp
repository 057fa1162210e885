#include "files/documentclosing.h"

#include "commands/commandactions.h"
#include "commands/commandids.h"
#include "documents/documentregistry.h"
#include "documents/documentwindow.h"

DocumentClosing::DocumentClosing(DocumentRegistry &registry, QObject *parent)
    : QObject(parent), m_registry(registry)
{
    // A close question answered with Cancel stops Close All.
    connect(&m_registry, &DocumentRegistry::opened, this, [this](DocumentWindow *doc) {
        connect(doc, &DocumentWindow::closeRefused, this, [this] { m_closeAll = false; });
    });
}

void DocumentClosing::Close()
{
    if (DocumentWindow *doc = m_registry.active())
        doc->parentWidget()->close();
}

bool DocumentClosing::CloseAll()
{
    m_closeAll = true;
    while (m_closeAll) {
        DocumentWindow *doc = m_registry.active();
        if (!doc)
            break;
        // A refused close clears the flag through the document's signal; the check on the
        // result also ends the loop when a window refuses for another reason.
        if (!doc->parentWidget()->close())
            break;
    }
    m_closeAll = false;
    return m_registry.documents().isEmpty();
}

bool DocumentClosing::closeOthers(DocumentWindow *keep)
{
    m_closeAll = true;
    for (DocumentWindow *doc : m_registry.documents()) {
        if (doc == keep)
            continue;
        if (!m_closeAll || !doc->parentWidget()->close())
            break;
    }
    m_closeAll = false;
    m_registry.activate(keep);
    return m_registry.documents() == QList<DocumentWindow *>{keep};
}

void DocumentClosing::registerHandlers(CommandActions &commands)
{
    commands.setHandler(Cmd::Close1Click, [this] { Close(); });
    commands.setHandler(Cmd::CloseAll1Click, [this] { CloseAll(); });
}
