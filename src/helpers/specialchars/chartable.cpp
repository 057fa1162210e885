#include "helpers/specialchars/chartable.h"

#include "helpers/frame/textlines.h"

namespace CharTable {

Cell Cell::of(const QString &line)
{
    const qsizetype at = line.indexOf(QStringLiteral(".."));
    if (at < 0)
        return {line, line};
    return {line.left(at), line.mid(at + 2)};
}

Table fromLines(const QStringList &lines)
{
    Table table;
    table.special.resize(SpecialCells);
    table.extended.resize(ExtendedCells);
    const qsizetype count = std::min<qsizetype>(lines.size(), SpecialCells + ExtendedCells);
    for (qsizetype i = 0; i < count; ++i) {
        if (i < SpecialCells)
            table.special[i] = Cell::of(lines.at(i));
        else
            table.extended[i - SpecialCells] = Cell::of(lines.at(i));
    }
    return table;
}

bool read(const QString &path, Table *table, QString *reason)
{
    TextLines::Text text;
    const TextLines::ReadResult result = TextLines::read(path, &text, reason);
    *table = fromLines(text.lines);
    return result != TextLines::ReadResult::Failed;
}

} // namespace CharTable
