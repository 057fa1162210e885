#include "documents/editcommands.h"

#include "commands/commandactions.h"
#include "commands/commandids.h"
#include "commands/commandtable.h"
#include "documents/documentregistry.h"
#include "documents/documentwindow.h"
#include "documents/typingtip.h"
#include "editor/scintillaeditor.h"
#include "markup/insertwrap.h"
#include "markup/tagcommands.h"
#include "markup/tagcontroller.h"
#include "markup/textconversions.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QClipboard>

namespace EditCommands {

void registerAll(CommandActions &c, DocumentRegistry &documents, InsertWrap &insertWrap,
                 TextConverter &conversions)
{
    const auto onDocument = [&documents](std::function<void(DocumentWindow &)> edit) {
        return [&documents, edit = std::move(edit)] {
            if (DocumentWindow *doc = documents.active())
                edit(*doc);
        };
    };
    c.setHandler(Cmd::Undo1Click, onDocument([](DocumentWindow &d) {
                     d.tip().hide();
                     d.editor().undo();
                 }));
    c.setHandler(Cmd::Redo1Click, onDocument([](DocumentWindow &d) {
                     if (d.memo()->isRedoAvailable())
                         d.memo()->redo();
                 }));
    c.setHandler(Cmd::Cut1Click, onDocument([](DocumentWindow &d) { d.memo()->cut(); }));
    c.setHandler(Cmd::Copy1Click, onDocument([](DocumentWindow &d) { d.memo()->copy(); }));
    // Every way of pasting (key, menu, toolbar, context menu) comes here. The clipboard text
    // replaces the selection, as everywhere else on the desktop, and goes through the scratch
    // editor like any inserted text, so that it is indented to the line it lands in and
    // written in the document's own encoding.
    c.setHandler(Cmd::Paste1Click, onDocument([&insertWrap](DocumentWindow &d) {
                     const QString text = QApplication::clipboard()->text();
                     if (text.isEmpty())
                         return;
                     insertWrap.setInsertMode(InsertMode::Replace);
                     insertWrap.insertText(d.editor(), text, false);
                 }));
    c.setHandler(Cmd::Delete1Click, onDocument([](DocumentWindow &d) {
                     UndoGroup group(d.editor());
                     d.editor().clearSelection();
                 }));
    c.setHandler(Cmd::SelectAll1Click,
                 onDocument([](DocumentWindow &d) { d.editor().selectAll(); }));
    c.setHandler(Cmd::killtags, onDocument([&conversions](DocumentWindow &d) {
                     conversions.removeTags(d.editor());
                 }));
    c.setHandler(Cmd::addLineBreaks1Click, onDocument([&conversions](DocumentWindow &d) {
                     conversions.addLineBreaks(d.editor());
                 }));
}

void registerTagCommands(CommandActions &c, TagController &tags)
{
    for (const TagCommand &command : tagCommands()) {
        // Some tag commands serve only the document's context menu and have no row.
        if (!findCommand(command.id))
            continue;
        const QString id = QString::fromLatin1(command.id);
        c.setHandler(id, [&tags, id] { tags.run(id); });
    }
}

} // namespace EditCommands
