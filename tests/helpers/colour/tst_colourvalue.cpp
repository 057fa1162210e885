#include "helpers/colour/colourvalue.h"

#include <QtTest>

Q_DECLARE_METATYPE(ColourFields)

// The colour helper's text for each radio, and colours found around the caret and written
// back in their place.
class TestColourValue : public QObject
{
    Q_OBJECT

    static ColourFields fields(std::uint32_t rgb, bool names, std::optional<ColourTarget> t)
    {
        ColourFields f;
        f.rgb = rgb;
        f.useNames = names;
        f.target = t;
        return f;
    }

private Q_SLOTS:
    void build_data()
    {
        QTest::addColumn<ColourFields>("fields");
        QTest::addColumn<QString>("text");
        QTest::newRow("named background") << fields(0x000080, true, ColourTarget::Background)
                                          << QStringLiteral("bgcolor=\"Navy\"");
        QTest::newRow("names off") << fields(0x000080, false, ColourTarget::Background)
                                   << QStringLiteral("bgcolor=\"#000080\"");
        QTest::newRow("outside the table keeps hex")
            << fields(0x123456, true, ColourTarget::Font) << QStringLiteral("color=\"#123456\"");
        QTest::newRow("first row wins")
            << fields(0xFF00FF, true, ColourTarget::CodeOnly) << QStringLiteral("Fuchsia");
        QTest::newRow("body link colours") << fields(0xabcdef, false, ColourTarget::VisitedLink)
                                           << QStringLiteral("vlink=\"#ABCDEF\"");
        QTest::newRow("no radio") << fields(0x000000, true, std::nullopt) << QString();
    }
    void build()
    {
        QFETCH(ColourFields, fields);
        QTEST(ColourValue::build(fields), "text");
    }

    void findAndReplace_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("piece"); // empty: nothing found
        QTest::addColumn<ColourFields>("read");
        QTest::addColumn<ColourFields>("changed");
        QTest::addColumn<QString>("replacement");

        QTest::newRow("attribute, radio changed")
            << QStringLiteral("<BODY bgcolor=\"#000080\" x=1>") << 10
            << QStringLiteral("bgcolor=\"#000080\"")
            << fields(0x000080, false, ColourTarget::Background)
            << fields(0xFF0000, true, ColourTarget::Text) << QStringLiteral("text=\"Red\"");
        QTest::newRow("apostrophes, code only keeps the name as written")
            << QStringLiteral("<font COLOR='red'>") << 8 << QStringLiteral("COLOR='red'")
            << fields(0xFF0000, true, ColourTarget::Font)
            << fields(0x00FF00, false, ColourTarget::CodeOnly)
            << QStringLiteral("COLOR=\"#00FF00\"");
        QTest::newRow("bare value in a style stays bare")
            << QStringLiteral("<p style=\"color:#ff0000\">") << 19 << QStringLiteral("#ff0000")
            << fields(0xFF0000, false, ColourTarget::CodeOnly)
            << fields(0x000080, true, ColourTarget::Link) << QStringLiteral("Navy");
        QTest::newRow("bare name")
            << QStringLiteral("use Teal here") << 5 << QStringLiteral("Teal")
            << fields(0x008080, true, ColourTarget::CodeOnly)
            << fields(0x008080, false, ColourTarget::CodeOnly) << QStringLiteral("#008080");
        QTest::newRow("a word that is no colour") << QStringLiteral("Beaded") << 2 << QString()
                                                  << ColourFields() << ColourFields() << QString();
        QTest::newRow("text= holding no colour")
            << QStringLiteral("<x text=\"hello\">") << 5 << QString() << ColourFields()
            << ColourFields() << QString();
        QTest::newRow("background-color is no attribute of ours")
            << QStringLiteral("background-color=x") << 3 << QString() << ColourFields()
            << ColourFields() << QString();
    }
    void findAndReplace()
    {
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(QString, piece);
        const std::optional<FoundTag> found = ColourValue::find(text, caret, caret);
        QCOMPARE(found.has_value(), !piece.isEmpty());
        if (!found)
            return;
        QCOMPARE(text.mid(found->start, found->end - found->start), piece);
        const std::optional<ColourFields> read = ColourValue::read(*found);
        QVERIFY(read);
        QTEST(*read, "read");
        QFETCH(ColourFields, changed);
        QTEST(ColourValue::replacement(*found, changed), "replacement");
        // Read back unchanged, a piece is written as it was read, apart from its quotes.
        const QString same = ColourValue::replacement(*found, *read);
        QCOMPARE(ColourValue::read(*ColourValue::find(same, 1, 1)), read);
    }
};

QTEST_APPLESS_MAIN(TestColourValue)
#include "tst_colourvalue.moc"
