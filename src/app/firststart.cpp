#include "app/firststart.h"

#include "app/settingsfile.h"
#include "editor/tagcolourrules.h"

#include <QFileInfo>

namespace FirstStart {

void prepare(SettingsFile &settings)
{
    if (QFileInfo::exists(settings.path()))
        return;
    TagColourScheme::firstStartColours().write(settings);
}

} // namespace FirstStart
