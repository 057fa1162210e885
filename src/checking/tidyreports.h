#pragma once

#include "checking/pageproblem.h"
#include "checking/pagetags.h"

#include <QList>
#include <QStringView>

// The structural problems of a page as libtidy's parser finds them: an element left open,
// an end tag that matches no open element, a broken attribute quote, content where it cannot
// stand. Autonomous custom elements and the HTML5 elements are known to the parser. Reports
// that only tell how libtidy repaired the page for its own output (an element it put in or
// left out) are dropped, and so is the repair's echo: an inline element left open is
// reopened by libtidy in every following block, each time with another "missing end tag".
// A real problem that libtidy words as its repair is said as the page has it (TidyMessages).
// Ids, alt texts and labels are left to the page's own scan. The tags are the page's own scan
// of the same text. Reads only; thread-safe.
QList<PageProblem> tidyReports(QStringView text, const QList<ScannedTag> &tags);
