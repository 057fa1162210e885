#include "shell/firststart.h"

#include "base/settingsfile.h"
#include "tagcolouring/tagcolourrules.h"

#include <QFileInfo>

namespace FirstStart {

void prepare(SettingsFile &settings)
{
    if (QFileInfo::exists(settings.path()))
        return;
    TagColourScheme::firstStartColours().write(settings);
}

} // namespace FirstStart
