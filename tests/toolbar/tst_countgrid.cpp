#include "toolbar/countgrid.h"

#include <QtTest>

// The grid of the quick table and list pickers follows the pointer one step per move.
class TestCountGrid : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tableGridKeepsOneSpareColumnAndRow()
    {
        CountGrid grid(CountGrid::Mode::Table);
        QCOMPARE(grid.startLabel(), QString("0 \u00D7 0"));
        QCOMPARE(grid.label(2, 4), QString("2 \u00D7 4"));
        QCOMPARE(std::pair(grid.columns(), grid.rows()), std::pair(3, 3));
        grid.follow(1, 3);
        grid.follow(1, 4);
        grid.follow(1, 5);
        QCOMPARE(grid.columns(), 6);
        grid.follow(3, 5);
        QCOMPARE(grid.rows(), 4);
        // Back to the first column: one column a move, down to three.
        QList<int> columns;
        for (int i = 0; i < 5; ++i) {
            grid.follow(1, 1);
            columns << grid.columns();
        }
        QCOMPARE(columns, (QList<int>{5, 4, 3, 3, 3}));
        grid.follow(1, 1);
        QCOMPARE(grid.rows(), 3);
    }

    void listGridsStayOneColumnWide_data()
    {
        QTest::addColumn<CountGrid::Mode>("mode");
        QTest::newRow("unordered") << CountGrid::Mode::Unordered;
        QTest::newRow("ordered") << CountGrid::Mode::Ordered;
        QTest::newRow("definition") << CountGrid::Mode::Definition;
    }
    void listGridsStayOneColumnWide()
    {
        QFETCH(CountGrid::Mode, mode);
        CountGrid grid(mode);
        QCOMPARE(grid.startLabel(), QString("0"));
        QCOMPARE(grid.label(7, 1), QString("7"));
        for (int row = 1; row <= 6; ++row)
            grid.follow(row, 1);
        QCOMPARE(std::pair(grid.columns(), grid.rows()), std::pair(1, 7));
    }
};

QTEST_GUILESS_MAIN(TestCountGrid)
#include "tst_countgrid.moc"
