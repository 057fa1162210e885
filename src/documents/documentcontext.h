#pragma once

#include <QString>

class Prompter;
class SettingsFile;

// What a document window needs from the program around it, handed in by the main frame.
struct DocumentContext
{
    SettingsFile &settings;
    Prompter &prompter;
    // The spelling component's configuration file (its scope switches are read from it).
    QString spellingConfigPath;
    // Set to "nosave" while the preferences are applied to every window, so that the
    // recolouring does not mark documents modified.
    QString sharedTextFlag;
};
