#include "colours/colourcode.h"
#include "tagcolouring/htmllexer.h"
#include "tagcolouring/tagcolourer.h"

#include <Qsci/qsciscintilla.h>
#include <QtTest>

#include "stylerendering.h"

#include <cstring>
#include <memory>
#include <vector>

namespace {

using Sci = QsciScintillaBase;

using namespace StyleRendering;

// An editor with the lexer installed, and the means to look at what it did.
struct Fixture
{
    std::unique_ptr<QsciScintilla> editor = std::make_unique<QsciScintilla>();
    HtmlLexer *lexer = new HtmlLexer(editor.get());
    TagColourScheme scheme;

    explicit Fixture(const QByteArray &enabled) : scheme(schemeOf(enabled))
    {
        editor->SendScintilla(Sci::SCI_SETCODEPAGE, Sci::SC_CP_UTF8);
        lexer->setScheme(scheme);
    }
    qint64 send(unsigned int m, unsigned long w = 0, long l = 0) const
    {
        return editor->SendScintilla(m, w, l);
    }
    qint64 length() const { return send(Sci::SCI_GETLENGTH); }
    qint64 lineStart(int line) const { return send(Sci::SCI_POSITIONFROMLINE, line); }
    QByteArray bytes() const
    {
        const auto *p = reinterpret_cast<const char *>(send(Sci::SCI_GETCHARACTERPOINTER));
        return QByteArray(p, length());
    }
    void setBytes(const QByteArray &text)
    {
        send(Sci::SCI_CLEARALL);
        editor->SendScintilla(Sci::SCI_APPENDTEXT, text.size(), text.constData());
    }
    // What Scintilla asks for when a paint needs the text styled up to `pos`.
    void styleTo(qint64 pos) { emit editor->SCN_STYLENEEDED(static_cast<int>(pos)); }
    void styleAll() { styleTo(length()); }
    QByteArray styles() const
    {
        std::vector<std::uint8_t> s(static_cast<std::size_t>(length()));
        for (std::size_t i = 0; i < s.size(); ++i)
            s[i] = static_cast<std::uint8_t>(send(Sci::SCI_GETSTYLEAT, i));
        return render(s);
    }
    // The styles of a range, fetched in one call: a large page has too many bytes to ask
    // for one by one.
    QByteArray stylesOf(qint64 from, qint64 to) const
    {
        struct
        {
            long cpMin;
            long cpMax;
            char *text;
        } range{long(from), long(to), nullptr};
        QByteArray cells(2 * (to - from) + 2, '\0');
        range.text = cells.data();
        editor->SendScintilla(Sci::SCI_GETSTYLEDTEXT, 0UL, reinterpret_cast<long>(&range));
        std::vector<std::uint8_t> s(static_cast<std::size_t>(to - from));
        for (std::size_t i = 0; i < s.size(); ++i)
            s[i] = static_cast<std::uint8_t>(cells[qsizetype(2 * i + 1)]);
        return render(s);
    }
    QByteArray scanned() const
    {
        const QByteArray text = bytes();
        std::vector<std::uint8_t> s(static_cast<std::size_t>(text.size()));
        TagColourer(scheme).colour(text.constData(), s.size(), s.data());
        return render(s);
    }
    void replace(qint64 from, qint64 count, const QByteArray &with)
    {
        send(Sci::SCI_SETSEL, from, from + count);
        editor->SendScintilla(Sci::SCI_REPLACESEL, with.constData());
    }
};

QByteArray page(int lines)
{
    QByteArray text;
    for (int i = 0; i < lines; ++i)
        text += "<tr><td class=a>cell " + QByteArray::number(i) + " &amp; more</td></tr>\n";
    return text;
}

} // namespace

class TestHtmlLexer : public QObject
{
    Q_OBJECT

private slots:
    void stylesAfterLoading_data();
    void stylesAfterLoading();
    void editsRestyleAsAFreshScan_data();
    void editsRestyleAsAFreshScan();
    void typingCommentOpenerRestylesTheRest();
    void earlierEditAfterAPartialRestyle();
    void editNearStartStaysLocal();
    void everyKindOfLineBreakRestylesAsAFreshScan();
    void jumpFarAheadColoursTheViewAndTheRestWhenShown();
    void aRunOpenAcrossTheMiddleOfALongStretch();
    void schemeColoursTheStyles();
    void colouringOffColoursNothing();
};

void TestHtmlLexer::stylesAfterLoading_data()
{
    QTest::addColumn<QByteArray>("enabled");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("tags across lines")
        << QByteArray("gst") << QByteArray("<p>\n<script>\nx\n</script><td>")
        << QByteArray("ggg.sssssssssssssssssssstttt");
    QTest::newRow("CR and CR LF line breaks")
        << QByteArray("gst") << QByteArray("<p>\r<script>\r\nx\r</script><td>")
        << QByteArray("ggg.sssssssssssssssssssssstttt").remove(4, 1);
    QTest::newRow("UTF-8 text keeps byte positions")
        << QByteArray("g") << QByteArray("\xc3\xa9<b>\xe2\x82\xac&copy;")
        << QByteArray("..ggg...gggggg");
    QTest::newRow("fresh scheme colours nothing")
        << QByteArray() << QByteArray("<b>&amp;") << QByteArray("........");
}

void TestHtmlLexer::stylesAfterLoading()
{
    QFETCH(QByteArray, enabled);
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, expected);
    Fixture f(enabled);
    f.setBytes(text);
    f.styleAll();
    QCOMPARE(f.styles(), expected);
    // setText goes the same way.
    f.editor->setText(QString::fromUtf8(text));
    f.editor->recolor();
    QCOMPARE(f.styles(), expected);
}

void TestHtmlLexer::editsRestyleAsAFreshScan_data()
{
    // Each edit replaces `count` bytes at `line`, `column` of a styled document.
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("count");
    QTest::addColumn<QByteArray>("with");
    QTest::newRow("open a comment") << 1 << 0 << 0 << QByteArray("<!--");
    QTest::newRow("open a comment that an old one closes") << 0 << 3 << 0 << QByteArray("<!-- ");
    QTest::newRow("break a script start key") << 3 << 2 << 1 << QByteArray("x");
    QTest::newRow("line break inside a script") << 4 << 1 << 0 << QByteArray("\n");
    QTest::newRow("line break at a line end") << 2 << 9 << 0 << QByteArray("\n");
    QTest::newRow("lines inserted at a line start") << 6 << 0 << 0 << QByteArray("<b>\n<i>\n");
    QTest::newRow("delete across lines") << 2 << 3 << 30 << QByteArray();
    QTest::newRow("delete a script end tag") << 5 << 0 << 9 << QByteArray();
    QTest::newRow("replace a text with a tag") << 7 << 0 << 4 << QByteArray("<%");
    QTest::newRow("append at the end") << 9 << 0 << 0 << QByteArray("<li");
}

void TestHtmlLexer::editsRestyleAsAFreshScan()
{
    QFETCH(int, line);
    QFETCH(int, column);
    QFETCH(int, count);
    QFETCH(QByteArray, with);
    Fixture f("gcsluot");
    f.setBytes("<p>a</p>\n<ul><li>one\n<li>two</ul>\n<script>\nif (a<b)\n</script>\n"
               "--> <table>\nmore text &amp;\n<form>\n");
    f.styleAll();
    QCOMPARE(f.styles(), f.scanned());

    f.replace(f.lineStart(line) + column, count, with);
    f.styleAll();
    QCOMPARE(f.styles(), f.scanned());

    // Undo comes back through the same notifications.
    f.editor->undo();
    f.styleAll();
    QCOMPARE(f.styles(), f.scanned());

    // A restyle asked for from outside styles afresh, not from the remembered states.
    f.send(Sci::SCI_CLEARDOCUMENTSTYLE);
    f.editor->recolor();
    QCOMPARE(f.styles(), f.scanned());
}

void TestHtmlLexer::typingCommentOpenerRestylesTheRest()
{
    Fixture f("gc");
    f.setBytes("<p>x</p>\n<b>y</b>\n&amp;\n");
    f.styleAll();
    const QByteArray before = f.styles();

    f.send(Sci::SCI_GOTOPOS, 0);
    QTest::keyClicks(f.editor.get(), "<!--");
    f.styleAll();
    QCOMPARE(f.styles(), QByteArray(f.length(), 'c'));

    for (int i = 0; i < 4; ++i)
        QTest::keyClick(f.editor.get(), Qt::Key_Backspace);
    f.styleAll();
    QCOMPARE(f.styles(), before);
}

void TestHtmlLexer::earlierEditAfterAPartialRestyle()
{
    Fixture f("gc");
    f.setBytes(page(30));
    f.styleAll();
    // A comment opened on line 10 is styled as far as one screen needs ...
    f.replace(f.lineStart(10), 0, "<!--");
    f.styleTo(f.lineStart(15));
    // ... then a harmless edit above it must not stop the restyle at the old states.
    f.replace(f.lineStart(2), 0, "x");
    f.styleAll();
    QCOMPARE(f.styles(), f.scanned());
}

void TestHtmlLexer::everyKindOfLineBreakRestylesAsAFreshScan()
{
    for (const QByteArray &br : {QByteArray("\n"), QByteArray("\r"), QByteArray("\r\n")}) {
        Fixture f("gcsluot");
        QByteArray text = "<p>a</p>\n<!-- one\ntwo -->\n<script>\nif (a<b)\n</script>\n<td>";
        f.setBytes(text.replace("\n", br));
        f.styleAll();
        QCOMPARE(f.styles(), f.scanned());
        f.replace(f.lineStart(2) + 3, 0, "x" + br + "<!--");
        f.styleAll();
        QCOMPARE(f.styles(), f.scanned());
        f.replace(f.lineStart(1), 4, QByteArray());
        f.styleAll();
        QCOMPARE(f.styles(), f.scanned());
    }
}

void TestHtmlLexer::editNearStartStaysLocal()
{
    Fixture f("gst");
    f.setBytes("<script>\n" + page(20000));
    f.styleAll();
    const qint64 length = f.length();
    QCOMPARE(f.send(Sci::SCI_GETENDSTYLED), length);

    // A keystroke inside a cell: a paint of the first screen asks for 40 lines, the lexer
    // restyles a line or two and reports everything styled.
    const qint64 work = f.lexer->styledBytes();
    f.send(Sci::SCI_GOTOPOS, f.lineStart(3) + 10);
    QTest::keyClicks(f.editor.get(), "x");
    f.styleTo(f.lineStart(40));
    QCOMPARE(f.send(Sci::SCI_GETENDSTYLED), length + 1);
    QVERIFY2(f.lexer->styledBytes() - work < 200, "restyled more than the edited lines");

    // A line break inserted and removed again near the start.
    const qint64 work2 = f.lexer->styledBytes();
    QTest::keyClick(f.editor.get(), Qt::Key_Return);
    QTest::keyClick(f.editor.get(), Qt::Key_Backspace);
    f.styleTo(f.lineStart(40));
    QCOMPARE(f.send(Sci::SCI_GETENDSTYLED), length + 1);
    QVERIFY(f.lexer->styledBytes() - work2 < 200);
    QCOMPARE(f.styles(), f.scanned());

    // Closing the script at the start changes every following line, but only the lines
    // asked for are styled now; the rest follows when it is needed.
    f.send(Sci::SCI_GOTOPOS, f.lineStart(1));
    QTest::keyClicks(f.editor.get(), "</script>");
    f.styleTo(f.lineStart(40));
    QVERIFY(f.send(Sci::SCI_GETENDSTYLED) < f.lineStart(41));
    f.styleAll();
    QCOMPARE(f.styles(), f.scanned());
}

void TestHtmlLexer::jumpFarAheadColoursTheViewAndTheRestWhenShown()
{
    Fixture f("gcst");
    // About 5 MB in long lines: a comment opened near the start, closed further down, and a
    // script opened in the middle that runs to the end, so the view at the end is coloured
    // right only when the states before it are.
    QByteArray cells;
    for (int i = 0; i < 100; ++i)
        cells += "<td>c" + QByteArray::number(i) + " &amp;</td>";
    QByteArray text;
    for (int line = 0; line < 2400; ++line) {
        if (line == 1)
            text += "<!--";
        if (line == 100)
            text += "-->";
        if (line == 1500)
            text += "<script>";
        text += cells + '\n';
    }
    f.setBytes(text);
    f.editor->resize(640, 400);
    f.editor->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.editor.get()));
    const auto lineEnd = [&f](int line) { return f.lineStart(line + 1); };
    const auto sameAsScan = [&f](qint64 from, qint64 to) {
        return f.stylesOf(from, to) == f.scanned().mid(from, to - from);
    };

    // Ctrl+End: the end is styled now, most of the rest later.
    const qint64 work = f.lexer->styledBytes();
    f.send(Sci::SCI_DOCUMENTEND);
    f.editor->viewport()->repaint();
    const qint64 length = f.length();
    QVERIFY(sameAsScan(f.lineStart(2380), length));
    QVERIFY2(f.lexer->styledBytes() - work < length / 4, "styled the whole page");
    QVERIFY(!f.lexer->putOff().empty());

    // Scrolled into the middle, the lines shown are styled as a full scan would.
    f.send(Sci::SCI_SETFIRSTVISIBLELINE, 1490);
    f.editor->viewport()->repaint();
    QVERIFY(sameAsScan(f.lineStart(1490), lineEnd(1500)));

    // An edit inside text still put off: closing the comment early changes the states of the
    // lines after it, the ones already styled too.
    f.replace(f.lineStart(50), 0, "-->");
    f.editor->viewport()->repaint();
    f.send(Sci::SCI_SETFIRSTVISIBLELINE, 60);
    f.editor->viewport()->repaint();
    QVERIFY(sameAsScan(f.lineStart(60), lineEnd(66)));
    f.send(Sci::SCI_DOCUMENTEND);
    f.editor->viewport()->repaint();
    QVERIFY(sameAsScan(f.lineStart(2380), f.length()));

    // Paging through the whole page leaves nothing put off and every byte as a scan has it.
    const long screen = f.send(Sci::SCI_LINESONSCREEN);
    QVERIFY(screen > 3);
    for (long top = 0; top < 2400; top += screen) {
        f.send(Sci::SCI_SETFIRSTVISIBLELINE, top);
        f.editor->viewport()->repaint();
    }
    f.styleAll();
    QVERIFY(f.lexer->putOff().empty());
    QVERIFY(f.stylesOf(0, f.length()) == f.scanned());
}

void TestHtmlLexer::aRunOpenAcrossTheMiddleOfALongStretch()
{
    // A long stretch put off is worked out in two halves at once; here a comment and then a
    // tag broken over two lines stand where the halves meet.
    Fixture f("gcst");
    QByteArray cells;
    for (int i = 0; i < 100; ++i)
        cells += "<td>c" + QByteArray::number(i) + " &amp;</td>";
    for (const int middleRun : {0, 1}) {
        QByteArray text;
        // About 5 MB; the halves meet near line 1330.
        for (int line = 0; line < 2800; ++line) {
            if (middleRun == 0 && line == 1100)
                text += "<!--";
            if (middleRun == 0 && line == 1600)
                text += "-->";
            text += cells;
            if (middleRun == 1 && line > 1250 && line < 1450)
                text += "<td\r"; // open at the end of its line, a CR LF before the next
            text += '\n';
        }
        f.setBytes(text);
        f.editor->resize(640, 400);
        f.editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.editor.get()));
        f.send(Sci::SCI_DOCUMENTEND);
        f.editor->viewport()->repaint();
        for (const int top : {1340, 1440, 1600, 2780}) {
            f.send(Sci::SCI_SETFIRSTVISIBLELINE, top);
            f.editor->viewport()->repaint();
            const qint64 from = f.lineStart(top), to = f.lineStart(top + 12);
            QVERIFY2(f.stylesOf(from, to) == f.scanned().mid(from, to - from),
                     qPrintable(QStringLiteral("run %1, line %2").arg(middleRun).arg(top)));
        }
    }
}

void TestHtmlLexer::schemeColoursTheStyles()
{
    Fixture f("");
    TagColourScheme scheme;
    scheme.setColours(TagCategory::General, ColourCode::encodeRgb(0xFF, 0x10, 0x20));
    scheme.setColours(TagCategory::Links, ColourCode::encodeSystem(13),
                      ColourCode::encodeRgb(0x01, 0x02, 0x03));
    f.lexer->setScheme(scheme);

    auto sciColour = [](const QColor &c) {
        return qint64(c.red() | c.green() << 8 | c.blue() << 16);
    };
    const QPalette palette = f.editor->palette();
    const auto general = static_cast<unsigned long>(TagCategory::General);
    const auto links = static_cast<unsigned long>(TagCategory::Links);
    const auto tables = static_cast<unsigned long>(TagCategory::Tables);
    QCOMPARE(f.send(Sci::SCI_STYLEGETFORE, general), 0x2010FF);
    QCOMPARE(f.send(Sci::SCI_STYLEGETBACK, general), sciColour(palette.color(QPalette::Base)));
    QCOMPARE(f.send(Sci::SCI_STYLEGETFORE, links), sciColour(palette.color(QPalette::Highlight)));
    QCOMPARE(f.send(Sci::SCI_STYLEGETBACK, links), 0x030201);
    // A category that is off looks like plain text.
    QCOMPARE(f.send(Sci::SCI_STYLEGETFORE, tables), sciColour(palette.color(QPalette::Text)));

    f.setBytes("<a href=x>y</a><b>");
    f.styleAll();
    QCOMPARE(f.styles(), QByteArray("uuuuuuuuuu.uuuuggg"));
}

void TestHtmlLexer::colouringOffColoursNothing()
{
    Fixture f("gt");
    f.setBytes("<table>\n&amp;<b>\n");
    f.styleAll();
    const QByteArray on = f.styles();
    f.lexer->setColouring(false);
    f.styleAll();
    QCOMPARE(f.styles(), QByteArray(on.size(), '.'));
    f.lexer->setColouring(true);
    f.styleAll();
    QCOMPARE(f.styles(), on);
}

QTEST_MAIN(TestHtmlLexer)
#include "tst_htmllexer.moc"
