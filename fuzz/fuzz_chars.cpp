// libFuzzer target: the character table library/chars, read by Remove Tags and by the special
// characters panel, and Remove Tags itself over the same bytes taken as a page.
#include "editor/cp1252.h"
#include "helpers/specialchars/chartable.h"
#include "markup/tagremoval.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("chars"));
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(input);
    }
    const QStringList table = TagRemoval::readCharTable(path);
    const QString page = Cp1252::decode(input);
    const QString plain = TagRemoval::removeTags(page, table);
    // With no table, only tags go: the text never grows.
    if (TagRemoval::removeTags(page, {}).size() > page.size())
        std::abort();
    (void)plain;
    // The panel's grids always have all their cells, whatever the file holds.
    CharTable::Table cells;
    QString reason;
    CharTable::read(path, &cells, &reason);
    if (cells.special.size() != CharTable::SpecialCells ||
        cells.extended.size() != CharTable::ExtendedCells)
        std::abort();
    return 0;
}
