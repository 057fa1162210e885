#pragma once

#include <QString>

// The folder of the data that comes with the program: help pages, the shipped character
// table and spelling configuration. An installed program finds it at a fixed place relative
// to its executable (so a package installed under another prefix works too); a program run
// from its build tree uses the source tree's data folder.
namespace ProgramData {

QString folder(const QString &executableDir);
// The rule itself, with the two places given.
QString folder(const QString &executableDir, const QString &installedRelative,
               const QString &sourceDir);

} // namespace ProgramData
