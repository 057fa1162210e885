#pragma once

#include "checking/pageproblem.h"
#include "checking/pagetags.h"
#include "checking/textplaces.h"

// Ids used twice, and links within the page ("#name") to an id or anchor name the page does
// not have. "#" and "#top" lead to the top of any page and need no target.
void checkIds(const QList<ScannedTag> &tags, const TextPlaces &places,
              QList<PageProblem> &problems);
