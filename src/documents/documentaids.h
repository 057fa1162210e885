#pragma once

#include "documents/commandkeys.h"

#include <QObject>

#include <functional>

class CommandActions;
class DocumentContextMenu;
class QKeyEvent;
class DocumentWindow;
class DocumentRegistry;
class EditingOptions;

// The keyboard and mouse aids of every document editor: block indent with Tab and
// Shift+Tab, auto-indent on Enter, the empty tag bracket keys, Escape closing the find
// windows, and the context menu. (The typing tip hides itself on the next key or click.) It
// also keeps the commands' keys for the commands (CommandKeys). It watches each document the
// main frame makes; owned by the main frame.
class DocumentAids : public QObject
{
    Q_OBJECT

public:
    // Every document the registry opens gets the aids.
    DocumentAids(DocumentRegistry &documents, const EditingOptions &options,
                 CommandActions &commands, DocumentContextMenu &contextMenu,
                 QObject *parent = nullptr);

    void watch(DocumentWindow *document);
    // What Escape in an editor closes besides the typing tip.
    void setEscapeHandler(std::function<void()> handler) { m_escape = std::move(handler); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool memoKeyDown(DocumentWindow &document, QKeyEvent *event);
    bool enterWithIndent(DocumentWindow &document, QKeyEvent *event);
    void claimKeys(DocumentWindow *document);

    DocumentRegistry &m_documents;
    const EditingOptions &m_options;
    CommandActions &m_commands;
    DocumentContextMenu &m_contextMenu;
    CommandKeys m_keys;
    std::function<void()> m_escape;
    bool m_forwarding = false;
};
