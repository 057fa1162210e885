#pragma once

#include <QList>
#include <QString>

// One problem the page checker found. Lines and columns count from 1; a column counts
// characters (a character outside the Basic Multilingual Plane is one), as the command line
// prints them.
struct PageProblem
{
    enum class Kind { Error, Warning };

    int line = 1;
    int column = 1;
    Kind kind = Kind::Error;
    QString message;

    friend bool operator==(const PageProblem &, const PageProblem &) = default;
};

// In the order of their place in the page; problems at one place keep their order.
void sortByPlace(QList<PageProblem> &problems);

struct ProblemCount
{
    int errors = 0;
    int warnings = 0;
};
ProblemCount countProblems(const QList<PageProblem> &problems);
// "2 errors, 5 warnings", "1 error", "no problems".
QString describeCount(const ProblemCount &count);
