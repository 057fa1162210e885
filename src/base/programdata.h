#pragma once

#include <QString>

// The folder of the data that comes with the program: help pages, the shipped character
// table and spelling configuration. An installed program finds it at a fixed place relative
// to its executable (so a package installed under another prefix works too) and nowhere else;
// only a program run from its build tree uses the source tree's data folder.
namespace ProgramData {

QString folder(const QString &executableDir);
// The rule itself, with the places given; buildDir is the build tree (empty: none).
QString folder(const QString &executableDir, const QString &installedRelative,
               const QString &sourceDir, const QString &buildDir);

// True when the folder lies inside the build tree (the given one, or the one this program was
// built in).
bool runsFromBuildTree(const QString &executableDir);
bool runsFromBuildTree(const QString &executableDir, const QString &buildDir);
// The build tree this program was built in.
QString buildTree();

} // namespace ProgramData
