#pragma once

#include <QList>
#include <QObject>
#include <QPoint>

#include <functional>

class CommandActions;
class QAction;
class QMenu;
class DocumentWindow;

// The context menu of a document editor (`PopupMenu1`): clipboard items, the quick tag and
// layout submenus and the two conversions, each running its command. One menu for all
// documents, owned by the main frame.
class DocumentContextMenu : public QObject
{
    Q_OBJECT

public:
    DocumentContextMenu(CommandActions &commands, QWidget *parentWidget);
    ~DocumentContextMenu() override;

    QMenu *menu() const { return m_menu; }

    // Items for the text at a character offset that go at the top of the menu, above a
    // separator (the spelling's suggestions for a misspelt word). Made anew, as children of
    // the menu, each time the menu opens.
    using TopItems =
        std::function<QList<QAction *>(DocumentWindow &document, int offset, QMenu *menu)>;
    void setTopItems(TopItems topItems) { m_topItems = std::move(topItems); }

    // Gets the menu ready for a right-click at a point of the editor's text area: a click
    // outside the selection moves the caret there first; items then show or hide by
    // selection, clipboard and undo state.
    // From the keyboard (moveCaret false) the caret and selection stay as they are.
    void PopupMenu1Popup(DocumentWindow &document, const QPoint &viewportPoint,
                         bool moveCaret = true);
    // Prepares the menu and opens it at a global position.
    void popup(DocumentWindow &document, const QPoint &viewportPoint, const QPoint &globalPoint,
               bool moveCaret = true);

private:
    void placeTopItems(DocumentWindow &document, int offset);

    CommandActions &m_commands;
    QMenu *m_menu;
    TopItems m_topItems;
    QList<QAction *> m_top;
};
