#pragma once

class DocumentClosing;
class DocumentFiles;
class DocumentSaving;
class DocumentRegistry;
class QMenu;
class QWidget;
class WindowArranger;

// The list of open documents at the end of the Window menu, and the pop-up menu that the tab
// strips share.
namespace WindowMenu {

void listDocuments(QMenu *window, WindowArranger &arranger, DocumentRegistry &documents);
// What the tab strip's pop-up menu acts through.
struct StripCommands
{
    DocumentRegistry &documents;
    DocumentFiles &files;
    DocumentSaving &saving;
    DocumentClosing &closing;
};
QMenu *buildStripMenu(QWidget *parent, WindowArranger &arranger, const StripCommands &commands);

} // namespace WindowMenu
