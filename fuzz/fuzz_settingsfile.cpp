// libFuzzer target: any bytes as the settings file must read as defaults or values, the
// toolbar layout and tag colours in it must read without harm, and a write must either
// succeed and read back or leave the file as it was.
#include "base/settingsfile.h"
#include "tagcolouring/tagcolourrules.h"
#include "toolbar/speedlayout.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("quillm.ini"));
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(input);
    }
    SettingsFile settings(path);
    (void)settings.read(Keys::TabWidth);
    (void)settings.read(Keys::Hello);
    (void)settings.read(Keys::GutterOn);
    (void)settings.readString(QStringLiteral("Oldies"), QStringLiteral("1"));
    (void)TagColourScheme::read(settings);
    (void)SpeedLayout::read(settings, 96);
    (void)SpeedLayout::storedItems(settings);
    if (settings.write(Keys::State, QStringLiteral(" max "))) {
        if (settings.read(Keys::State) != QLatin1String(" max "))
            std::abort();
        // What was there before reads the same after the write.
        SettingsFile again(path);
        if (again.read(Keys::TabWidth) != settings.read(Keys::TabWidth))
            std::abort();
    } else {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly) || f.readAll() != input)
            std::abort();
    }
    return 0;
}
