#pragma once

#include <functional>

class CommandActions;
class InsertWrap;
class TextConverter;
class DocumentRegistry;

// The Edit menu's commands on the active document: undo and redo, the clipboard, delete,
// select all, Remove Tags and Add Line Breaks. Each does nothing while no document is open.
namespace EditCommands {
void registerAll(CommandActions &commands, DocumentRegistry &documents, InsertWrap &insertWrap,
                 TextConverter &conversions);
}
