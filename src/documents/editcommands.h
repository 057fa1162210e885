#pragma once

#include <functional>

class CommandActions;
class InsertWrap;
class TextConverter;
class DocumentRegistry;
class TagController;

// The Edit menu's commands on the active document: undo and redo, the clipboard, delete,
// select all, Remove Tags and Add Line Breaks. Each does nothing while no document is open.
namespace EditCommands {
void registerAll(CommandActions &commands, DocumentRegistry &documents, InsertWrap &insertWrap,
                 TextConverter &conversions);
// The tag commands of the menus and keys, which the tag controller carries out on the active
// document.
void registerTagCommands(CommandActions &commands, TagController &tags);
} // namespace EditCommands
