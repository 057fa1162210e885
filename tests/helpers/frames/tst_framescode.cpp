#include "helpers/frames/framescode.h"

#include <QtTest>

Q_DECLARE_METATYPE(FramesFields)

// The frame helper's code in its three modes, and frame tags read back.
class TestFramesCode : public QObject
{
    Q_OBJECT

    static FramesFields mode(FramesMode m, int items)
    {
        FramesFields f;
        f.mode = m;
        f.items = items;
        return f;
    }

private Q_SLOTS:
    void build_data()
    {
        QTest::addColumn<FramesFields>("fields");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");

        QTest::newRow("rows with one item")
            << mode(FramesMode::Frameset, 1) << QStringLiteral("<FRAMESET rows=\"\">\n")
            << QStringLiteral("\n</FRAMESET>");
        FramesFields cols = mode(FramesMode::Frameset, 3);
        cols.columns = true;
        QTest::newRow("three columns") << cols << QStringLiteral("<FRAMESET cols=\" , , \">\n")
                                       << QStringLiteral("\n</FRAMESET>");
        FramesFields all = mode(FramesMode::Frameset, 2);
        all.border = {true, QStringLiteral("0")};
        all.spacing = {true, QStringLiteral("5 px")};
        all.frameBorder = {true, QStringLiteral("no")};
        all.borderColourOn = true;
        all.borderColour = 0x000080;
        all.useNames = true;
        all.noFrame = true;
        QTest::newRow("frame set options, named colour, NOFRAME")
            << all
            << QStringLiteral("<FRAMESET rows=\", \" border=0 framespacing=\"5 px\" "
                              "frameborder=\"no\" bordercolor=\"Navy\">\n")
            << QStringLiteral("\n<NOFRAME></NOFRAME>\n</FRAMESET>");
        QTest::newRow("two frames, no break after the last")
            << mode(FramesMode::Frame, 2)
            << QStringLiteral("<FRAME name=\"\" src=\"\">\n<FRAME name=\"\" src=\"\">")
            << QString();
        FramesFields frame = mode(FramesMode::Frame, 2);
        frame.name = false;
        frame.sources = {QStringLiteral("a%20b.htm")}; // the second was cancelled
        frame.marginWidth = {true, QStringLiteral("10")};
        frame.scrolling = {true, QStringLiteral("no")};
        frame.noResize = true;
        frame.borderColourOn = true;
        frame.borderColour = 0x000080;
        frame.useNames = true;
        QTest::newRow("frame options; frames never write a colour name")
            << frame
            << QStringLiteral("<FRAME src=\"a%20b.htm\" marginwidth=10 scrolling=\"no\" noresize "
                              "bordercolor=\"#000080\">\n<FRAME src=\"\" marginwidth=10 "
                              "scrolling=\"no\" noresize bordercolor=\"#000080\">")
            << QString();
        FramesFields iframe = mode(FramesMode::Iframe, 4);
        iframe.align = {true, QStringLiteral("default")};
        iframe.width = {true, QStringLiteral("50%")};
        iframe.height = {true, QStringLiteral("1\"0")};
        iframe.iframeBorder = {true, QStringLiteral("2")};
        QTest::newRow("inline frame: align default, a quote typed in a number")
            << iframe
            << QStringLiteral("<IFRAME name=\"\" src=\"\" align=\"default\" width=50% "
                              "height='1\"0' border=2>")
            << QStringLiteral("</IFRAME>");
    }
    void build()
    {
        QFETCH(FramesFields, fields);
        const FramesParts parts = FramesCode::build(fields);
        QTEST(parts.start, "start");
        QTEST(parts.end, "end");
    }

    void readBack_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("rebuilt");
        QTest::newRow("frame set keeps its layout")
            << QStringLiteral("<frameset cols=\"20%,*\" border=3 onload=\"x()\">")
            << QStringLiteral("<FRAMESET cols=\"20%,*\" border=3 onload=\"x()\">");
        QTest::newRow("frame keeps its name, source and unknown attributes")
            << QStringLiteral("<FRAME NAME=\"top\" SRC=\"Top Page.htm\" noresize data-k=1>")
            << QStringLiteral("<FRAME name=\"top\" src=\"Top Page.htm\" noresize data-k=1>");
        QTest::newRow("inline frame without a name")
            << QStringLiteral("<iframe src=\"a.htm\" width=\"300\" align=left "
                              "bordercolor=\"red\">")
            << QStringLiteral("<IFRAME src=\"a.htm\" align=\"left\" width=300 "
                              "bordercolor=\"red\">");
    }
    void readBack()
    {
        QFETCH(QString, tag);
        const std::optional<FoundTag> found = TagReading::parseWhole(tag);
        QVERIFY(found);
        const std::optional<FramesFields> f = FramesCode::read(*found);
        QVERIFY(f);
        const QString rebuilt = FramesCode::build(*f).tag;
        QTEST(rebuilt, "rebuilt");
        QCOMPARE(FramesCode::build(*FramesCode::read(*TagReading::parseWhole(rebuilt))).tag,
                 rebuilt);
        QVERIFY(!FramesCode::read(*TagReading::parseWhole(QStringLiteral("<FRAMES>"))));
    }
};

QTEST_APPLESS_MAIN(TestFramesCode)
#include "tst_framescode.moc"
