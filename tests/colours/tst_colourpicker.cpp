// The colour picker as a user works it: the palette menu, a grid shown at the mouse, hover
// labels, a click on a cell, and the system dialog.
#include "colours/colourpicker.h"

#include <QLabel>
#include <QMenu>
#include <QtTest>

class TestColourPicker : public QObject
{
    Q_OBJECT

    static void chooseMenuEntry(QMenu *menu, const QString &text)
    {
        QTRY_VERIFY(menu->isVisible());
        for (QAction *a : menu->actions())
            if (a->text() == text) {
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
                return;
            }
        QFAIL(qPrintable(text));
    }

private Q_SLOTS:
    void safePaletteGridChoosesIntoTheTarget()
    {
        QWidget owner;
        owner.resize(300, 300);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        ColourPicker picker(&owner);
        QList<std::uint32_t> chosen;
        picker.popup(owner.mapToGlobal(QPoint(10, 10)), [&](std::uint32_t c) { chosen << c; });
        QCOMPARE(picker.menu()->actions().size(), 3);
        chooseMenuEntry(picker.menu(), QStringLiteral("Safe Browser Palette"));
        PaletteGrid *grid = picker.grid(PaletteGrid::Kind::WebSafe);
        QTRY_VERIFY(grid->isVisible());
        QVERIFY(grid->isFilled());

        // FF00FF: red block 5 (rows 6-11, columns 12-17), green 00 (row 6), blue FF (col 17).
        const QPoint cell = grid->cellRect(6, 17).center();
        QTest::mouseMove(grid, cell);
        QTRY_COMPARE(grid->hexLabel()->text(), QStringLiteral(" #FF00FF"));
        QCOMPARE(grid->nameLabel()->text(), QStringLiteral("Fuchsia"));
        QTest::mouseClick(grid, Qt::LeftButton, {}, cell);
        QCOMPARE(chosen, QList<std::uint32_t>{0xFF00FF});
        QVERIFY(!grid->isVisible());
    }

    void namesGridShowsEachCellsOwnName()
    {
        QWidget owner;
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        ColourPicker picker(&owner);
        PaletteGrid *grid = picker.grid(PaletteGrid::Kind::Names);
        QVERIFY(!grid->isFilled()); // filled on first show
        std::uint32_t got = 0;
        picker.popup(owner.mapToGlobal(QPoint(5, 5)), [&](std::uint32_t c) { got = c; });
        chooseMenuEntry(picker.menu(), QStringLiteral("Distinct Names Palette"));
        QTRY_VERIFY(grid->isVisible());
        // Magenta is the 34th name: row 2, column 5 of 14 columns.
        QTest::mouseMove(grid, grid->cellRect(2, 5).center());
        QTRY_COMPARE(grid->nameLabel()->text(), QStringLiteral("Magenta"));
        // A right-button press only hides the grid; a click on a label too.
        QTest::mousePress(grid, Qt::RightButton, {}, grid->cellRect(0, 0).center());
        QVERIFY(!grid->isVisible());
        QCOMPARE(got, 0u);
        picker.showGrid(PaletteGrid::Kind::Names);
        QTRY_VERIFY(grid->isVisible());
        QTest::mouseClick(grid->hexLabel(), Qt::LeftButton);
        QVERIFY(!grid->isVisible());
        QCOMPARE(got, 0u);
    }

    void systemDialogColourGoesToTheTarget()
    {
        QWidget owner;
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        ColourPicker picker(&owner);
        QColor asked;
        picker.setSystemDialog([&](QWidget *, QColor initial) -> std::optional<QColor> {
            asked = initial;
            return QColor(0x12, 0x34, 0x56);
        });
        std::uint32_t got = 0;
        picker.popup(
            owner.mapToGlobal(QPoint(5, 5)), [&](std::uint32_t c) { got = c; }, QColor(Qt::red));
        chooseMenuEntry(picker.menu(), QStringLiteral("Windows Palette"));
        QTRY_COMPARE(got, 0x123456u);
        QCOMPARE(asked, QColor(Qt::red));
        // Cancelled: nothing is delivered.
        got = 0;
        picker.setSystemDialog([](QWidget *, QColor) { return std::optional<QColor>(); });
        picker.showSystemDialog();
        QCOMPARE(got, 0u);
    }
};

QTEST_MAIN(TestColourPicker)
#include "tst_colourpicker.moc"
