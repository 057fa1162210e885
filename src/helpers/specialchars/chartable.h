#pragma once

#include <QList>
#include <QString>

// The character table library/chars as the special characters panel shows it. Each line is
// the text shown in a cell, "..", and the code the cell inserts; the first 36 lines fill the
// special grid row by row, the next 64 the extended grid. A shorter file leaves the remaining
// cells empty; lines past the hundredth are not read.
namespace CharTable {

inline constexpr int SpecialColumns = 9;
inline constexpr int SpecialRows = 4;
inline constexpr int ExtendedColumns = 8;
inline constexpr int ExtendedRows = 8;
inline constexpr int SpecialCells = SpecialColumns * SpecialRows;
inline constexpr int ExtendedCells = ExtendedColumns * ExtendedRows;

struct Cell
{
    QString shown;
    QString code;
    // A line without ".." is a character that stands for itself.
    static Cell of(const QString &line);
};

struct Table
{
    QList<Cell> special;  // SpecialCells, row by row
    QList<Cell> extended; // ExtendedCells, row by row
};

// The table of the file's lines, every cell there even when its line is not.
Table fromLines(const QStringList &lines);

// Reads the file. A missing file is an empty table; false with the reason for one that cannot
// be read, which leaves the table empty too.
bool read(const QString &path, Table *table, QString *reason);

} // namespace CharTable
