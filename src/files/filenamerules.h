#pragma once

#include <QString>

// Rules on file names for the file commands that need no window.
namespace FileNameRules {

// The name Save As writes: no extension gets ".html" when defExt is "html", else ".htm";
// a name ending in a bare "." loses the dot and stays without extension; any other
// extension is kept.
QString saveAsName(const QString &chosen, const QString &defExt);

// Whether two names stand for one file: the same path, or two paths that lead to the same
// file (through a symbolic link, say). Letter case counts, as it does on Linux: "a.htm" and
// "A.htm" are two files, except on a file system that itself takes them as one.
bool sameFile(const QString &a, const QString &b);

// The name as an absolute, clean path.
QString fullPath(const QString &name);

// A project file (".qpj", any letter case).
bool isProjectFile(const QString &name);

// Turns a filter list of the stored form "Description|*.a;*.b|Other|*.*" into Qt's
// "Description (*.a *.b);;Other (*)". Pairs without patterns are dropped; a text that
// yields nothing gives an empty result.
QString qtFilter(const QString &stored);

} // namespace FileNameRules
