#pragma once

class DocumentFiles;
class DocumentRegistry;
class QMenu;
class QWidget;
class WindowArranger;

// The list of open documents at the end of the Window menu, and the pop-up menu that the tab
// strips share.
namespace WindowMenu {

void listDocuments(QMenu *window, WindowArranger &arranger, DocumentRegistry &documents);
QMenu *buildStripMenu(QWidget *parent, WindowArranger &arranger, DocumentFiles &files);

} // namespace WindowMenu
