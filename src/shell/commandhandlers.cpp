#include "shell/commandhandlers.h"

#include "commands/commandactions.h"
#include "commands/commandids.h"
#include "commands/commandtable.h"
#include "documents/gotoline.h"
#include "files/documentclosing.h"
#include "files/documentfiles.h"
#include "files/documentprinting.h"
#include "files/documentsaving.h"
#include "find/findcontroller.h"
#include "help/helptopics.h"
#include "helpers/frame/panelmanager.h"
#include "markup/tagcommands.h"
#include "markup/tagcontroller.h"
#include "shell/windowarranger.h"

namespace CommandHandlers {

namespace {

void registerFiles(CommandActions &c, const Targets &t)
{
    DocumentFiles &f = t.files;
    DocumentSaving &s = t.saving;
    DocumentClosing &k = t.closing;
    DocumentPrinting &p = t.printing;
    c.setHandler(Cmd::New1Click, [&f] { f.newFromTemplate(); });
    c.setHandler(Cmd::news, [&f] { f.news(); });
    c.setHandler(Cmd::othernew, [&f] { f.newFromTemplate(); });
    c.setHandler(Cmd::newclean1Click, [&f] { f.newclean(); });
    c.setHandler(Cmd::Open1Click, [&f] { f.Open(); });
    c.setHandler(Cmd::InsertFile, [&f] { f.InsertFile(); });
    c.setHandler(Cmd::Saves, [&s] { s.Saves(); });
    c.setHandler(Cmd::SavesAs, [&s] { s.SavesAs(); });
    c.setHandler(Cmd::Close1Click, [&k] { k.Close(); });
    c.setHandler(Cmd::CloseAll1Click, [&k] { k.CloseAll(); });
    c.setHandler(Cmd::Prints, [&p] { p.Prints(); });
    c.setHandler(Cmd::PrintSetup1Click, [&p] { p.PrintSetup(); });
    c.setHandler(Cmd::Exit1Click, t.exit);
}

void registerWindows(CommandActions &c, WindowArranger &a)
{
    c.setHandler(Cmd::Tabbed, [&a] { a.Tabbed(); });
    c.setHandler(Cmd::Tiled, [&a] { a.Tiled(); });
    c.setHandler(Cmd::Cascaded, [&a] { a.Cascaded(); });
    c.setHandler(Cmd::switch1Click, [&a] { a.switch1Click(); });
    c.setHandler(Cmd::switchBack1Click, [&a] { a.switchBack(); });
}

void registerTags(CommandActions &c, TagController &tags)
{
    for (const TagCommand &command : tagCommands()) {
        // Some tag commands serve only the document's context menu and have no row.
        if (!findCommand(command.id))
            continue;
        const QString id = QString::fromLatin1(command.id);
        c.setHandler(id, [&tags, id] { tags.run(id); });
    }
}

void registerFind(CommandActions &c, FindController &find, WindowArranger &a)
{
    c.setHandler(Cmd::FindbutClick, [&find] { find.FindbutClick(); });
    c.setHandler(Cmd::FagainbutClick, [&find] { find.FagainbutClick(); });
    QObject::connect(&a, &WindowArranger::lastClosing, &find, &FindController::closeAll);
}

} // namespace

void registerAll(CommandActions &commands, const Targets &t)
{
    registerFiles(commands, t);
    registerWindows(commands, t.arranger);
    registerTags(commands, t.tags);
    registerFind(commands, t.find, t.arranger);
    commands.setHandler(Cmd::About1Click, t.about);
    commands.setHandler(Cmd::Preferences1Click, t.preferences);
    commands.setHandler(Cmd::GoToLine1Click, [&go = t.goToLine] { go.run(); });
    commands.setHandler(Cmd::Contents1Click, t.helpContents);
    commands.setHandler(Cmd::ToolbarHelp1Click, [help = t.help] { help(HelpTopic::Toolbar); });
    // The helper panels that exist: Cmd::ImageHelper, Cmd::DocHelper and their close commands.
    t.panels.registerCommands(commands);
}

std::span<const char *const> commandsNotYetBuilt()
{
    return {}; // every command of the table has its handler now
}

} // namespace CommandHandlers
