#include "shell/firststart.h"

#include "base/settingsfile.h"
#include "prefs/preferencesstore.h"
#include "tagcolouring/tagcolourrules.h"

#include <QFileInfo>

namespace FirstStart {

bool isFirstStart(const SettingsFile &settings)
{
    const QFileInfo file(settings.path());
    return !file.exists() || file.size() == 0;
}

void prepare(SettingsFile &settings, const FirstStartLook &look)
{
    if (!isFirstStart(settings))
        return;
    SettingsFile::Batch batch(settings);
    TagColourScheme::firstStartColours(look.darkBase).write(settings);
    settings.write(Keys::GutterOn, true);
    settings.write(Keys::CurLine, true);
    settings.write(Keys::Reopen, true);
    settings.write(Keys::PageCheck, true);
    settings.write(Keys::TagCase, QStringLiteral("lower"));
    settings.write(Keys::AutoIndent, QStringLiteral("sure"));
    // The desktop's own browser shows the previews until the user names one.
    settings.write(Keys::Dde, QStringLiteral("no"));
    // The quick commands do what the preferences show before they were ever saved.
    PreferencesStore(settings).writeFormDefaults();
    if (!look.fixedFace.isEmpty()) {
        settings.write(Keys::FontName, look.fixedFace);
        settings.write(Keys::FontPoints, look.fixedPoints);
    }
}

} // namespace FirstStart
