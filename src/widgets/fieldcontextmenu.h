#pragma once

class QLineEdit;
class QMenu;

// The context menu of the find fields: "Cut ", "Copy " and "Paste ", enabled by the field's
// selection and the clipboard when it opens.
namespace FieldContextMenu {

// Replaces the field's own context menu with this one.
void attach(QLineEdit *field);
// The menu as it opens for the field; the caller owns it.
QMenu *build(QLineEdit *field);

} // namespace FieldContextMenu
