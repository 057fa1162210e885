#include "toolbar/countgrid.h"

CountGrid::CountGrid(Mode mode) : m_mode(mode), m_columns(mode == Mode::Table ? 3 : 1), m_rows(3) {}

QString CountGrid::startLabel() const
{
    return isTable() ? QStringLiteral("0 \u00D7 0") : QStringLiteral("0");
}

QString CountGrid::label(int row, int column) const
{
    return isTable() ? QStringLiteral("%1 \u00D7 %2").arg(row).arg(column) : QString::number(row);
}

void CountGrid::follow(int row, int column)
{
    if (isTable()) {
        if (column >= m_columns)
            ++m_columns;
        else if (column <= m_columns - 2 && m_columns > 3)
            --m_columns;
    }
    if (row >= m_rows)
        ++m_rows;
    else if (row <= m_rows - 2 && m_rows > 3)
        --m_rows;
}
