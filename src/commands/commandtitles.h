#pragma once

#include <QString>

// The name of a command as the user finds it: the menus that lead to it and its entry
// ("Layout > Tables > Helper..."), numbered where several entries read alike ("Custom >
// Custom 3"); a command on the toolbar only is named after its item.
QString commandTitle(const QString &id);
