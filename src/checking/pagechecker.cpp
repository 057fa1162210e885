#include "checking/pagechecker.h"

#include "checking/accessibilitycheck.h"
#include "checking/idcheck.h"
#include "checking/pagetags.h"
#include "checking/textplaces.h"
#include "checking/tidyreports.h"

QList<PageProblem> checkPage(QStringView text, const CheckOptions &options)
{
    if (text.startsWith(QChar(0xFEFF)))
        text = text.mid(1);
    const QList<ScannedTag> tags = scanTags(text);
    QList<PageProblem> problems = tidyReports(text, tags);
    const TextPlaces places(text);
    checkIds(tags, places, problems);
    checkLocalReferences(tags, places, options.base, problems);
    if (options.accessibility)
        checkAccessibility(tags, places, problems);
    sortByPlace(problems);
    return problems;
}
