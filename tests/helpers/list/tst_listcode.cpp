#include "helpers/list/listcode.h"

#include <QtTest>

Q_DECLARE_METATYPE(ListFields)

// The list helper's parts for whole lists and lone items, and reading list tags back.
class TestListCode : public QObject
{
    Q_OBJECT

    static ListFields list(ListKind kind, const char *type, int items)
    {
        ListFields f;
        f.kind = kind;
        f.type = QLatin1String(type);
        f.items = items;
        return f;
    }

private Q_SLOTS:
    void build_data()
    {
        QTest::addColumn<ListFields>("fields");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");

        QTest::newRow("bullets") << list(ListKind::Bullet, "disc", 2)
                                 << QStringLiteral("<UL type=\"disc\">\n<LI>")
                                 << QStringLiteral("</LI>\n<LI></LI>\n</UL>");
        ListFields n = list(ListKind::Number, "I", 1);
        n.start = 5;
        n.compact = true;
        n.indent = 2;
        QTest::newRow("numbered, one item, indented")
            << n << QStringLiteral("<OL compact type=\"I\" start=5>\n\t\t<LI>")
            << QStringLiteral("</LI>\n</OL>");
        ListFields d = list(ListKind::Definition, "", 3);
        d.indent = 1;
        QTest::newRow("definitions ignore /LI")
            << d << QStringLiteral("<DL>\n\t<DT>")
            << QStringLiteral("<DD>\n\t<DT><DD>\n\t<DT><DD>\n</DL>");
        ListFields i = list(ListKind::None, "square", 2);
        i.mode = ListMode::Item;
        i.endLi = false;
        i.indent = 3; // lone items take no indent
        QTest::newRow("items") << i << QStringLiteral("<LI type=square>")
                               << QStringLiteral("\n<LI type=square>");
        ListFields di = list(ListKind::None, "definition", 2);
        di.mode = ListMode::Item;
        QTest::newRow("definition items")
            << di << QStringLiteral("<DT>") << QStringLiteral("<DD>\n<DT><DD>");
    }
    void build()
    {
        QFETCH(ListFields, fields);
        const std::optional<ListParts> parts = ListCode::build(fields);
        QVERIFY(parts);
        QTEST(parts->start, "start");
        QTEST(parts->end, "end");
    }

    void noKindBuildsNothing() { QVERIFY(!ListCode::build(list(ListKind::None, "", 2))); }

    void readBack()
    {
        auto read = [](const char *tag) {
            const std::optional<FoundTag> t = TagReading::parseWhole(QString::fromUtf8(tag));
            return t ? ListCode::read(*t) : std::nullopt;
        };
        QVERIFY(!read("<DT>"));

        std::optional<ListFields> f = read("<ol type=\"i\" start=\"3\" class=k>");
        QVERIFY(f);
        QCOMPARE(f->kind, ListKind::Number);
        QCOMPARE(f->type, QStringLiteral("i"));
        QCOMPARE(f->start, 3);
        QCOMPARE(ListCode::build(*f)->tag, QStringLiteral("<OL type=\"i\" start=3 class=k>"));

        // A type the kind does not have stays as written; a start that is no number goes.
        f = read("<ul compact type=\"A\">");
        QVERIFY(f);
        QCOMPARE(f->kind, ListKind::Bullet);
        QVERIFY(f->compact);
        QCOMPARE(ListCode::build(*f)->tag, QStringLiteral("<UL compact type=\"A\">"));
        f = read("<OL start=x>");
        QCOMPARE(ListCode::build(*f)->tag, QStringLiteral("<OL start=1>"));

        f = read("<li TYPE=Circle>");
        QVERIFY(f);
        QCOMPARE(f->mode, ListMode::Item);
        QCOMPARE(f->type, QStringLiteral("circle"));
        QCOMPARE(ListCode::build(*f)->tag, QStringLiteral("<LI type=circle>"));
    }
};

QTEST_MAIN(TestListCode)
#include "tst_listcode.moc"
