#include "colours/namedcolours.h"

#include <QSet>
#include <QtTest>

class TestNamedColours : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tableHoldsTheNamesInGridOrder()
    {
        const auto rows = NamedColours::rows();
        QCOMPARE(rows.size(), std::size_t(140));
        QCOMPARE(QLatin1String(rows.front().name), QLatin1String("Black"));
        QCOMPARE(QLatin1String(rows[33].name), QLatin1String("Magenta"));
        QCOMPARE(QLatin1String(rows.back().name), QLatin1String("White"));
        QSet<QString> names;
        for (const auto &row : rows)
            names.insert(QString::fromLatin1(row.name).toLower());
        QCOMPARE(names.size(), 140);
    }

    void firstNameWins_data()
    {
        QTest::addColumn<uint>("rgb");
        QTest::addColumn<QString>("name");
        QTest::newRow("fuchsia before magenta") << 0xFF00FFu << "Fuchsia";
        QTest::newRow("aqua before cyan") << 0x00FFFFu << "Aqua";
        QTest::newRow("last row") << 0xFFFFFFu << "White";
        QTest::newRow("no name") << 0x123456u << "";
    }
    void firstNameWins()
    {
        QFETCH(uint, rgb);
        QFETCH(QString, name);
        QCOMPARE(NamedColours::nameOf(rgb), name);
    }

    void colourText_data()
    {
        QTest::addColumn<uint>("rgb");
        QTest::addColumn<bool>("useNames");
        QTest::addColumn<QString>("text");
        QTest::newRow("hex, upper case") << 0x00ABCDu << false << "#00ABCD";
        QTest::newRow("named colour as hex") << 0xFFFFFFu << false << "#FFFFFF";
        QTest::newRow("use names") << 0xFFFFFFu << true << "White";
        QTest::newRow("use names, no name") << 0x00ABCDu << true << "#00ABCD";
    }
    void colourText()
    {
        QFETCH(uint, rgb);
        QFETCH(bool, useNames);
        QFETCH(QString, text);
        QCOMPARE(NamedColours::colourText(rgb, useNames), text);
    }

    void parsesWhatPagesHold_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("rgb"); // -1: not a colour
        QTest::newRow("hex") << "#FFC0CB" << 0xFFC0CB;
        QTest::newRow("lower-case hex") << "#ffc0cb" << 0xFFC0CB;
        QTest::newRow("hex without #") << "ffc0cb" << 0xFFC0CB;
        QTest::newRow("name in any case") << " navy " << 0x000080;
        QTest::newRow("second name of a value") << "Magenta" << 0xFF00FF;
        QTest::newRow("short hex") << "#FFF" << -1;
        QTest::newRow("not hex") << "#GGGGGG" << -1;
        QTest::newRow("unknown name") << "Rebeccapurple" << -1;
    }
    void parsesWhatPagesHold()
    {
        QFETCH(QString, text);
        QFETCH(int, rgb);
        const auto parsed = NamedColours::parseColourText(text);
        QCOMPARE(parsed.has_value(), rgb >= 0);
        if (parsed)
            QCOMPARE(int(*parsed), rgb);
    }

    // Six blocks of 6 by 6, one per red value; inside a block green goes down the rows and
    // blue along the columns.
    void webSafeGridOrder()
    {
        QCOMPARE(WebSafe::colourAt(0, 0), 0x000000u);
        QCOMPARE(WebSafe::colourAt(0, 5), 0x0000FFu);
        QCOMPARE(WebSafe::colourAt(5, 0), 0x00FF00u);
        QCOMPARE(WebSafe::colourAt(0, 6), 0x330000u);
        QCOMPARE(WebSafe::colourAt(0, 12), 0x660000u);
        QCOMPARE(WebSafe::colourAt(6, 0), 0x990000u);
        QCOMPARE(WebSafe::colourAt(6, 6), 0xCC0000u);
        QCOMPARE(WebSafe::colourAt(11, 17), 0xFFFFFFu);
        QCOMPARE(WebSafe::colourAt(6, 17), 0xFF00FFu);
        QSet<uint> all;
        for (int r = 0; r < WebSafe::Rows; ++r)
            for (int c = 0; c < WebSafe::Columns; ++c)
                all.insert(WebSafe::colourAt(r, c));
        QCOMPARE(all.size(), 216);
    }
};

QTEST_GUILESS_MAIN(TestNamedColours)
#include "tst_namedcolours.moc"
