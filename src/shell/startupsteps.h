#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class Prompter;
class SettingsFile;

// The steps of starting that need no window: checking the command-line files, preparing the
// settings file, the spelling configuration fix-up and the date label text.
namespace StartupSteps {

// The named files that can be opened, made absolute against workingDir, in their order; for
// each other name (missing, not a regular file, unreadable) says name + " could not be
// opened". The list travels in memory, so a settings file that cannot be written does not
// keep a file from opening.
QStringList filesToOpen(Prompter &prompter, const QStringList &names, const QString &workingDir);

// Reports the first failed write of the settings file and keeps quiet about the rest of the
// run: every later write would fail the same way.
std::function<void(const QString &)> reportSettingsErrorsOnce(Prompter &prompter);

// "state" becomes "max" when empty, "count" 0, and the clean-up list and the sections of
// earlier releases are erased.
void prepareSettings(SettingsFile &settings);

// In each line of the spelling configuration that holds "REMOVE", the first one becomes the
// home folder (with a trailing "/"), keeping at most 300 characters behind it. A file without
// the word is not touched.
void fixUpSpellingConfig(const QString &configPath, const QString &homeFolder);

} // namespace StartupSteps
