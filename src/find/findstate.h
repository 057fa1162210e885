#pragma once

#include <QString>

// Which editor a search works on.
enum class FindTarget {
    ActiveDocument,
    // The scratch editor, with the options as set; a failure is silent and ends a loop.
    Scratch,
    // The scratch editor, ignoring the options; a failure sets the target back to the active
    // document, which is how the scan reports its end.
    SilentScan,
};

// The one find state of the program, shared by the find windows, multi-file replace and tag
// removal. It lives as long as the program; nothing of it is stored in the settings file.
struct FindState
{
    // What the find windows show in their fields when they open.
    QString savedFind;
    QString savedReplace;

    // What the next search looks for and what a replacing step puts in place of the hit.
    QString searchText;
    QString replacement;

    bool wholeWord = false;
    bool matchCase = false;
    bool fromTop = false; // one-shot: the next search starts at position 0
    bool upwards = false;

    FindTarget target = FindTarget::ActiveDocument;

    bool repeat = false; // loops go on while this stays set; a failing search clears it

    // Raised by a failing visible search while the find-and-replace dialog is open.
    bool notFound = false;
    bool findDialogOpen = false;
};
