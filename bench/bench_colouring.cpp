// Speed of the tag colouring: the byte scanner alone, the scanner through a QsciScintilla
// document, and the restyle that follows a keystroke near the start of a small and of a huge
// page. Prints figures; never fails on time.

#include "tagcolouring/htmllexer.h"
#include "tagcolouring/tagcolourer.h"

#include "benchsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <Qsci/qsciscintilla.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

using Sci = QsciScintillaBase;

// A page of the usual mix: text with entities, tables, lists, links, images, comments, a
// script and a style block, repeated with changing numbers up to `bytes`.
QByteArray generatePage(qint64 bytes)
{
    QByteArray page = "<!DOCTYPE html>\n<html>\n<head>\n<title>Test page</title>\n"
                      "<style>\nbody { color: #000; }\n</style>\n</head>\n<body>\n";
    for (int i = 0; page.size() < bytes; ++i) {
        const QByteArray n = QByteArray::number(i);
        page += "<h2>Section " + n +
                "</h2>\n<p>Some text &amp; more text, caf&eacute; and "
                "&copy; 2024. A <b>bold</b> and <i>italic</i> word, then a "
                "<a href=\"page" +
                n +
                ".html\">link</a>.</p>\n"
                "<!-- section " +
                n +
                " -->\n<ul>\n<li>first item</li>\n<li>second &lt;item&gt;"
                "</li>\n</ul>\n<table border=\"1\">\n<tr><td>" +
                n +
                "</td><td>cell</td></tr>\n"
                "</table>\n<img src=\"pic" +
                n + ".gif\" width=\"10\" height=\"10\">\n";
        if (i % 20 == 0)
            page += "<script>\nvar x = " + n +
                    "; if (x < 3) { document.write('<p>'); }\n"
                    "</script>\n<form action=\"go\"><input name=\"q\"></form>\n";
    }
    return page + "</body>\n</html>\n";
}

template <typename F> double bestSeconds(int runs, F &&f)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        best = std::min(best, t.nsecsElapsed() / 1e9);
    }
    return best;
}

double megabytes(qint64 bytes)
{
    return static_cast<double>(bytes) / 1e6;
}

// Calls f(line, length) for each line of the page, its line break included.
template <typename F> void forEachLine(const QByteArray &page, F &&f)
{
    const char *p = page.constData();
    const char *end = p + page.size();
    while (p < end) {
        const char *nl = static_cast<const char *>(std::memchr(p, '\n', std::size_t(end - p)));
        const char *next = nl ? nl + 1 : end;
        f(p, std::size_t(next - p));
        p = next;
    }
}

void scanner(const QByteArray &page, const TagColourScheme &scheme)
{
    const TagColourer colourer(scheme);
    std::vector<std::uint8_t> styles(static_cast<std::size_t>(page.size()));
    const double s =
        bestSeconds(5, [&] { colourer.colour(page.constData(), styles.size(), styles.data()); });
    std::printf("scanner, whole %.0f MB page:           %8.0f MB/s\n", megabytes(page.size()),
                megabytes(page.size()) / s);
    const double lines = bestSeconds(3, [&] {
        int state = 0;
        forEachLine(page, [&](const char *line, std::size_t length) {
            state = colourer.colour(line, length, styles.data() + (line - page.constData()), state);
        });
    });
    std::printf("scanner, line by line:                %8.0f MB/s\n",
                megabytes(page.size()) / lines);
    const double states = bestSeconds(3, [&] {
        int state = 0;
        forEachLine(page, [&](const char *line, std::size_t length) {
            state = colourer.endState(line, length, state);
        });
    });
    std::printf("line states only, line by line:       %8.0f MB/s\n",
                megabytes(page.size()) / states);
}

struct Document
{
    QsciScintilla editor;
    HtmlLexer *lexer = new HtmlLexer(&editor);

    Document(const QByteArray &page, const TagColourScheme &scheme)
    {
        lexer->setScheme(scheme);
        editor.SendScintilla(Sci::SCI_APPENDTEXT, page.size(), page.constData());
    }
    qint64 send(unsigned int m, unsigned long w = 0, long l = 0)
    {
        return editor.SendScintilla(m, w, l);
    }
    void styleTo(qint64 pos) { emit editor.SCN_STYLENEEDED(static_cast<int>(pos)); }
};

void throughEditor(const QByteArray &page, const TagColourScheme &scheme)
{
    Document doc(page, scheme);
    const double s = bestSeconds(3, [&] {
        doc.lexer->recolourAll();
        doc.styleTo(doc.send(Sci::SCI_GETLENGTH));
    });
    std::printf("QsciScintilla document, whole page:    %8.0f MB/s\n", megabytes(page.size()) / s);
}

// Ctrl+End on a page whose first screen is styled: the text between is put off, with only
// its line states worked out.
void jumpToEnd(const QByteArray &page, const TagColourScheme &scheme)
{
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        Document doc(page, scheme);
        doc.styleTo(doc.send(Sci::SCI_POSITIONFROMLINE, 60));
        const double before = BenchSupport::threadCpuMs();
        doc.styleTo(doc.send(Sci::SCI_GETLENGTH));
        best = std::min(best, BenchSupport::threadCpuMs() - before);
    }
    std::printf("jump to the end of a %.0f MB page:      %8.1f ms of CPU\n", megabytes(page.size()),
                best);
}

// A keystroke on line 5 and its removal, each followed by the styling one screen asks for;
// without styling, the figure is Scintilla's own cost of the edit.
void keystrokes(const QByteArray &page, const TagColourScheme &scheme, bool style)
{
    Document doc(page, scheme);
    doc.styleTo(doc.send(Sci::SCI_GETLENGTH));
    const qint64 at = doc.send(Sci::SCI_POSITIONFROMLINE, 5) + 3;
    const qint64 screen = doc.send(Sci::SCI_POSITIONFROMLINE, 60);
    constexpr int edits = 500;
    const qint64 styledBefore = doc.lexer->styledBytes();
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < edits / 2; ++i) {
        doc.editor.SendScintilla(Sci::SCI_INSERTTEXT, at, "x");
        if (style)
            doc.styleTo(screen);
        doc.send(Sci::SCI_DELETERANGE, at, 1);
        if (style)
            doc.styleTo(screen);
    }
    const double ms = t.nsecsElapsed() / 1e6 / edits;
    std::printf("one-character edit near the start, %2.0f MB page%s: %7.4f ms per edit, "
                "%lld bytes restyled per edit\n",
                megabytes(page.size()), style ? "" : " (no styling)", ms,
                static_cast<long long>((doc.lexer->styledBytes() - styledBefore) / edits));
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const TagColourScheme scheme = TagColourScheme::firstStartColours();
    const QByteArray big = generatePage(50'000'000);
    const QByteArray small = big.left(1'000'000);

    scanner(big, scheme);
    throughEditor(big, scheme);
    jumpToEnd(big, scheme);
    for (bool style : {true, false}) {
        keystrokes(small, scheme, style);
        keystrokes(big, scheme, style);
    }
    return 0;
}
