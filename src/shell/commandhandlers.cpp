#include "shell/commandhandlers.h"

#include "commands/commandactions.h"
#include "files/documentfiles.h"
#include "documents/gotoline.h"
#include "markup/tagcontroller.h"
#include "shell/tmdimain.h"
#include "shell/windowarranger.h"
#include "editor/scintillaeditor.h"
#include "markup/tagcommands.h"
#include "markup/textconversions.h"
#include "documents/tmdisub.h"
#include "documents/typingtip.h"
#include "find/findcontroller.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QClipboard>

namespace CommandHandlers {

namespace {

void registerFiles(CommandActions &c, DocumentFiles &f, TMDImain &frame)
{
    c.setHandler("New1Click", [&f] { f.newFromTemplate(); });
    c.setHandler("news", [&f] { f.news(); });
    c.setHandler("othernew", [&f] { f.newFromTemplate(); });
    c.setHandler("newclean1Click", [&f] { f.newclean(); });
    c.setHandler("Open1Click", [&f] { f.Open(); });
    c.setHandler("InsertFile", [&f] { f.InsertFile(); });
    c.setHandler("Saves", [&f] { f.Saves(); });
    c.setHandler("SavesAs", [&f] { f.SavesAs(); });
    c.setHandler("Close1Click", [&f] { f.Close(); });
    c.setHandler("CloseAll1Click", [&f] { f.CloseAll(); });
    c.setHandler("Prints", [&f] { f.Prints(); });
    c.setHandler("PrintSetup1Click", [&f] { f.PrintSetup(); });
    c.setHandler("Exit1Click", [&frame] { frame.close(); });
}

void registerEditing(CommandActions &c, TMDImain &frame)
{
    const auto onDocument = [&frame](void (*edit)(TMDIsub &, TMDImain &)) {
        return [&frame, edit] {
            if (TMDIsub *doc = frame.activeDocument())
                edit(*doc, frame);
        };
    };
    c.setHandler("Undo1Click", onDocument([](TMDIsub &d, TMDImain &) {
                     d.tip().hide();
                     d.editor().undo();
                 }));
    c.setHandler("Redo1Click", onDocument([](TMDIsub &d, TMDImain &) {
                     if (d.memo()->isRedoAvailable())
                         d.memo()->redo();
                 }));
    c.setHandler("Cut1Click", onDocument([](TMDIsub &d, TMDImain &) { d.memo()->cut(); }));
    c.setHandler("Copy1Click", onDocument([](TMDIsub &d, TMDImain &) { d.memo()->copy(); }));
    // Pasted text goes through the scratch editor like any inserted text, so that it is
    // indented to the line it lands in.
    c.setHandler("Paste1Click", onDocument([](TMDIsub &d, TMDImain &f) {
                     const QString text = QApplication::clipboard()->text();
                     if (!text.isEmpty())
                         f.tags().insertWrap().insertText(d.editor(), text, false);
                 }));
    c.setHandler("Delete1Click", onDocument([](TMDIsub &d, TMDImain &) {
                     UndoGroup group(d.editor());
                     d.editor().clearSelection();
                 }));
    c.setHandler("SelectAll1Click",
                 onDocument([](TMDIsub &d, TMDImain &) { d.editor().selectAll(); }));
    c.setHandler("killtags", onDocument([](TMDIsub &d, TMDImain &f) {
                     f.tags().conversions().removeTags(d.editor());
                 }));
    c.setHandler("addLineBreaks1Click", onDocument([](TMDIsub &d, TMDImain &f) {
                     f.tags().conversions().addLineBreaks(d.editor());
                 }));
}

void registerWindows(CommandActions &c, WindowArranger &a)
{
    c.setHandler("Tabbed", [&a] { a.Tabbed(); });
    c.setHandler("Tiled", [&a] { a.Tiled(); });
    c.setHandler("Cascaded", [&a] { a.Cascaded(); });
    c.setHandler("switch1Click", [&a] { a.switch1Click(); });
}

void registerTags(CommandActions &c, TagController &tags)
{
    for (const TagCommand &command : tagCommands()) {
        const QString id = QString::fromLatin1(command.id);
        c.setHandler(id, [&tags, id] { tags.run(id); });
    }
}

void registerFind(CommandActions &c, FindController &find, WindowArranger &a)
{
    c.setHandler("FindbutClick", [&find] { find.FindbutClick(); });
    c.setHandler("FagainbutClick", [&find] { find.FagainbutClick(); });
    QObject::connect(&a, &WindowArranger::lastClosing, &find, &FindController::closeAll);
}

} // namespace

void registerAll(CommandActions &commands, TMDImain &frame)
{
    registerFiles(commands, frame.files(), frame);
    registerEditing(commands, frame);
    registerWindows(commands, frame.arranger());
    registerTags(commands, frame.tags());
    registerFind(commands, frame.finding(), frame.arranger());
    commands.setHandler("About1Click", [&frame] { frame.showAbout(); });
    commands.setHandler("Preferences1Click", [&frame] { frame.showPreferences(); });
    commands.setHandler("GoToLine1Click", [&frame] { frame.goToLine().run(); });
}

} // namespace CommandHandlers
