#pragma once

#include "checking/pageproblem.h"
#include "checking/pagetags.h"
#include "checking/textplaces.h"

// Warnings for images without alt text (an empty alt is a decorative image and fine) and for
// form controls that nothing names: no <label for> naming their id, no <label> around them,
// no aria-label, aria-labelledby or title.
void checkAccessibility(const QList<ScannedTag> &tags, const TextPlaces &places,
                        QList<PageProblem> &problems);
