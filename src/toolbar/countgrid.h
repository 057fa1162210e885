#pragma once

#include <QString>

// The grid of the quick table and list pickers: how many columns and rows it shows while the
// pointer tells how large a table or list to build. It keeps one spare column and row beyond
// the pointer, growing and shrinking one step per move, and never shows fewer than three
// columns (one for a list) and three rows.
class CountGrid
{
public:
    enum class Mode { Table, Unordered, Ordered, Definition };

    explicit CountGrid(Mode mode = Mode::Table);

    Mode mode() const { return m_mode; }
    bool isTable() const { return m_mode == Mode::Table; }
    int columns() const { return m_columns; }
    int rows() const { return m_rows; }
    // The label before the pointer reaches a cell, and while it points at row, column
    // (both counted from 1).
    QString startLabel() const;
    QString label(int row, int column) const;
    // One step towards the cell the pointer is on.
    void follow(int row, int column);

private:
    Mode m_mode;
    int m_columns;
    int m_rows;
};
