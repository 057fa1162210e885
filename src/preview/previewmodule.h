#pragma once

#include "preview/internalpreview.h"

#include <QString>
#include <QStringList>

// Loads the internal preview's module the first time it is needed, so that the web engine
// stays out of the program until the user asks for the internal preview.
class PreviewModule
{
public:
    // The factory, or null with a readable reason.
    static CreateInternalPreview factory(QString *reason);
    // Whether the module has been loaded in this process.
    static bool isLoaded();
    // Where the module is looked for: only relative to the program's folder, and the build
    // tree when the program runs from there.
    static QStringList searchPaths(const QString &programFolder);
    // The words for a module that is nowhere to be found.
    static QString missingReason(const QStringList &paths);
};
