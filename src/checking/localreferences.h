#pragma once

#include "checking/pageproblem.h"
#include "checking/pagetags.h"
#include "checking/textplaces.h"

// Where a page's relative references lead.
struct ReferenceBase
{
    // The page's folder; empty for a page never saved, whose relative references lead
    // nowhere yet and are not checked.
    QString folder;
    // The site's folder, for addresses that start with "/"; empty leaves them unchecked.
    QString siteRoot;
};

// Every src, href, background and data value that names a local file (a relative path, a
// "/" path under a site root, a file: address) must name one that exists, letter case
// counting. Web addresses are never fetched; a page with a <base href> is left alone, since
// its relative references lead wherever that address says. Only asks the file system whether
// names exist.
void checkLocalReferences(const QList<ScannedTag> &tags, const TextPlaces &places,
                          const ReferenceBase &base, QList<PageProblem> &problems);
