// libFuzzer target: a project file's bytes, as the project manager and Save into a Project
// read them. What is read and written back must read the same again.
#include "projects/projectfile.h"

#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList entries = ProjectFile::parse(input);
    if (entries.size() > input.size())
        std::abort();
    for (const QString &entry : entries)
        if (entry.contains(u'\r') || entry.contains(u'\n'))
            std::abort();
    // A second byte-order mark in front of the first path is the one case that cannot come
    // back as it was: the next reading takes it for a mark again.
    const bool markedTwice = !entries.isEmpty() && entries.front().startsWith(QChar(0xFEFF));
    if (!markedTwice && ProjectFile::parse(ProjectFile::serialise(entries)) != entries)
        std::abort();

    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fuzz.qpj"));
    QString reason;
    if (!ProjectFile::write(path, entries, &reason))
        return 0;
    // A NUL byte makes a file binary, which is refused as a project.
    if (input.contains('\0'))
        return 0;
    bool added = false;
    if (!ProjectFile::append(path, QStringLiteral("/fuzz/added.htm"), &added, &reason))
        std::abort();
    QStringList back;
    if (!ProjectFile::read(path, &back, &reason) ||
        (!markedTwice && back.mid(0, entries.size()) != entries))
        std::abort();
    return 0;
}
