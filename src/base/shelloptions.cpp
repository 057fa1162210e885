#include "base/shelloptions.h"

#include "base/settingsfile.h"

void ShellOptions::read(const SettingsFile &settings, bool withStartNew)
{
    autoIndent = settings.read(Keys::AutoIndent);
    spaces = QStringLiteral("no");
    ctrlB = settings.read(Keys::CtrlB);
    ctrlI = settings.read(Keys::CtrlI);
    pop = settings.read(Keys::Pop);
    newT = settings.read(Keys::NewT);
    if (withStartNew)
        startNew = settings.read(Keys::StartNew);
    upperTabs = !settings.read(Keys::TabLoc).isEmpty();
}
