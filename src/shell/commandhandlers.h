#pragma once

class CommandActions;
class TMDImain;

// Connects the commands of the command table to the pieces that carry them out: document
// files, window arrangement, tag commands, editing, the About box. Commands whose pieces do
// not exist yet get no handler and stay disabled.
namespace CommandHandlers {
void registerAll(CommandActions &commands, TMDImain &frame);
}
