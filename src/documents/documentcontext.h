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
};
