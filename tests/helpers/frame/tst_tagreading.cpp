#include "editor/memoryeditor.h"
#include "helpers/frame/tagreading.h"
#include "selectionmarkup.h"

#include <QtTest>

// Finding the tag the caret stands in, as the panels do before they take it over.
class TestTagReading : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parsesAttributesAsWritten()
    {
        const QString text = QStringLiteral(
            "<IMG src=\"a b.gif\" ALT='say \"hi\"' width=10 ismap\n data-x = \"1\">");
        const auto tag = TagReading::parseWhole(text);
        QVERIFY(tag);
        QCOMPARE(tag->name, QStringLiteral("IMG"));
        QCOMPARE(tag->end, int(text.size()));
        QCOMPARE(tag->attributes.size(), 5);
        QCOMPARE(tag->attribute(u"SRC")->value, QStringLiteral("a b.gif"));
        QCOMPARE(tag->attribute(u"alt")->value, QStringLiteral("say \"hi\""));
        QCOMPARE(tag->attribute(u"alt")->quote, QChar(u'\''));
        QCOMPARE(tag->attribute(u"width")->value, QStringLiteral("10"));
        QVERIFY(!tag->attribute(u"ismap")->hasValue);
        QCOMPARE(tag->attribute(u"data-x")->text, QStringLiteral("data-x = \"1\""));
        QCOMPARE(TagReading::othersText(tag->others({"src", "alt", "width"})),
                 QStringLiteral(" ismap data-x = \"1\""));
    }

    void notATag_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("end tag") << "</IMG>";
        QTest::newRow("unclosed") << "<IMG src=\"a.gif\"";
        QTest::newRow("open quote") << "<IMG src=\"a.gif>";
        QTest::newRow("comment") << "<!-- x -->";
        QTest::newRow("text after") << "<IMG> x";
        QTest::newRow("another tag inside") << "<IMG <B>";
        QTest::newRow("stray quote") << "<IMG alt='it''s'>";
    }
    void notATag()
    {
        QFETCH(QString, text);
        QVERIFY(!TagReading::parseWhole(text));
    }

    void caretInTag_data()
    {
        QTest::addColumn<QString>("marked"); // | caret, ^ selection anchor
        QTest::addColumn<QString>("found");  // the tag's text, or empty
        QTest::newRow("after <") << "x <|IMG src=\"a.gif\"> y"
                                 << "<IMG src=\"a.gif\">";
        QTest::newRow("in a value") << "<IMG src=\"a|.gif\">"
                                    << "<IMG src=\"a.gif\">";
        QTest::newRow("a > in a value") << "<IMG alt=\"a>b\" s|rc=x>"
                                        << "<IMG alt=\"a>b\" src=x>";
        QTest::newRow("before >") << "<IMG src=x|>"
                                  << "<IMG src=x>";
        QTest::newRow("after > is outside") << "<IMG src=x>|"
                                            << "";
        QTest::newRow("before < is outside") << "|<IMG src=x>"
                                             << "";
        QTest::newRow("tag selected") << "a ^<IMG src=x>| b"
                                      << "<IMG src=x>";
        QTest::newRow("tag selected backwards") << "a |<IMG src=x>^ b"
                                                << "<IMG src=x>";
        QTest::newRow("selection leaving the tag") << "<IMG s^rc=x> b|"
                                                   << "";
        QTest::newRow("another tag") << "<B|>"
                                     << "";
        QTest::newRow("lower case") << "<img s|rc=x>"
                                    << "<img src=x>";
        QTest::newRow("between tags") << "<IMG src=x> | <B>"
                                      << "";
        QTest::newRow("across lines") << "<IMG\r\n src=x\r\n al|t=\"\">"
                                      << "<IMG\r\n src=x\r\n alt=\"\">";
    }
    void caretInTag()
    {
        QFETCH(QString, marked);
        QFETCH(QString, found);
        MemoryEditor editor;
        SelectionMarkup::set(editor, marked);
        const QString text = editor.text();
        const auto tag =
            TagReading::tagAround(text, editor.selectionStart(), editor.selectionEnd(), u"img");
        QCOMPARE(tag ? text.mid(tag->start, tag->end - tag->start) : QString(), found);
    }

    void writesValuesWithTheRightQuote()
    {
        QCOMPARE(TagAttribute::build("alt", "a b"), QStringLiteral(" alt=\"a b\""));
        QCOMPARE(TagAttribute::build("alt", "say \"hi\""), QStringLiteral(" alt='say \"hi\"'"));
        // Both quote characters: the tag must stay valid.
        QCOMPARE(TagAttribute::build("title", "Bob's \"cat\""),
                 QStringLiteral(" title=\"Bob's &quot;cat&quot;\""));
    }
};

QTEST_GUILESS_MAIN(TestTagReading)
#include "tst_tagreading.moc"
