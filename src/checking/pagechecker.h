#pragma once

#include "checking/localreferences.h"
#include "checking/pageproblem.h"

#include <QStringView>

struct CheckOptions
{
    ReferenceBase base;
    // Images without alt text and form controls without a label.
    bool accessibility = true;
};

// Every problem of a page, in the order of their place: libtidy's structural reports and the
// page's own checks of ids, local references and (when asked) alt texts and labels. Reads the
// text and asks the file system whether names exist; writes nothing and fetches nothing.
// Safe to run on any thread.
QList<PageProblem> checkPage(QStringView text, const CheckOptions &options);
