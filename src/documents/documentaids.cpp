#include "documents/documentaids.h"

#include "base/editingoptions.h"
#include "commands/commandactions.h"
#include "commands/commandids.h"
#include "documents/documentcontextmenu.h"
#include "documents/documentregistry.h"
#include "documents/documentwindow.h"
#include "documents/editingaids.h"
#include "editor/scintillaeditor.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMdiSubWindow>

#include <algorithm>

namespace {

DocumentWindow *documentOf(QObject *watched)
{
    for (QObject *o = watched; o; o = o->parent())
        if (auto *doc = qobject_cast<DocumentWindow *>(o))
            return doc;
    return nullptr;
}

Qt::KeyboardModifiers heldModifiers(const QKeyEvent *event)
{
    return event->modifiers() & ~Qt::KeypadModifier;
}

} // namespace

DocumentAids::DocumentAids(DocumentRegistry &documents, const EditingOptions &options,
                           CommandActions &commands, DocumentContextMenu &contextMenu,
                           QObject *parent)
    : QObject(parent), m_documents(documents), m_options(options), m_commands(commands),
      m_contextMenu(contextMenu), m_keys(commands)
{
    connect(&documents, &DocumentRegistry::opened, this, &DocumentAids::watch);
    connect(&commands, &CommandActions::keysChanged, this, [this] {
        m_keys.reload(m_commands);
        for (DocumentWindow *document : m_documents.documents())
            claimKeys(document);
    });
}

void DocumentAids::claimKeys(DocumentWindow *document)
{
    m_keys.claim(*document->memo());
    if (auto *window = qobject_cast<QMdiSubWindow *>(document->parentWidget()))
        m_keys.claim(*window);
}

void DocumentAids::watch(DocumentWindow *document)
{
    claimKeys(document);
    document->memo()->installEventFilter(this);
    document->memo()->viewport()->installEventFilter(this);
}

bool DocumentAids::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (m_forwarding)
            return false;
        // Keys reach the editor itself; one the text area ignores comes here a second time.
        if (DocumentWindow *doc = documentOf(watched); doc && watched == doc->memo())
            return memoKeyDown(*doc, static_cast<QKeyEvent *>(event));
        return false;
    case QEvent::ContextMenu:
        if (DocumentWindow *doc = documentOf(watched)) {
            auto *menuEvent = static_cast<QContextMenuEvent *>(event);
            QWidget *viewport = doc->memo()->viewport();
            const QPoint global = menuEvent->globalPos();
            QPoint local = viewport->mapFromGlobal(global);
            // From the keyboard the menu opens at the caret, which it must not move.
            const bool fromKeyboard = menuEvent->reason() == QContextMenuEvent::Keyboard;
            if (fromKeyboard) {
                doc->editor().ensureCaretVisible();
                const long pos = doc->memo()->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS);
                local = QPoint(
                    int(doc->memo()->SendScintilla(QsciScintilla::SCI_POINTXFROMPOSITION, 0, pos)),
                    int(doc->memo()->SendScintilla(QsciScintilla::SCI_POINTYFROMPOSITION, 0, pos)));
                local = QPoint(std::clamp(local.x(), 0, std::max(0, viewport->width() - 1)),
                               std::clamp(local.y(), 0, std::max(0, viewport->height() - 1)));
            }
            m_contextMenu.popup(*doc, local, viewport->mapToGlobal(local), !fromKeyboard);
            return true;
        }
        return false;
    default:
        return false;
    }
}

bool DocumentAids::memoKeyDown(DocumentWindow &doc, QKeyEvent *event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers held = heldModifiers(event);
    ScintillaEditor &ed = doc.editor();

    if (const QString command = m_keys.takenOver(*event); !command.isEmpty()) {
        m_commands.run(command);
        return true;
    }
    // A command's key that its shortcut did not take: the command cannot run now.
    if (m_keys.holds(*event))
        return true;
    if (key == Qt::Key_Escape) {
        if (m_escape)
            m_escape();
        return false;
    }
    if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && ed.selLength() != 0 &&
        !(held & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        EditingAids::blockIndent(ed, key == Qt::Key_Backtab || held.testFlag(Qt::ShiftModifier));
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return enterWithIndent(doc, event);
    // The start and end tag commands own these keys; the keyboard may report the shifted
    // character instead, which their shortcuts do not match.
    if (held == (Qt::ControlModifier | Qt::ShiftModifier)) {
        // Only while they hold them: the user may have given the keys to other commands.
        const auto holds = [this](const char *command, Qt::Key own) {
            const QAction *a = m_commands.action(QLatin1String(command));
            return a && a->shortcuts().contains(
                            QKeySequence(Qt::ControlModifier | Qt::ShiftModifier | own));
        };
        if ((key == Qt::Key_Less || key == Qt::Key_Comma) && holds(Cmd::StartTag, Qt::Key_Comma))
            return m_commands.run(Cmd::StartTag);
        if ((key == Qt::Key_Greater || key == Qt::Key_Period) && holds(Cmd::EndTag, Qt::Key_Period))
            return m_commands.run(Cmd::EndTag);
    }
    return false;
}

bool DocumentAids::enterWithIndent(DocumentWindow &doc, QKeyEvent *event)
{
    const Qt::KeyboardModifiers held = heldModifiers(event);
    if (held & ~Qt::ShiftModifier)
        return false;
    if (!EditingAids::indentsOnEnter(m_options.autoIndent(), held == Qt::ShiftModifier))
        return false;
    // The line break and the indentation it takes are one undo step.
    ScintillaEditor &ed = doc.editor();
    UndoGroup group(ed);
    m_forwarding = true;
    QCoreApplication::sendEvent(doc.memo(), event);
    m_forwarding = false;
    EditingAids::indentAfterEnter(ed);
    return true;
}
