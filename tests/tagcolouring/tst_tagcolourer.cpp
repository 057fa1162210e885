#include "base/settingsfile.h"
#include "colours/colourcode.h"
#include "tagcolouring/tagcolourer.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include "stylerendering.h"

#include <array>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

// Styles are shown as one letter per byte so that a row reads like the text it colours.
namespace {

using namespace StyleRendering;

struct Result
{
    QByteArray styles;
    int state;
};

Result colourAll(const TagColourer &colourer, const QByteArray &text, int state = 0)
{
    std::vector<std::uint8_t> styles(static_cast<std::size_t>(text.size()), 0xFF);
    const int end = colourer.colour(text.constData(), styles.size(), styles.data(), state);
    return {render(styles), end};
}

// Colours line by line, each line including its line break, as the document editor does.
Result colourByLines(const TagColourer &colourer, const QByteArray &text)
{
    Result r{{}, 0};
    qsizetype from = 0;
    while (from < text.size()) {
        qsizetype nl = text.indexOf('\n', from);
        const qsizetype end = nl < 0 ? text.size() : nl + 1;
        const Result line = colourAll(colourer, text.mid(from, end - from), r.state);
        r.styles += line.styles;
        r.state = line.state;
        from = end;
    }
    return r;
}

} // namespace

class TestTagColourer : public QObject
{
    Q_OBJECT

private slots:
    void colours_data();
    void colours();
    void linesEqualWholeText_data();
    void linesEqualWholeText();
    void runStatesAcrossLines();
    void endStateAgreesOnShuffledFragments();
    void ctagsAloneColoursEveryTagAndEntity();
    void schemeReadsAndWritesSettings();
    void ruleOrder();
    void firstStartColoursAreDistinctAndReadable_data();
    void firstStartColoursAreDistinctAndReadable();
    void colourCodes();
};

void TestTagColourer::colours_data()
{
    QTest::addColumn<QByteArray>("enabled");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("fresh scheme colours nothing")
        << QByteArray() << QByteArray("<p>&amp;<!-- x --><script>") << QByteArray(26, '.');
    QTest::newRow("generic tag to its end")
        << QByteArray("g") << QByteArray("a <b>c</b> d") << QByteArray("..ggg.gggg..");
    QTest::newRow("ADDRESS end tag is general, A end tag is a link")
        << QByteArray("gu") << QByteArray("</ADDRESS></A>") << QByteArray("gggggggggguuuu");
    QTest::newRow("end tags of other names starting with A are no links")
        << QByteArray("u") << QByteArray("</address></abbr></A\n>")
        << QByteArray(17, '.') + QByteArray(5, 'u');
    QTest::newRow("an A start tag is a link whatever attribute comes first")
        << QByteArray("gu") << QByteArray("<a href=x><A class=b href=c><a\nname=y><A><abbr>")
        << QByteArray(10 + 18 + 10 + 3, 'u') + QByteArray(6, 'g');
    QTest::newRow("list item is a whole word, LINK is not a list tag")
        << QByteArray("l") << QByteArray("<li><LI class=a></li><link><lid>")
        << QByteArray("lllllllllllllllllllll...........");
    QTest::newRow("list item at the end of a line")
        << QByteArray("l") << QByteArray("<li\n>") << QByteArray("lllll");
    QTest::newRow("LINK is a style tag")
        << QByteArray("gly") << QByteArray("<LI><LINK rel=x>") << QByteArray("llllyyyyyyyyyyyy");
    QTest::newRow("style block up to its end tag")
        << QByteArray("gy") << QByteArray("<style>p>a{}</STYLE><p>")
        << QByteArray("yyyyyyyyyyyyyyyyyyyyggg");
    QTest::newRow("image keys with and without blank")
        << QByteArray("gi") << QByteArray("<img src=a><IMG>") << QByteArray("iiiiiiiiiiiiiiii");
    QTest::newRow("script block holds tags and stops at its end tag")
        << QByteArray("gs") << QByteArray("<script>if(a<b)x='<p>';</Script>!")
        << QByteArray(32, 's') + ".";
    QTest::newRow("server script")
        << QByteArray("gs") << QByteArray("<% x > 1 %><b>") << QByteArray("sssssssssssggg");
    QTest::newRow("server script does not end inside its start key")
        << QByteArray("s") << QByteArray("<%>x%>.") << QByteArray("ssssss.");
    QTest::newRow("comment holds tags and entities")
        << QByteArray("gc") << QByteArray("<!-- <b>&amp; -->x") << QByteArray(17, 'c') + ".";
    QTest::newRow("frame keys")
        << QByteArray("gf")
        << QByteArray("<FRAMESET><frame src=a></frameset><FRAMEx><iframe a></IFRAME><frame	b>")
        << QByteArray(34, 'f') + QByteArray(8, 'g') + QByteArray(19 + 9, 'f');
    QTest::newRow("form keys") << QByteArray("o")
                               << QByteArray("<form><input a><Select></select></FORM><fo>")
                               << QByteArray(39, 'o') + "....";
    QTest::newRow("table keys") << QByteArray("t")
                                << QByteArray("<table><tr><TD></td><th></th><caption></tbody>")
                                << QByteArray(38, 't') + "........";
    QTest::newRow("list keys") << QByteArray("l") << QByteArray("<ul><ol><dl><dir><dd><dt></DT>")
                               << QByteArray("lllllllllllllllllllllllll.....");
    QTest::newRow("lower case like upper case")
        << QByteArray("t") << QByteArray("<TaBlE><TABLE><table>") << QByteArray(21, 't');
    QTest::newRow("entities anywhere, in capitals too")
        << QByteArray("g") << QByteArray("a&amp;b&NBSP;&Eacute;x&amp")
        << QByteArray(".ggggg.gggggggggggggg.....");
    QTest::newRow("entity inside a tag takes the tag's colour")
        << QByteArray("gu") << QByteArray("<a href=\"?a&amp;b\">") << QByteArray(19, 'u');
    QTest::newRow("unknown entity is not coloured")
        << QByteArray("g") << QByteArray("&bogus;&") << QByteArray("........");
    QTest::newRow("non-ASCII bytes are scanned like letters")
        << QByteArray("g") << QByteArray("\xc3\xa9<b>\xe2\x82\xac") << QByteArray("..ggg...");
    QTest::newRow("lone lead at the end")
        << QByteArray("g") << QByteArray("x<") << QByteArray(".g");
}

void TestTagColourer::colours()
{
    QFETCH(QByteArray, enabled);
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, expected);
    const TagColourer colourer(schemeOf(enabled));
    QCOMPARE(colourAll(colourer, text).styles, expected);
}

void TestTagColourer::linesEqualWholeText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("page") << QByteArray(
        "<html>\n<head><style>\np { }\n</style>\n<script>\nx = '<b>';\n</script></head>\n"
        "<body>\n<!-- a\n comment --><ul>\n<li>one &amp; two\n<li\n>three</ul>\n"
        "<% a\n %><table\nborder=1><tr><td>&copy;</td></tr></table>\n<a href=x>y</a>\n"
        "<img\nsrc=a></body>\n");
    QTest::newRow("CR LF line ends and an open run at the end")
        << QByteArray("<p>\r\n<li\r\n<!-- open\r\n&amp;\r\n");
    QTest::newRow("no final line break") << QByteArray("<b>x</b>\n<i");
    QTest::newRow("end tags of every kind")
        << QByteArray("</ADDRESS></a></A\n></td></TR></table></th></caption></li>\n"
                      "</ul></ol></dl></dir></form></select></textarea></frameset>\n"
                      "</noframes></iframe></p></</\n<</x\n</");
}

void TestTagColourer::linesEqualWholeText()
{
    QFETCH(QByteArray, text);
    const TagColourer colourer(schemeOf("gcisfulyot"));
    const Result whole = colourAll(colourer, text);
    const Result lines = colourByLines(colourer, text);
    QCOMPARE(lines.styles, whole.styles);
    QCOMPARE(lines.state, whole.state);

    // Text that is put off keeps only its line states: they must be the colouring's, with
    // the generic tag colour on (every '<' opens a run) and off.
    for (const char *enabled : {"gcisfulyot", "cisfulyot", "glt"}) {
        const TagColourer c(schemeOf(enabled));
        int state = 0;
        for (const QByteArray &line : text.split('\n')) {
            const QByteArray piece = line + '\n';
            const int expected = colourAll(c, piece, state).state;
            state = c.endState(piece.constData(), std::size_t(piece.size()), state);
            QCOMPARE(state, expected);
        }
        QCOMPARE(c.endState(text.constData(), std::size_t(text.size())), colourAll(c, text).state);
    }
}

void TestTagColourer::endStateAgreesOnShuffledFragments()
{
    // Pieces of keys, cut where they can fool a matcher, joined at random.
    const char *const pieces[] = {
        "<",     ">",       "</",        "<!",     "--",       "-->",   "<!--", "<s",
        "cript", "<script", "</script>", "<style", "</style>", "<%",    "%>",   "<a",
        " ",     "\n",      "<img",      "<td",    "</t",      "d>",    "x",    "&amp;",
        "<li",   "<frame",  "<iframe",   "</ad",   "dress>",   "<table"};
    QRandomGenerator random(20261210);
    for (const char *enabled : {"gcisfulyot", "cisfulyot", "gs"}) {
        const TagColourer colourer(schemeOf(enabled));
        for (int round = 0; round < 300; ++round) {
            QByteArray text;
            for (int n = random.bounded(1, 40); n > 0; --n)
                text += pieces[random.bounded(int(std::size(pieces)))];
            for (int state = 0; state <= colourer.ruleCount(); state += 7) {
                const int expected = colourAll(colourer, text, state).state;
                QCOMPARE(colourer.endState(text.constData(), std::size_t(text.size()), state),
                         expected);
            }
        }
    }
}

void TestTagColourer::runStatesAcrossLines()
{
    const TagColourer colourer(schemeOf("gcs"));
    const Result open = colourAll(colourer, "x <SCRIPT>\n");
    QCOMPARE(open.styles, QByteArray("..sssssssss"));
    QVERIFY(open.state > 0);
    const Result middle = colourAll(colourer, "a < b\n", open.state);
    QCOMPARE(middle.styles, QByteArray("ssssss"));
    QCOMPARE(middle.state, open.state);
    const Result closed = colourAll(colourer, "</script> <b>\n", middle.state);
    QCOMPARE(closed.styles, QByteArray("sssssssss.ggg."));
    QCOMPARE(closed.state, 0);

    const Result comment = colourAll(colourer, "<!-- a\n");
    QVERIFY(comment.state > 0);
    QVERIFY(comment.state != open.state);
    QCOMPARE(colourAll(colourer, "--> x\n", comment.state).styles, QByteArray("ccc..."));

    // A state written by another colouring is taken as "outside any run".
    QCOMPARE(colourAll(colourer, "x<b>", 999).styles, QByteArray(".ggg"));
    QCOMPARE(colourAll(colourer, "x<b>", -3).styles, QByteArray(".ggg"));
}

void TestTagColourer::ctagsAloneColoursEveryTagAndEntity()
{
    const TagColourer colourer(schemeOf("g"));
    QByteArray text = "<table><li><!-- x --><script><a href=y><form><style><img>";
    for (const char *entity : entityKeywords())
        text += entity;
    const Result r = colourAll(colourer, text);
    QCOMPARE(r.styles, QByteArray(text.size(), 'g'));
}

void TestTagColourer::schemeReadsAndWritesSettings()
{
    QTemporaryDir dir;
    SettingsFile settings(dir.filePath("quillm.ini"));
    // Nothing stored yet: every category is off, every background the system window colour.
    const TagColourScheme fresh = TagColourScheme::read(settings);
    QCOMPARE(fresh, TagColourScheme());
    QVERIFY(fresh.rules().empty());
    QCOMPARE(fresh.backgroundOf(TagCategory::Tables), SystemWindowColour);

    const TagColourScheme first = TagColourScheme::firstStartColours();
    QVERIFY(first.write(settings));
    QCOMPARE(TagColourScheme::read(settings), first);
    QCOMPARE(settings.read(Keys::UTags), first.foregroundOf(TagCategory::Links));
    QCOMPARE(settings.read(Keys::StylTagsBack), SystemWindowColour);
}

void TestTagColourer::ruleOrder()
{
    // The order decides which key wins where several match; read it back as start keys.
    auto starts = [](const TagColourScheme &s) {
        QStringList list;
        for (const TagRule &r : s.rules())
            list << QString::fromLatin1(r.key.start);
        return list;
    };
    const QStringList all = starts(schemeOf("gcisfulyot"));
    QCOMPARE(all.size(), 2 + 1 + 2 + 2 + 7 + 2 + 12 + 2 + 8 + 10);
    QCOMPARE(all.first(), "</AD");
    QCOMPARE(all.last(), "<");
    QCOMPARE(all.mid(1, 5), QStringList({"<!--", "<IMG", "<SCRIPT", "<%", "<IMG "}));
    QCOMPARE(all.mid(all.indexOf("<LI"), 4), QStringList({"<LI", "</LI", "<STYLE", "<LINK"}));
    QCOMPARE(starts(schemeOf("it")).mid(0, 3), QStringList({"<IMG", "<IMG ", "<TABLE"}));
}

namespace {

// A colour channel on the linear scale that light adds up on.
double linear(int v)
{
    const double x = v / 255.0;
    return x <= 0.04045 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
}

ColourCode::Rgb rgbOf(int hex)
{
    return {std::uint8_t(hex >> 16), std::uint8_t(hex >> 8), std::uint8_t(hex)};
}

// WCAG's contrast ratio of two colours, from 1 (none) to 21 (black on white).
double contrast(const ColourCode::Rgb &a, const ColourCode::Rgb &b)
{
    const auto luminance = [](const ColourCode::Rgb &c) {
        return 0.2126 * linear(c.red) + 0.7152 * linear(c.green) + 0.0722 * linear(c.blue);
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// How far apart two colours look: their distance in CIE L*a*b* (1976).
double distance(const ColourCode::Rgb &a, const ColourCode::Rgb &b)
{
    const auto lab = [](const ColourCode::Rgb &c) {
        const double r = linear(c.red), g = linear(c.green), b = linear(c.blue);
        const double x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047;
        const double y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
        const double z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883;
        const auto f = [](double t) {
            return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116;
        };
        return std::array<double, 3>{116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
    };
    const auto p = lab(a), q = lab(b);
    return std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
}

} // namespace

void TestTagColourer::firstStartColoursAreDistinctAndReadable_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QList<int>>("bases"); // the base colours the text stands on
    QTest::addColumn<int>("text");         // the colour of the plain text
    QTest::newRow("light") << false << QList<int>{0xFFFFFF, 0xF5F5F5} << 0x000000;
    QTest::newRow("dark") << true << QList<int>{0x2D2D2D, 0x1E1E1E, 0x000000} << 0xDCDCDC;
}

void TestTagColourer::firstStartColoursAreDistinctAndReadable()
{
    QFETCH(bool, dark);
    QFETCH(QList<int>, bases);
    QFETCH(int, text);
    const TagColourScheme s = TagColourScheme::firstStartColours(dark);
    QList<ColourCode::Rgb> colours{rgbOf(text)};
    for (int fore : s.foreground) {
        QVERIFY(fore != 0);
        QVERIFY(!ColourCode::isSystem(fore));
        const ColourCode::Rgb c = ColourCode::rgb(fore);
        for (int base : bases)
            QVERIFY2(contrast(c, rgbOf(base)) >= 4.5, qPrintable(QString::number(fore, 16)));
        colours << c;
    }
    // Two colours this far apart are told apart at a glance; the old brown of scripts and
    // orange of styles were 20 apart.
    for (int i = 0; i < colours.size(); ++i)
        for (int j = i + 1; j < colours.size(); ++j)
            QVERIFY2(distance(colours[i], colours[j]) >= 25,
                     qPrintable(QStringLiteral("%1 and %2").arg(i).arg(j)));
}

void TestTagColourer::colourCodes()
{
    using namespace ColourCode;
    QCOMPARE(encodeRgb(0x12, 0x34, 0x56), 0x00563412);
    QCOMPARE(rgb(0x00563412), (Rgb{0x12, 0x34, 0x56}));
    QVERIFY(isSystem(SystemWindowColour));
    QCOMPARE(systemIndex(SystemWindowColour), 5);
    QCOMPARE(encodeSystem(24), int(0x80000018));
    QVERIFY(!isSystem(encodeRgb(0xFF, 0xFF, 0xFF)));
}

QTEST_GUILESS_MAIN(TestTagColourer)
#include "tst_tagcolourer.moc"
