#include "documents/documentregistry.h"

#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"

#include <Qsci/qsciscintilla.h>

#include <QMdiArea>
#include <QMdiSubWindow>

DocumentRegistry::DocumentRegistry(QMdiArea *area, QObject *parent) : QObject(parent), m_area(area)
{
    connect(m_area, &QMdiArea::subWindowActivated, this, &DocumentRegistry::checkActive);
}

DocumentRegistry::~DocumentRegistry()
{
    detach();
}

void DocumentRegistry::detach()
{
    if (m_area)
        disconnect(m_area, nullptr, this, nullptr);
    for (DocumentWindow *doc : std::as_const(m_documents))
        disconnect(doc, nullptr, this, nullptr);
    m_documents.clear();
    m_closed.clear();
    m_area = nullptr;
}

QList<DocumentWindow *> DocumentRegistry::documents() const
{
    QList<DocumentWindow *> open;
    for (DocumentWindow *doc : m_documents)
        if (!m_closed.contains(doc))
            open << doc;
    return open;
}

DocumentWindow *DocumentRegistry::active() const
{
    if (!m_area)
        return nullptr;
    auto open = [this](QMdiSubWindow *sub) -> DocumentWindow * {
        auto *doc = sub ? qobject_cast<DocumentWindow *>(sub->widget()) : nullptr;
        return doc && m_documents.contains(doc) && !m_closed.contains(doc) ? doc : nullptr;
    };
    if (DocumentWindow *doc = open(m_area->activeSubWindow()))
        return doc;
    const auto subs = m_area->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = subs.crbegin(); it != subs.crend(); ++it)
        if (DocumentWindow *doc = open(*it))
            return doc;
    return nullptr;
}

TextEditor *DocumentRegistry::activeEditor() const
{
    DocumentWindow *doc = active();
    return doc ? &doc->editor() : nullptr;
}

void DocumentRegistry::returnFocus() const
{
    if (m_area)
        m_area->window()->activateWindow();
    if (DocumentWindow *doc = active())
        doc->memo()->setFocus();
}

void DocumentRegistry::showTip(TextEditor &editor, const QString &tip)
{
    for (DocumentWindow *doc : std::as_const(m_documents))
        if (&doc->editor() == &editor)
            doc->showTip(tip);
}

void DocumentRegistry::activate(DocumentWindow *document)
{
    auto *sub = document ? qobject_cast<QMdiSubWindow *>(document->parentWidget()) : nullptr;
    if (sub && m_area)
        m_area->setActiveSubWindow(sub);
    checkActive();
}

void DocumentRegistry::add(DocumentWindow *doc)
{
    m_documents << doc;
    connect(doc, &DocumentWindow::edited, this, &DocumentRegistry::edited);
    connect(doc, &DocumentWindow::caretMoved, this, &DocumentRegistry::caretMoved);
    connect(doc, &DocumentWindow::formatChanged, this, &DocumentRegistry::formatChanged);
    connect(doc, &DocumentWindow::liveSpellingChanged, this,
            &DocumentRegistry::liveSpellingChanged);
    connect(&doc->document(), &Document::modifiedChanged, this,
            [this, doc](Document *, bool modified) { Q_EMIT modifiedChanged(doc, modified); });
    connect(&doc->document(), &Document::identityChanged, this,
            [this, doc] { Q_EMIT identityChanged(doc); });
    connect(doc, &DocumentWindow::closed, this, [this](DocumentWindow *d) {
        m_closed.insert(d);
        Q_EMIT closed(d);
        checkActive();
    });
    connect(doc, &QObject::destroyed, this, [this](QObject *d) {
        m_closed.remove(d);
        m_documents.removeIf([d](DocumentWindow *w) { return w == d; });
        checkActive();
    });
    Q_EMIT opened(doc);
    checkActive();
}

void DocumentRegistry::checkActive()
{
    DocumentWindow *now = active();
    if (now == m_lastActive && (now || !m_hadActive))
        return;
    m_lastActive = now;
    m_hadActive = now != nullptr;
    Q_EMIT activeChanged(now);
}
