#include "helpers/document/documentcode.h"

#include <QtTest>

Q_DECLARE_METATYPE(BodyFields)

// The document helper's BODY tag as data, and reading one back.
class TestDocumentCode : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void build_data()
    {
        QTest::addColumn<BodyFields>("fields");
        QTest::addColumn<QString>("code");
        QTest::newRow("no options") << BodyFields() << "<BODY>";
        BodyFields f;
        f.back = 0xFFFFFF;
        QTest::newRow("back white") << f << "<BODY bgcolor=\"#FFFFFF\">";
        f.useNames = true;
        QTest::newRow("back white by name") << f << "<BODY bgcolor=\"White\">";
        f = BodyFields();
        f.text = 0x000080;
        QTest::newRow("text") << f << "<BODY text=\"#000080\">";
        f = BodyFields();
        f.link = 0xFF00FF;
        f.useNames = true;
        QTest::newRow("first name wins") << f << "<BODY link=\"Fuchsia\">";
        f = BodyFields();
        f.alink = 0x123456;
        f.useNames = true;
        QTest::newRow("no name: hex") << f << "<BODY alink=\"#123456\">";
        f = BodyFields();
        f.vlink = 0xFF0000;
        QTest::newRow("vlink") << f << "<BODY vlink=\"#FF0000\">";
        f = BodyFields();
        f.background = QStringLiteral("img/tile%20one.gif");
        QTest::newRow("background") << f << "<BODY background=\"img/tile%20one.gif\">";
        f.back = 0xFFFFFF;
        f.text = 0x000000;
        f.link = 0x0000FF;
        f.alink = 0xFFFFFF;
        f.vlink = 0xFF0000;
        QTest::newRow("all together, in order")
            << f
            << "<BODY background=\"img/tile%20one.gif\" bgcolor=\"#FFFFFF\" text=\"#000000\" "
               "link=\"#0000FF\" alink=\"#FFFFFF\" vlink=\"#FF0000\">";
        f.useNames = true;
        QTest::newRow("all together, use names")
            << f
            << "<BODY background=\"img/tile%20one.gif\" bgcolor=\"White\" text=\"Black\" "
               "link=\"Blue\" alink=\"White\" vlink=\"Red\">";
    }

    void build()
    {
        QFETCH(BodyFields, fields);
        QFETCH(QString, code);
        QCOMPARE(DocumentCode::build(fields), code);
        const auto tag = TagReading::parseWhole(code);
        QVERIFY(tag);
        const auto read = DocumentCode::read(*tag);
        QVERIFY(read);
        QCOMPARE(DocumentCode::build(*read), code);
    }

    void readKeepsWhatThePanelDoesNotKnow()
    {
        const auto tag = TagReading::parseWhole(QStringLiteral(
            "<body onload=\"init()\" BGCOLOR=\"#ffcc00\" link=rebeccapurple text=navy class=x>"));
        QVERIFY(tag);
        const auto f = DocumentCode::read(*tag);
        QVERIFY(f);
        QCOMPARE(f->back, std::optional<std::uint32_t>(0xFFCC00));
        QCOMPARE(f->text, std::optional<std::uint32_t>(0x000080));
        QVERIFY(!f->link);
        QVERIFY(f->useNames); // "navy" was written by name
        // Each colour keeps the form it was written in while it still means that colour.
        QCOMPARE(DocumentCode::build(*f),
                 QStringLiteral("<BODY bgcolor=\"#ffcc00\" text=\"navy\" onload=\"init()\" class=x "
                                "link=rebeccapurple>"));
        BodyFields changed = *f;
        changed.back = 0xFFFFFF;
        QCOMPARE(DocumentCode::build(changed),
                 QStringLiteral("<BODY bgcolor=\"White\" text=\"navy\" onload=\"init()\" class=x "
                                "link=rebeccapurple>"));
    }

    void readsOnlyBodyTags()
    {
        const auto tag = TagReading::parseWhole(QStringLiteral("<IMG src=\"a.gif\">"));
        QVERIFY(tag);
        QVERIFY(!DocumentCode::read(*tag));
    }
};

QTEST_GUILESS_MAIN(TestDocumentCode)
#include "tst_documentcode.moc"
