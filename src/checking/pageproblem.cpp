#include "checking/pageproblem.h"

#include <QStringList>

#include <algorithm>

void sortByPlace(QList<PageProblem> &problems)
{
    std::stable_sort(problems.begin(), problems.end(),
                     [](const PageProblem &a, const PageProblem &b) {
                         return a.line != b.line ? a.line < b.line : a.column < b.column;
                     });
}

ProblemCount countProblems(const QList<PageProblem> &problems)
{
    ProblemCount count;
    for (const PageProblem &p : problems)
        ++(p.kind == PageProblem::Kind::Error ? count.errors : count.warnings);
    return count;
}

QString describeCount(const ProblemCount &count)
{
    QStringList parts;
    if (count.errors)
        parts << (count.errors == 1 ? QStringLiteral("1 error")
                                    : QStringLiteral("%1 errors").arg(count.errors));
    if (count.warnings)
        parts << (count.warnings == 1 ? QStringLiteral("1 warning")
                                      : QStringLiteral("%1 warnings").arg(count.warnings));
    return parts.isEmpty() ? QStringLiteral("no problems") : parts.join(QStringLiteral(", "));
}
