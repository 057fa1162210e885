#include "helpers/font/fontcode.h"

#include <QtTest>

Q_DECLARE_METATYPE(FontFields)

// The font helper's start tag, the face list it grows, and FONT tags read back.
class TestFontCode : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startTag_data()
    {
        QTest::addColumn<FontFields>("fields");
        QTest::addColumn<QString>("tag");
        QTest::newRow("nothing chosen") << FontFields() << QStringLiteral("<FONT>");
        FontFields empty;
        empty.faceOn = true;
        QTest::newRow("face on but empty") << empty << QStringLiteral("<FONT face=\"\">");
        FontFields all;
        all.faceOn = true;
        all.faces = QStringLiteral("Arial;Verdana");
        all.colourOn = true;
        all.rgb = 0xFF0000;
        all.useNames = true;
        all.size = 4;
        QTest::newRow("face, named colour and size")
            << all << QStringLiteral("<FONT face=\"Arial;Verdana\" color=\"Red\" size=4>");
        FontFields hex;
        hex.colourOn = true;
        hex.rgb = 0x123456;
        hex.useNames = true;
        hex.faces = QStringLiteral("left out while Face is off");
        QTest::newRow("colour without a name") << hex << QStringLiteral("<FONT color=\"#123456\">");
        FontFields quoted;
        quoted.faceOn = true;
        quoted.faces = QStringLiteral("My \"Font\"");
        QTest::newRow("a quote typed in the face list cannot end the value")
            << quoted << QStringLiteral("<FONT face='My \"Font\"'>");
    }
    void startTag()
    {
        QFETCH(FontFields, fields);
        QTEST(FontCode::startTag(fields), "tag");
    }

    void facesAreAppended()
    {
        QCOMPARE(FontCode::withFace(QString(), QStringLiteral("Arial")), QStringLiteral("Arial"));
        QCOMPARE(FontCode::withFace(QStringLiteral("Arial"), QStringLiteral("Verdana")),
                 QStringLiteral("Arial;Verdana"));
        QCOMPARE(
            FontCode::faceNames({QStringLiteral("DejaVu Sans"), QStringLiteral("Fixed [Misc]"),
                                 QStringLiteral("Fixed [Sony]"), QStringLiteral("Noto [x] Sans")}),
            (QStringList{QStringLiteral("DejaVu Sans"), QStringLiteral("Fixed"),
                         QStringLiteral("Noto")}));
    }

    void readBack_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("rebuilt");
        QTest::newRow("all known")
            << QStringLiteral("<font face=\"Arial\" color=\"navy\" size=\"3\">")
            << QStringLiteral("<FONT face=\"Arial\" color=\"Navy\" size=3>");
        QTest::newRow("unknown attributes and sizes kept")
            << QStringLiteral("<FONT size=+1 COLOR=#00ff00 data-x='1'>")
            << QStringLiteral("<FONT color=\"#00FF00\" size=+1 data-x='1'>");
        QTest::newRow("a colour that is none stays as written")
            << QStringLiteral("<FONT color=\"fancy\">") << QStringLiteral("<FONT color=\"fancy\">");
    }
    void readBack()
    {
        QFETCH(QString, tag);
        const std::optional<FoundTag> found = TagReading::parseWhole(tag);
        QVERIFY(found);
        const std::optional<FontFields> f = FontCode::read(*found);
        QVERIFY(f);
        const QString rebuilt = FontCode::startTag(*f);
        QTEST(rebuilt, "rebuilt");
        // Read again, the tag is written the same.
        QCOMPARE(FontCode::startTag(*FontCode::read(*TagReading::parseWhole(rebuilt))), rebuilt);
        QVERIFY(!FontCode::read(*TagReading::parseWhole(QStringLiteral("<B>"))));
    }
};

QTEST_APPLESS_MAIN(TestFontCode)
#include "tst_fontcode.moc"
