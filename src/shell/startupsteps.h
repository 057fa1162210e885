#pragma once

#include <QString>

class QDate;
class QLocale;
class Prompter;
class SettingsFile;

// The steps of starting and ending that need no window: handing the command-line file to
// the hand-over key, preparing the settings file, the spelling configuration fix-up, the
// date label text and deleting the temporary files of the run.
namespace StartupSteps {

// Writes the named file, made absolute against workingDir, to the hand-over key, or empties
// the key and says name + " could not be opened" when it is not a readable file. An empty
// name leaves the key alone.
void handOver(SettingsFile &settings, Prompter &prompter, const QString &name,
              const QString &workingDir);

// "state" becomes "max" when empty, "count" 0, and the clean-up list and the sections of
// earlier releases are erased.
void prepareSettings(SettingsFile &settings);

// In each line of the spelling configuration that holds "REMOVE", the first one becomes the
// home folder (with a trailing "/"), keeping at most 300 characters behind it. A file without
// the word is not touched.
void fixUpSpellingConfig(const QString &configPath, const QString &homeFolder);

// Deletes the files listed in the clean-up section; missing files are skipped.
void deleteTemporaryFiles(const SettingsFile &settings);

// "Tuesday, 12/8/26" style: the long weekday name, ", ", the short date, two blanks.
QString dateLabelText(const QDate &date, const QLocale &locale);

} // namespace StartupSteps
