#include "documents/documentcontextmenu.h"

#include "commands/commandactions.h"
#include "commands/commandids.h"
#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QStatusTipEvent>

namespace {

// When an item shows, or is enabled.
enum class Shown { Always, WithSelection, EnabledWithClipboardText };

struct PopupItem
{
    const char *name;
    const char *caption; // "-" is a separator
    const char *hint;
    const char *command; // null for a submenu or a separator
    const char *submenu; // the submenu the item belongs to, null on the menu itself
    Shown shown = Shown::Always;
};

// Submenu entries follow their submenu's own row.
constexpr PopupItem PopupItems[] = {
    {"Undo2", "Undo", "", Cmd::Undo1Click, nullptr},
    {"Redo2", "Redo", "", Cmd::Redo1Click, nullptr},
    {"Cut2", "Cut", "Move text to the clipboard", Cmd::Cut1Click, nullptr, Shown::WithSelection},
    {"Copy2", "Copy", "Copy text to the clipboard", Cmd::Copy1Click, nullptr, Shown::WithSelection},
    {"Paste2", "Paste", "Paste text from the Clipboard", Cmd::Paste1Click, nullptr,
     Shown::EnabledWithClipboardText},
    {"SelectAll2", "Select All", "Select the whole text", Cmd::SelectAll1Click, nullptr},
    {"N3", "-", "", nullptr, nullptr},
    {"Quick1", "Quick", "Quick sample code", nullptr, nullptr},
    {"Comment1", "Comment", "", Cmd::Comment1Click, "Quick1"},
    {"QuickFont1", "Font", "", Cmd::QuickFont, "Quick1"},
    {"QuickUrl1", "Href", "", Cmd::QuickUrl, "Quick1"},
    {"Quickanchor1", "Name", "", Cmd::Quickanchor, "Quick1"},
    {"Quickimage1", "Image", "", Cmd::Quickimage, "Quick1"},
    {"quickmail1", "MailTo", "", Cmd::quickmail, "Quick1"},
    {"N4", "-", "", nullptr, "Quick1"},
    {"Table2", "Table", "", Cmd::QuickTable, "Quick1"},
    {"OrderedList2", "Ordered List", "", Cmd::QuickNList, "Quick1"},
    {"DefineList3", "Unordered List", "", Cmd::QuickBList, "Quick1"},
    {"floatingframe1", "Floating Frame", "", Cmd::floatingframe, "Quick1"},
    {"Paras1", "Layout", "Structure formatting options", nullptr, nullptr},
    {"Indent2", "Indent", "", Cmd::Indent1Click, "Paras1"},
    {"Centeralign1", "Center", "", Cmd::Centeralign, "Paras1"},
    {"leftalign1", "P Left", "", Cmd::leftalign, "Paras1"},
    {"centerpalign1", "P Center", "", Cmd::centerpalign, "Paras1"},
    {"rightalign1", "P Right", "", Cmd::rightalign, "Paras1"},
    {"justifyalign1", "P Justify", "", Cmd::justifyalign, "Paras1"},
    {"N5", "-", "", nullptr, "Paras1"},
    {"LineBreak1", "Line Break", "", Cmd::LineBreak, "Paras1"},
    {"HorzRule1", "Horz Rule", "", Cmd::HorzRule, "Paras1"},
    {"Font1", "Character", "Text formatting options", nullptr, nullptr},
    {"Bold1", Cmd::Bold, "", Cmd::Bold, "Font1"},
    {"italics2", "Italic", "", Cmd::italics1Click, "Font1"},
    {"Underline2", "Underline", "", Cmd::Underline1Click, "Font1"},
    {"N1", "-", "", nullptr, nullptr, Shown::WithSelection},
    {"RemoveTags1", "Remove Tags", "", Cmd::killtags, nullptr, Shown::WithSelection},
    {"addLineBreaks1", "Add Line Breaks", "", Cmd::addLineBreaks1Click, nullptr,
     Shown::WithSelection},
};

} // namespace

DocumentContextMenu::DocumentContextMenu(CommandActions &commands, QWidget *parentWidget)
    : QObject(parentWidget), m_commands(commands), m_menu(new QMenu(parentWidget))
{
    m_menu->setObjectName(QStringLiteral("PopupMenu1"));
    for (const PopupItem &item : PopupItems) {
        QMenu *owner = m_menu;
        if (item.submenu)
            owner = m_menu->findChild<QMenu *>(QString::fromLatin1(item.submenu));
        const QString caption = QString::fromLatin1(item.caption);
        QAction *action = nullptr;
        if (caption == u"-") {
            action = owner->addSeparator();
        } else if (!item.command) {
            QMenu *sub = owner->addMenu(caption);
            sub->setObjectName(QString::fromLatin1(item.name));
            action = sub->menuAction();
        } else {
            action = owner->addAction(caption);
            const QString id = QString::fromLatin1(item.command);
            connect(action, &QAction::triggered, this, [this, id] { m_commands.run(id); });
        }
        action->setObjectName(QString::fromLatin1(item.name));
        action->setStatusTip(QString::fromLatin1(item.hint));
        action->setProperty("shown", int(item.shown));
    }
    // A context menu is a window of its own, so its hints do not reach the status bar alone.
    const auto showHint = [parentWidget](const QString &hint) {
        QStatusTipEvent tip(hint);
        QApplication::sendEvent(parentWidget, &tip);
    };
    connect(m_menu, &QMenu::hovered, this,
            [showHint](QAction *action) { showHint(action->statusTip()); });
    connect(m_menu, &QMenu::aboutToHide, this, [showHint] { showHint(QString()); });
}

DocumentContextMenu::~DocumentContextMenu() = default;

void DocumentContextMenu::PopupMenu1Popup(DocumentWindow &document, const QPoint &viewportPoint,
                                          bool moveCaret)
{
    ScintillaEditor &ed = document.editor();
    int at = ed.caret();
    if (moveCaret) {
        at = ed.offsetAtPoint(viewportPoint);
        if (ed.selLength() == 0 || at < ed.selectionStart() || at > ed.selectionEnd())
            ed.setCaret(at);
    }
    placeTopItems(document, at);

    const bool selection = ed.selLength() != 0;
    const bool clipboardText = !QApplication::clipboard()->text().isEmpty();
    for (QAction *action : m_menu->actions()) {
        switch (Shown(action->property("shown").toInt())) {
        case Shown::WithSelection:
            action->setVisible(selection);
            break;
        case Shown::EnabledWithClipboardText:
            // Shown greyed when there is nothing to paste, so that the menu keeps its shape.
            action->setEnabled(clipboardText);
            break;
        case Shown::Always:
            break;
        }
        if (action->objectName() == u"Undo2")
            action->setEnabled(ed.canUndo());
        if (action->objectName() == u"Redo2")
            action->setEnabled(ed.canRedo());
    }
}

void DocumentContextMenu::placeTopItems(DocumentWindow &document, int offset)
{
    qDeleteAll(m_top);
    m_top.clear();
    if (!m_topItems)
        return;
    m_top = m_topItems(document, offset, m_menu);
    if (m_top.isEmpty())
        return;
    QAction *first = m_menu->actions().value(0);
    m_menu->insertActions(first, m_top);
    auto *separator = new QAction(m_menu);
    separator->setSeparator(true);
    m_menu->insertAction(first, separator);
    m_top << separator;
}

void DocumentContextMenu::popup(DocumentWindow &document, const QPoint &viewportPoint,
                                const QPoint &globalPoint, bool moveCaret)
{
    PopupMenu1Popup(document, viewportPoint, moveCaret);
    m_menu->popup(globalPoint);
}
