#pragma once

#include <QByteArrayList>
#include <QString>

// What libtidy's reports mean for the page. libtidy reports while it mends the page for its
// own output, so some reports only tell what it put in or left out, and others name a real
// problem in the words of the repair ("dropping value", "inserting missing"). The codes are
// libtidy's message codes (tidyGetMessageCode), the arguments its string arguments in order.
namespace TidyMessages {

// Not the page's problem: a repair the page does not need (an optional tag put in, an empty
// element kept), an address libtidy would escape that is valid as it stands, or a problem the
// page's own scan reports in its place (ids, alt texts).
bool isRepairNote(unsigned code, const QByteArrayList &arguments);

// Reported as an error even where libtidy calls it a warning: the page's structure is broken.
bool isStructural(unsigned code);

// The problem as the page has it. `message` is libtidy's text, kept where it names the problem
// already.
QString pageWording(unsigned code, const QString &message, const QByteArrayList &arguments);

} // namespace TidyMessages
