#pragma once

#include <QString>

// How a panel refers to a chosen file from the page it goes into.
enum class PathMode {
    Relative, // from the document's folder ("../img/a.gif"); also when nothing is chosen
    Absolute, // a file URL ("file:///home/me/web/img/a.gif")
    None,     // the file name alone ("a.gif")
};

// The reference to a file as it goes into the page, and as the panel shows it.
struct PathReference
{
    QString inserted;  // URL text: letter case kept, characters a URL may not hold encoded
    QString displayed; // the same, except that the absolute form shows the plain path
    friend bool operator==(const PathReference &, const PathReference &) = default;
};

namespace PathRule {

// The reference to `file` (a full path) from the document `document` (its full path, empty
// while it has never been saved). A document without a file, or a relative reference that
// cannot be made, gives the absolute form. Empty when no file is given.
PathReference reference(const QString &file, const QString &document, PathMode mode);

// The other way: the full path a reference in a page stands for, seen from the document;
// empty when it names no local file (another scheme, a relative reference from an unsaved
// document). `mode` tells which form the reference has.
QString resolve(const QString &reference, const QString &document, PathMode *mode = nullptr);

} // namespace PathRule
