#include "colours/colourpicker.h"
#include "colours/namedcolours.h"
#include "commands/commandids.h"
#include "documents/documentregistry.h"
#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "framedriver.h"
#include "frametestbase.h"
#include "toolbar/countpicker.h"
#include "toolbar/examplepickers.h"
#include "toolbar/speedbar.h"

#include <Qsci/qsciscintilla.h>

#include <QLabel>
#include <QMenu>
#include <QWindow>
#include <QtTest>

// The pick-by-example pickers driven by the mouse on the shown main frame.
class TestExamplePickers : public FrameTestBase
{
    Q_OBJECT

    std::unique_ptr<MainFrame> m_frame;
    DocumentWindow *m_doc = nullptr;

    QString text() const { return QString::fromUtf8(m_doc->editor().bytes()); }
    SpeedButton *item(const char *name, QPoint at = {})
    {
        SpeedBar &bar = drive(m_frame).speedBar();
        if (!at.isNull())
            bar.placeItem(name, at);
        SpeedButton *b = bar.button(name);
        return b && b->isVisible() ? b : nullptr;
    }
    // The offscreen platform puts a new window's content inside a pretend frame the first
    // time it is shown; a real pop-up has none.
    static bool placedAt(QWidget *popup, const QPoint &expected)
    {
        const QMargins frame = popup->windowHandle()->frameMargins();
        const QPoint off = popup->pos() - expected;
        const bool ok =
            (off.x() == 0 || off.x() == frame.left()) && (off.y() == 0 || off.y() == frame.top());
        if (!ok)
            qWarning() << popup->pos() << "expected" << expected;
        return ok;
    }
    static void pointAt(CountPicker *picker, int row, int column)
    {
        QTest::mouseMove(picker, picker->cellRect(row, column).center());
    }
    void chooseMenuEntry(QMenu *menu, const QString &text)
    {
        QTRY_VERIFY(menu->isVisible());
        for (QAction *a : menu->actions())
            if (a->text() == text) {
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
                return;
            }
        QFAIL(qPrintable("no entry " + text));
    }
    static QPoint cellOf(PaletteGrid *grid, std::uint32_t rgb, int nth = 0)
    {
        for (int r = 0; r < grid->rows(); ++r)
            for (int c = 0; c < grid->columns(); ++c)
                if (grid->colourAt(r, c) == rgb && nth-- == 0)
                    return grid->cellRect(r, c).center();
        return {};
    }
    PaletteGrid *openPalette(const char *itemName, const QString &entry)
    {
        SpeedButton *button = item(itemName);
        if (!button)
            return nullptr;
        QTest::mouseClick(button, Qt::LeftButton);
        chooseMenuEntry(drive(m_frame).pickers().paletteMenu(), entry);
        ExamplePickers &p = drive(m_frame).pickers();
        PaletteGrid *grid = entry.startsWith("Safe") ? p.safePalette() : p.namesPalette();
        return grid->isVisible() ? grid : nullptr;
    }

private Q_SLOTS:
    void init()
    {
        resetHome();
        m_frame = startFrame();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
        m_doc = drive(m_frame).documents().active();
        QVERIFY(m_doc);
    }
    void cleanup()
    {
        m_frame.reset();
        m_doc = nullptr;
    }

    void tablePickerFollowsThePointerAndInsertsThatTable()
    {
        SpeedButton *button = item("SpeedItem156");
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
        CountPicker *picker = drive(m_frame).pickers().countPicker();
        QVERIFY(picker->isVisible());
        QCOMPARE(picker->label()->text(), QString("0 \u00D7 0"));
        QVERIFY(placedAt(picker, button->mapToGlobal(QPoint(0, 25))));
        for (int column = 1; column <= 4; ++column)
            pointAt(picker, 2, column);
        QCOMPARE(picker->label()->text(), QString("2 \u00D7 4"));
        QCOMPARE(picker->grid().columns(), 5);
        QTest::mouseClick(picker, Qt::LeftButton, {}, picker->cellRect(2, 4).center());
        QVERIFY(!picker->isVisible());
        const QString table = text();
        QCOMPARE(table.count("<TR"), 2);
        QCOMPARE(table.count("<TD"), 8);
        QVERIFY(table.startsWith("<TABLE"));

        // Back to the first column, one step a move, never below three columns.
        QTest::mouseClick(button, Qt::LeftButton);
        for (int column = 1; column <= 5; ++column)
            pointAt(picker, 1, column);
        QCOMPARE(picker->grid().columns(), 6);
        for (int column = 5; column >= 1; --column)
            pointAt(picker, 1, column);
        QCOMPARE(picker->grid().columns(), 3);
        // Far off to the right, the picker gives up.
        QTest::mouseMove(picker, QPoint(picker->width() + 16, 5));
        QVERIFY(!picker->isVisible());
    }

    void listPickersInsertTheirListsAndStayInsideTheFrame()
    {
        SpeedButton *ordered = item("SpeedItem158", QPoint(SpeedLayout::Offset, 3));
        QVERIFY(ordered);
        QTest::mouseClick(ordered, Qt::LeftButton);
        CountPicker *picker = drive(m_frame).pickers().countPicker();
        QCOMPARE(picker->label()->text(), QString("0"));
        for (int row = 1; row <= 3; ++row)
            pointAt(picker, row, 1);
        QCOMPARE(picker->label()->text(), QString("3"));
        QTest::mouseClick(picker, Qt::LeftButton, {}, picker->cellRect(3, 1).center());
        QCOMPARE(text().count("<LI>"), 3);
        QVERIFY(text().startsWith("<OL"));

        // An item near the right edge opens its picker inside the frame.
        SpeedButton *table = item("SpeedItem156");
        m_frame->resize(table->mapTo(m_frame.get(), QPoint(40, 0)).x(), 400);
        QTRY_COMPARE(m_frame->width(), table->mapTo(m_frame.get(), QPoint(40, 0)).x());
        QTest::mouseClick(table, Qt::LeftButton);
        QVERIFY(picker->isVisible());
        QVERIFY(placedAt(picker, QPoint(m_frame->mapToGlobal(QPoint(m_frame->width() - 15, 0)).x() -
                                            picker->width(),
                                        picker->y())));
        QTest::keyClick(picker, Qt::Key_Escape);
        QVERIFY(!picker->isVisible());
    }

    void safePaletteInsertsHexAndWithShiftTheName()
    {
        PaletteGrid *grid = openPalette("SpeedItem164", "Safe Browser Palette");
        if (!grid) {
            item("SpeedItem164", QPoint(SpeedLayout::Offset, 3));
            grid = openPalette("SpeedItem164", "Safe Browser Palette");
        }
        QVERIFY(grid);
        const QPoint magenta = cellOf(grid, 0xFF00FF);
        QTest::mouseMove(grid, magenta);
        QCOMPARE(grid->hexLabel()->text(), QString(" #FF00FF"));
        QCOMPARE(grid->nameLabel()->text(), QString("Fuchsia"));
        QTest::mouseClick(grid, Qt::LeftButton, {}, magenta);
        QCOMPARE(text(), QString("#FF00FF"));
        QVERIFY(!grid->isVisible());

        grid = openPalette("SpeedItem164", "Safe Browser Palette");
        QTest::mouseClick(grid, Qt::LeftButton, Qt::ShiftModifier, magenta);
        QCOMPARE(text(), QString("#FF00FFFuchsia"));
        // A colour without a name stays hex, Shift or not.
        grid = openPalette("SpeedItem164", "Safe Browser Palette");
        QTest::mouseClick(grid, Qt::LeftButton, Qt::ShiftModifier, cellOf(grid, 0x336699));
        QCOMPARE(text(), QString("#FF00FFFuchsia#336699"));
    }

    void namesPaletteFollowsDefNamesAndAltInverts()
    {
        m_settings->write(Keys::DefNames, true);
        SpeedButton *button = item("SpeedItem165", QPoint(SpeedLayout::Offset, 3));
        QVERIFY(button);
        PaletteGrid *grid = openPalette("SpeedItem165", "Distinct Names Palette");
        QVERIFY(grid);
        QTest::mouseClick(grid, Qt::LeftButton, {}, cellOf(grid, 0x000080));
        QCOMPARE(text(), QString("Navy"));
        grid = openPalette("SpeedItem165", "Distinct Names Palette");
        QTest::mouseClick(grid, Qt::LeftButton, Qt::AltModifier, cellOf(grid, 0x000080));
        QCOMPARE(text(), QString("Navy#000080"));
        // The names grid's own cell name: the second FF00FF cell is Magenta.
        grid = openPalette("SpeedItem165", "Distinct Names Palette");
        QTest::mouseClick(grid, Qt::LeftButton, {}, cellOf(grid, 0xFF00FF, 1));
        QCOMPARE(text(), QString("Navy#000080Magenta"));
    }

    void systemPaletteInsertsHexEvenWithAltForAnUnnamedColour()
    {
        SpeedButton *button = item("SpeedItem165", QPoint(SpeedLayout::Offset, 3));
        QVERIFY(button);
        QColor answer(0x12, 0x34, 0x56);
        drive(m_frame).pickers().setSystemDialog([&answer](QWidget *) { return answer; });
        QTest::mouseClick(button, Qt::LeftButton);
        chooseMenuEntry(drive(m_frame).pickers().paletteMenu(), "Windows Palette");
        QTRY_COMPARE(text(), QString("#123456"));
    }

    void paletteNearTheRightEdgeEndsInsideTheFrame()
    {
        SpeedButton *button = item("SpeedItem165", QPoint(400, 3));
        QVERIFY(button);
        m_frame->resize(button->mapTo(m_frame.get(), QPoint(40, 0)).x(), 500);
        QTRY_COMPARE(m_frame->width(), button->mapTo(m_frame.get(), QPoint(40, 0)).x());
        PaletteGrid *grid = openPalette("SpeedItem165", "Safe Browser Palette");
        QVERIFY(grid);
        QVERIFY(placedAt(
            grid, QPoint(m_frame->mapToGlobal(QPoint(m_frame->width() - 15, 0)).x() - grid->width(),
                         grid->y())));
    }

    void pickersWithoutADocumentInsertNothing()
    {
        m_doc->parentWidget()->close();
        QTRY_VERIFY(drive(m_frame).documents().documents().isEmpty());
        SpeedButton *button = item("SpeedItem156");
        QTest::mouseClick(button, Qt::LeftButton);
        CountPicker *picker = drive(m_frame).pickers().countPicker();
        QVERIFY(picker->isVisible());
        QTest::mouseClick(picker, Qt::LeftButton, {}, picker->cellRect(1, 1).center());
        QVERIFY(!picker->isVisible());
        QVERIFY(drive(m_frame).documents().documents().isEmpty());
    }
};

QTEST_MAIN(TestExamplePickers)
#include "tst_examplepickers.moc"
