#pragma once

#include "toolbar/countgrid.h"

#include <QFrame>

class QLabel;

// The drop-down grid of the quick table and list pickers: the user points at the size and
// clicks. A pop-up, so that a click anywhere else, a key or a menu hides it.
class CountPicker : public QFrame
{
    Q_OBJECT

public:
    static constexpr int Step = 11;     // a 10-pixel cell and its line
    static constexpr int ListStep = 21; // lists show one wider column

    explicit CountPicker(QWidget *parent);

    // Shows the picker for a mode with its top-left corner at a global position.
    void open(CountGrid::Mode mode, const QPoint &globalTopLeft);
    const CountGrid &grid() const { return m_grid; }
    QLabel *label() const { return m_label; }
    // Where a cell lies (row and column from 1), in the picker's coordinates.
    QRect cellRect(int row, int column) const;

Q_SIGNALS:
    // A click on a cell: rows and columns (1 for a list).
    void chosen(CountGrid::Mode mode, int rows, int columns);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    int columnStep() const { return m_grid.isTable() ? Step : ListStep; }
    // The cell under a point; row and column 0 when there is none.
    QPoint cellAt(const QPoint &pos) const;
    void fit();

    CountGrid m_grid;
    QLabel *m_label;
    int m_row = 0;
    int m_column = 0;
};
