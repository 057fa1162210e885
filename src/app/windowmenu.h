#pragma once

class DocumentFiles;
class QMenu;
class QWidget;
class WindowArranger;

// The Window menu (the arrangement commands and the list of open documents) and the pop-up
// menu that the tab strips share.
namespace WindowMenu {

void build(QMenu *window, WindowArranger &arranger, DocumentFiles &files);
QMenu *buildStripMenu(QWidget *parent, WindowArranger &arranger, DocumentFiles &files);

} // namespace WindowMenu
