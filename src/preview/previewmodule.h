#pragma once

#include "preview/internalpreview.h"

#include <QString>

// Loads the internal preview's module the first time it is needed, so that the web engine
// stays out of the program until the user asks for the internal preview.
class PreviewModule
{
public:
    // The factory, or null with a readable reason.
    static CreateInternalPreview factory(QString *reason);
    // Whether the module has been loaded in this process.
    static bool isLoaded();
};
