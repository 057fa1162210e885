#pragma once

class DocumentFiles;
class QMainWindow;
class QMenu;

// The File menu of the main frame: its entries call the file commands, and each time it
// opens the Save entry and the recent files are brought up to date.
namespace FileMenu {

void build(QMainWindow *frame, QMenu *file, DocumentFiles &files);

} // namespace FileMenu
