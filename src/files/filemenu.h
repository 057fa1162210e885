#pragma once

class CommandActions;
class DocumentFiles;
class QMenu;

// Each time the File menu opens, Save is enabled only for a modified document and the recent
// files are listed afresh (entries whose files have gone are dropped).
namespace FileMenu {

void watch(QMenu *file, QMenu *recent, CommandActions &commands, DocumentFiles &files);

} // namespace FileMenu
