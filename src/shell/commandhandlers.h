#pragma once

#include <QStringList>

#include <functional>
#include <span>

class CommandActions;
class DocumentClosing;
class DocumentFiles;
class DocumentPrinting;
class DocumentSaving;
class FindController;
class GoToLineCommand;
class PanelManager;
class TagController;
class WindowArranger;

// Connects the commands of the command table to the pieces that carry them out: document
// files, window arrangement, tag commands, finding, go to line, help and the frame's own
// dialogs.
// The pieces register their other commands themselves (edit commands, view toggles, the
// toolbar's own). Commands whose pieces do not exist yet get no handler and stay disabled;
// they are listed by commandsNotYetBuilt(), so that a test can tell a forgotten handler from
// a deliberate gap.
namespace CommandHandlers {

struct Targets
{
    DocumentFiles &files;
    DocumentSaving &saving;
    DocumentClosing &closing;
    DocumentPrinting &printing;
    WindowArranger &arranger;
    TagController &tags;
    FindController &find;
    GoToLineCommand &goToLine;
    PanelManager &panels;
    std::function<void()> exit;
    std::function<void()> about;
    std::function<void()> preferences;
    std::function<void(int topic)> help;
    std::function<void()> helpContents;
};

void registerAll(CommandActions &commands, const Targets &targets);

// The commands that deliberately have no handler yet.
std::span<const char *const> commandsNotYetBuilt();

} // namespace CommandHandlers
