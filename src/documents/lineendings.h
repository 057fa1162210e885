#pragma once

#include <QObject>
#include <QString>

#include <functional>

class CommandActions;
class QAction;
class QMenu;
class QWidget;
class DocumentRegistry;

// The Line Endings command: a small menu over the status bar's encoding and line break panel
// offers LF, CR LF and CR, with the active document's own checked. The one chosen becomes the
// document's own line break, and every line break of its text is written so, as one undo
// step. Owned by the main frame.
class LineEndingsCommand : public QObject
{
    Q_OBJECT

public:
    // `anchor` is the status bar panel the menu opens above.
    LineEndingsCommand(DocumentRegistry &documents, QWidget *anchor, QObject *parent);

    void registerHandlers(CommandActions &commands);
    void run();
    QMenu *menu() const { return m_menu; }

private:
    void choose(const QString &lineBreak);

    DocumentRegistry &m_documents;
    QWidget *m_anchor;
    QMenu *m_menu;
};
