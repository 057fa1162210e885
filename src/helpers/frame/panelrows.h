#pragma once

#include "base/settingskeys.h"

#include <QString>

#include <span>

// The helper panels, in the order of the panel table.
enum class PanelId {
    Image,
    Document,
    Link,
    Colour,
    List,
    Table,
    Frames,
    Form,
    Font,
    UserTags,
    SpecialChars,
};

// One helper panel as the main frame knows it: which command opens it, which closes it
// without saving, its caption, where it keeps its place and where it first appears.
struct PanelRow
{
    PanelId id;
    const char *objectName; // the panel window's object name
    const char *caption;    // the caption bar's text
    IntKey top, left;       // its place in section "Windows"
    const IntKey *width;    // the resizable panels keep their size too; else null
    const IntKey *height;
    int defaultTop;           // pixels below the main frame's top while no place is kept
    const char *command;      // opens the panel (menu entries and toolbar items)
    const char *closeCommand; // a right-button press on the items: destroys it unsaved
    bool showAgain;           // a second command shows it again (else does nothing)
    int helpTopic;            // its page in the help (HelpTopic)
};

namespace PanelRows {

std::span<const PanelRow> all();
const PanelRow &byId(PanelId id);
const PanelRow *byCommand(QStringView command);

} // namespace PanelRows
