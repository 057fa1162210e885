#pragma once

#include <QObject>

class CommandActions;
class DocumentRegistry;
class DocumentWindow;

// Close, Close All and Close Others: each document closes through its own close question, and
// a question answered with Cancel stops the rest. Owned by the main frame.
class DocumentClosing : public QObject
{
    Q_OBJECT

public:
    explicit DocumentClosing(DocumentRegistry &registry, QObject *parent = nullptr);
    // The handlers of the commands it carries out.
    void registerHandlers(CommandActions &commands);

    // Closes the active document.
    void Close();
    // True when every document closed.
    bool CloseAll();
    // Closes every document but the given one; true when only that one is left.
    bool closeOthers(DocumentWindow *keep);
    bool closeAllRunning() const { return m_closeAll; }

private:
    DocumentRegistry &m_registry;
    bool m_closeAll = false;
};
