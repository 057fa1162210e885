// libFuzzer target: the spelling configuration addict.cfg fixed up at start. Lines without
// "REMOVE" come back as they were, and a file without it is never rewritten.
#include "shell/startupsteps.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("addict.cfg"));
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(input);
    }
    StartupSteps::fixUpSpellingConfig(path, QStringLiteral("/home/q"));
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        std::abort();
    const QByteArray output = f.readAll();
    if (!input.contains("REMOVE") && output != input)
        std::abort();
    if (output.count('\n') != input.count('\n'))
        std::abort();
    return 0;
}
