// libFuzzer target: the user tag lists tags.dat, fillers.dat and library.dat, read, saved
// again and read back, with the entries split as each list splits them.
#include "helpers/usertags/taglibrary.h"
#include "helpers/usertags/taglistfile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

QStringList trimmed(QStringList entries)
{
    while (!entries.isEmpty() && entries.back().isEmpty())
        entries.removeLast();
    return entries;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("library.dat"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    TagListFile list(path);
    QString reason;
    if (!list.load(&reason))
        return 0;
    QStringList entries = list.entries();
    if (entries.size() < TagListFile::Rows)
        std::abort();
    const TagLibrary library(dir.path());
    for (const QString &entry : entries) {
        // A library line written back reads as the same item and description.
        const LibraryLine line = LibraryLine::of(entry);
        const LibraryLine again = LibraryLine::of(line.text());
        if (again.item != line.item || again.description != line.description)
            std::abort();
        // Only plain numbers name a file, and always one inside the folder.
        const QString item = library.itemPath(line.item);
        if (!item.isEmpty() && item != dir.filePath(line.item))
            std::abort();
        const BlockParts parts = BlockParts::of(entry);
        if (parts.start.size() + parts.end.size() > entry.size())
            std::abort();
    }
    // An edited list saved and read again holds what was saved.
    entries[0] += QStringLiteral("x");
    if (!list.save(entries, &reason))
        return 0;
    TagListFile reread(path);
    if (!reread.load(&reason) || trimmed(reread.entries()) != trimmed(entries))
        std::abort();
    return 0;
}
