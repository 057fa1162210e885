#pragma once

#include "editor/activeeditor.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>

class DocumentWindow;
class QMdiArea;

// The open documents and the active one. Every document window is added here when it is
// made; features take the registry in their constructor and follow its signals instead of
// being told by the main frame. The signals of each window are passed on, so that a feature
// needs only this one object. Owned by the main frame.
class DocumentRegistry : public QObject, public ActiveEditor
{
    Q_OBJECT

public:
    explicit DocumentRegistry(QMdiArea *area, QObject *parent = nullptr);
    ~DocumentRegistry() override;

    // In the order they were opened, without those whose close was accepted.
    QList<DocumentWindow *> documents() const;
    // The document of the active window; while no window is active (the frame in the
    // background, a dialog up), the one last active.
    DocumentWindow *active() const;
    TextEditor *activeEditor() const override;
    // The keyboard back to the active document, after a control of a panel or a picker.
    void returnFocus() const;
    void showTip(TextEditor &editor, const QString &tip) override;
    void activate(DocumentWindow *document);

    // A new window, shown in the document area already.
    void add(DocumentWindow *document);
    // The frame is being taken down: the area and its windows go first, and nothing is
    // reported while they do.
    void detach();
    QMdiArea *area() const { return m_area; }

Q_SIGNALS:
    void opened(DocumentWindow *document);
    // Null when the last document has closed.
    void activeChanged(DocumentWindow *document);
    void closed(DocumentWindow *document);

    // Passed on from every open document.
    void edited(DocumentWindow *document);
    void caretMoved(DocumentWindow *document);
    void formatChanged(DocumentWindow *document);
    void modifiedChanged(DocumentWindow *document, bool modified);
    void identityChanged(DocumentWindow *document);
    void liveSpellingChanged(DocumentWindow *document);

private:
    void checkActive();

    QMdiArea *m_area;
    QList<DocumentWindow *> m_documents;
    QSet<const QObject *> m_closed;
    QPointer<DocumentWindow> m_lastActive;
    bool m_hadActive = false;
};
