#pragma once

#include <QStringList>

class QTextStream;

// The page check of the command line: checks each page and writes one line per problem to
// `out`, "PAGE:LINE:COLUMN: error: message", pages in name order and each page's problems in
// the order of their place. A page that cannot be read is named on `err` with the reason.
// Returns the exit status: 2 when a page could not be read, else 1 when a page has an error,
// else 0. No pages at all is a mistake of the command line and gives 2.
namespace PageCheckRun {

int run(const QStringList &pages, const QString &workingDir, QTextStream &out, QTextStream &err);

}
