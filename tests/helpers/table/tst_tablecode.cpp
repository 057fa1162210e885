#include "helpers/table/tablecode.h"

#include <QtTest>

Q_DECLARE_METATYPE(TableFields)

// The table helper's parts in its three modes, the size checks, and reading tags back.
class TestTableCode : public QObject
{
    Q_OBJECT

    static TableFields mode(TableMode m)
    {
        TableFields f;
        f.mode = m;
        if (m != TableMode::Table)
            f.borderCol = f.spaceRow = 0;
        return f;
    }

private Q_SLOTS:
    void build_data()
    {
        QTest::addColumn<TableFields>("fields");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");

        TableFields t = mode(TableMode::Table);
        t.width = QStringLiteral("50");
        t.widthPercent = true;
        t.height = QStringLiteral("20");
        t.spaceRow = 0;
        t.items = 2;
        t.colour = 0xFF00FF;
        t.useNames = true;
        t.valign = QStringLiteral("top");
        t.align = QStringLiteral("right");
        t.captionNowrap = true;
        QTest::newRow("table with everything")
            << t
            << "<TABLE width=\"50%\" height=\"20\" bgcolor=\"Fuchsia\" align=\"right\" "
               "valign=\"top\" cellspacing=\"0\" border=\"1\">\n<CAPTION></CAPTION>\n"
            << "\n</TABLE>";

        TableFields r = mode(TableMode::Row);
        r.items = 2;
        r.align = QStringLiteral("center");
        QTest::newRow("two rows") << r << "<TR align=\"center\">\n"
                                  << "\n</TR>\n<TR align=\"center\">\n\n</TR>";

        TableFields c = mode(TableMode::Cell);
        c.borderCol = 2;
        c.spaceRow = 3;
        c.width = QStringLiteral("40");
        c.captionNowrap = true;
        c.endTd = false;
        c.valign = QStringLiteral("baseline");
        QTest::newRow("one cell with spans")
            << c << "<TD width=\"40\" colspan=\"2\" rowspan=\"3\" valign=\"baseline\" nowrap>"
            << QString();
    }
    void build()
    {
        QFETCH(TableFields, fields);
        const std::optional<TableParts> parts = TableCode::build(fields);
        QVERIFY(parts);
        QTEST(parts->start, "start");
        QTEST(parts->end, "end");
    }

    void noItemsNoCode()
    {
        TableFields f = mode(TableMode::Row);
        f.items = 0;
        QVERIFY(!TableCode::build(f));
        f.mode = TableMode::Cell;
        QVERIFY(!TableCode::build(f));
    }

    void sizeChecks()
    {
        const QString w = QStringLiteral("Width");
        QCOMPARE(TableCode::sizeProblem(w, QString(), true), QString());
        QCOMPARE(TableCode::sizeProblem(w, QStringLiteral("100"), true), QString());
        QCOMPARE(TableCode::sizeProblem(w, QStringLiteral("0"), true),
                 QStringLiteral("Width cannot be less than 1%"));
        QCOMPARE(TableCode::sizeProblem(w, QStringLiteral("150"), false), QString());
        QCOMPARE(TableCode::sizeProblem(w, QStringLiteral("9999"), false), QString());
        QCOMPARE(TableCode::sizeProblem(w, QStringLiteral("10000"), false),
                 QStringLiteral("Width cannot exceed 9999"));
        QCOMPARE(TableCode::sizeProblem(w, QStringLiteral("99999999999"), false),
                 QStringLiteral("Width cannot exceed 9999"));
    }

    void readBack()
    {
        auto read = [](const char *tag) {
            const std::optional<FoundTag> t = TagReading::parseWhole(QString::fromUtf8(tag));
            return t ? TableCode::read(*t) : std::nullopt;
        };
        QVERIFY(!read("<TH>"));

        std::optional<TableFields> f =
            read("<table width=\"80%\" border=\"0\" cellspacing=5 bgcolor=\"navy\" id=\"t\">");
        QVERIFY(f);
        QCOMPARE(f->mode, TableMode::Table);
        QCOMPARE(f->width, QStringLiteral("80"));
        QVERIFY(f->widthPercent);
        QCOMPARE(f->spaceRow, 5);
        QVERIFY(f->useNames);
        QCOMPARE(TableCode::build(*f)->tag,
                 QStringLiteral("<TABLE width=\"80%\" bgcolor=\"Navy\" cellspacing=\"5\" "
                                "border=\"0\" id=\"t\">"));

        // What the fields cannot hold stays as written.
        f = read("<td width=\"wide\" colspan=\"2\" align=\"justify\" valign=top nowrap>");
        QVERIFY(f);
        QCOMPARE(f->mode, TableMode::Cell);
        QCOMPARE(TableCode::build(*f)->tag,
                 QStringLiteral("<TD colspan=\"2\" valign=\"top\" nowrap width=\"wide\" "
                                "align=\"justify\">"));

        f = read("<TR align=left bgcolor=\"#123456\">");
        QVERIFY(f);
        QCOMPARE(f->mode, TableMode::Row);
        QCOMPARE(TableCode::build(*f)->tag,
                 QStringLiteral("<TR align=\"left\" bgcolor=\"#123456\">"));
    }
};

QTEST_MAIN(TestTableCode)
#include "tst_tablecode.moc"
