#pragma once

#include <QString>

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

    // Which editor the search works on: empty is the active document, StoreMemoTarget the
    // scratch editor, anything else a silent scan of the scratch editor that reports its end
    // by emptying this field.
    QString target;

    bool repeat = false; // loops go on while this stays set; a failing search clears it

    // NotFoundSignal after a failing visible search while the find-and-replace dialog is open.
    QString notFound;
    bool findDialogOpen = false;

    static inline const QString StoreMemoTarget = QStringLiteral("storememo");
    static inline const QString SilentScanTarget = QStringLiteral("yes");
    static inline const QString NotFoundSignal = QStringLiteral("nope");
};
