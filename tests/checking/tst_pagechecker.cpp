// The page check on texts and files: what each kind of problem gives, and what a valid
// HTML5 page must not give.
#include "checking/pagechecker.h"
#include "testfiles.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

using Kind = PageProblem::Kind;

// "LINE:COLUMN kind", one entry per problem, for comparisons that read as the page does.
QStringList places(const QList<PageProblem> &problems)
{
    QStringList out;
    for (const PageProblem &p : problems)
        out << QStringLiteral("%1:%2 %3")
                   .arg(p.line)
                   .arg(p.column)
                   .arg(p.kind == Kind::Error ? "error" : "warning");
    return out;
}

QString page(const QString &body)
{
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\">\n<head><meta charset=\"utf-8\">"
                          "<title>T</title></head>\n<body>\n") +
           body + QStringLiteral("</body>\n</html>\n");
}

} // namespace

class TestPageChecker : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aValidHtml5PageHasNoProblems()
    {
        const QString body = QStringLiteral(
            "<main><section><article><header>h</header><nav><a href=\"#s\">s</a></nav>\n"
            "<figure><figcaption>c</figcaption></figure></article></section>\n"
            "<my-widget data-x=\"1\">custom</my-widget>\n"
            "<search><p><data value=\"1\">one</data></p></search>"
            "<template><li>\U0001F600</li><td>cell</td></template>\n"
            "<video src=\"https://example.org/v.mp4\" controls></video>\n"
            "<table><tr><td>1<td>2</table><ul><li>a<li>b</ul><p>a<p>b\n"
            "<details><summary>s</summary>d</details><span id=\"s\"></span><i></i>\n"
            "<label>Name <input name=\"n\"></label><input type=\"submit\">\n"
            "<label for=\"e\">Mail</label><input id=\"e\" type=\"email\" required>\n"
            "<img src=\"data:image/png;base64,AAAA\" alt=\"\"><a href=\"mailto:a@b.c\">m</a>\n"
            "<script>if (a < b) { x = \"</p><img src=gone.png>\"; }</script>\n"
            "<svg width=\"9\" height=\"9\"><circle cx=\"4\" cy=\"4\" r=\"3\"/></svg>\n"
            "<a href=\"#top\">top</a><a href=\"?page=2\">2</a>"
            "</main>\n");
        const auto problems = checkPage(page(body), {});
        QVERIFY2(problems.isEmpty(),
                 qPrintable(places(problems).join(u' ') + u' ' +
                            (problems.isEmpty() ? QString() : problems[0].message)));
    }

    void eachStructuralMistakeIsOneError()
    {
        // Line numbers: the page's body starts on line 5.
        const QString body = QStringLiteral("<p>one <b>two</i> three</p>\n"        // 5
                                            "<div><span>open\n"                    // 6
                                            "</div>\n"                             // 7
                                            "<p>after</p><p>more</p>\n"            // 8
                                            "<p id=\"x\">a</p><p id=\"x\">b</p>\n" // 9
                                            "<a href=\"#nowhere\">n</a>\n");       // 10
        const auto problems = checkPage(page(body), {});
        const QStringList found = places(problems);
        // The wrong end tag; the open <span> once, not again in every later paragraph.
        QVERIFY2(found.contains("5:8 error"), qPrintable(found.join(u' ')));
        QCOMPARE(found.count("5:8 error") + found.count("5:11 error") >= 1, true);
        int spanReports = 0;
        for (const PageProblem &p : problems)
            spanReports += p.message.contains("</span>");
        QCOMPARE(spanReports, 1);
        QVERIFY(found.contains("9:23 error")); // the second id="x", at its value
        QVERIFY(found.contains("10:10 error"));
        for (const PageProblem &p : problems)
            QVERIFY2(p.line >= 5 && p.line <= 10, qPrintable(p.message));
    }

    void aStrayQuoteIsAnError()
    {
        const auto problems = checkPage(page("<p class=\"a\"b\">x</p>\n"), {});
        QCOMPARE(places(problems), QStringList{"5:1 error"});
        QVERIFY(problems[0].message.contains("quote"));
    }

    // libtidy reports how it mends the page for its own output; what needs no mending is not
    // the page's problem, and what does is said as the page has it.
    void libtidysRepairsAreNotProblemsButWhatTheyMendIs()
    {
        const auto untitled =
            checkPage(QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\">\n<head><meta "
                                     "charset=\"utf-8\"></head>\n<body><p>x</p></body>\n</html>\n"),
                      {});
        QCOMPARE(places(untitled), QStringList{"3:1 warning"});
        QCOMPARE(untitled[0].message, QStringLiteral("the page has no <title> element"));

        // Left-out tags and end tags a page may leave out, an address with letters beyond
        // ASCII, an inline element reopened in the following paragraphs: nothing to say.
        QVERIFY(checkPage(QStringLiteral("<!DOCTYPE html>\n<title>T</title>\n<p>caf\u00e9<p>"
                                         "<a href=\"https://example.org/caf\u00e9\">x</a>\n"
                                         "<ul><li>a<li>b</ul><table><tr><td>1</table>\n"),
                          {})
                    .isEmpty());
        QCOMPARE(places(checkPage(page("<p><b>open</p>\n<p>one</p>\n<p>two</p>\n"), {})),
                 QStringList{"5:4 error"});
        QCOMPARE(places(checkPage(page("<p><b><i>x</b></i></p>\n"), {})), QStringList{"5:7 error"});

        const auto mended = checkPage(
            page("</span><p class=\"a\" class=\"b\">x</p>\n<xmp>y</xmp> &#128;</p>\n"), {});
        QStringList messages;
        for (const PageProblem &p : mended)
            messages << p.message;
        QCOMPARE(messages, (QStringList{"end tag </span> closes no open element",
                                        "<p> has the attribute \"class\" twice",
                                        "<xmp> is obsolete: use <pre>",
                                        "invalid numeric character reference 128",
                                        "end tag </p> closes no open element"}));
        // A stray </p> makes an empty paragraph; libtidy says only that it put one in.
        QCOMPARE(places(mended), (QStringList{"5:1 error", "5:8 error", "6:1 warning",
                                              "6:14 warning", "6:20 error"}));
    }

    void columnsCountCharactersAndTabs()
    {
        // A tab is one column and an emoji one character, in libtidy's reports and ours.
        const QString body = QStringLiteral("\t\U0001F600<p id=\"d\">x</p><i id=\"d\">y</i>\n"
                                            "\t<p>\U0001F600 <b>x</p>\n");
        const QStringList found = places(checkPage(page(body), {}));
        QVERIFY2(found.contains("5:25 error"), qPrintable(found.join(u' ')));
        QVERIFY2(found.contains("6:7 error"), qPrintable(found.join(u' ')));
        // Behind a template, whose content libtidy is not given.
        const QStringList behind =
            places(checkPage(page("<template>\U0001F600</template><p><b>x</p>\n<p>y</p>\n"), {}));
        QVERIFY2(behind.contains("5:26 error"), qPrintable(behind.join(u' ')));
    }

    void alternativeTextAndLabelsAreWarningsThatCanBeTurnedOff()
    {
        const QString body = QStringLiteral("<img src=\"data:x\">\n"
                                            "<input name=\"q\"> <select></select>\n"
                                            "<input aria-label=\"q\"><input type=\"hidden\">\n"
                                            "<textarea title=\"t\"></textarea>\n");
        QCOMPARE(places(checkPage(page(body), {})),
                 (QStringList{"5:1 warning", "6:1 warning", "6:18 warning"}));
        CheckOptions quiet;
        quiet.accessibility = false;
        QVERIFY(checkPage(page(body), quiet).isEmpty());
    }

    void localReferencesAreResolvedAgainstThePagesFolder()
    {
        QTemporaryDir site;
        TestFiles::writeFile(site.filePath("pages/img/logo.png"), "png");
        TestFiles::writeFile(site.filePath("style.css"), "p{}");
        TestFiles::writeFile(site.filePath("pages/Photo.JPG"), "jpg");
        const QString body = QStringLiteral(
            "<img src=\"img/logo.png\" alt=\"\"><img src=\"img/gone.png\" alt=\"\">\n" // 5
            "<link rel=\"stylesheet\" href=\"../style.css\"><a href=\"../none.htm#a\">x</a>\n"
            "<img src=\"photo.jpg\" alt=\"\"><table background=\"img/../img/logo.png\">\n"
            "<tr><td>x</td></tr></table><object data=\"movie.swf\"></object>\n" // 8
            "<a href=\"img%2Flogo.png?x=1\">ok</a><a href=\"/abs.htm\">root</a>\n"
            "<a href=\"file:///nowhere/at/all.htm\">f</a><a href=\"img/\">folder</a>\n");
        CheckOptions options;
        options.base.folder = site.filePath("pages");
        const auto problems = checkPage(page(body), options);
        QCOMPARE(places(problems), (QStringList{"5:42 error", "6:53 error", "7:11 error",
                                                "8:42 error", "10:10 error"}));
        QVERIFY(problems[2].message.contains("Photo.JPG"));

        // A root-relative address is checked against the site's folder when there is one.
        options.base.siteRoot = site.path();
        QCOMPARE(places(checkPage(page(body), options)).size(), 6);
        TestFiles::writeFile(site.filePath("abs.htm"), "x");
        QCOMPARE(places(checkPage(page(body), options)).size(), 5);

        // An unsaved page has no folder: its relative references are left alone, and a page
        // with a base address resolves them elsewhere.
        QVERIFY(checkPage(page("<img src=\"gone.png\" alt=\"\">\n"), {}).isEmpty());
        QVERIFY(checkPage(page("<base href=\"https://example.org/\">"
                               "<img src=\"gone.png\" alt=\"\">\n"),
                          options)
                    .isEmpty());
    }

    void rootRelativeAddressesLeadToTheSitesFolder()
    {
        QTemporaryDir dir;
        const QString site = dir.filePath("site");
        TestFiles::writeFile(site + "/license.html", "l");
        TestFiles::writeFile(site + "/css/Site.css", "p{}");
        TestFiles::writeFile(site + "/pages/license.html", "in the page's folder");
        // Beside the site, where "/../" must not lead.
        TestFiles::writeFile(dir.filePath("outside.html"), "o");
        const QString body = QStringLiteral(
            "<a href=\"/license.html\">l</a><a href=\"/pages/../license.html#x\">l</a>\n" // 5
            "<a href=\"/gone.html\">g</a><link rel=\"stylesheet\" href=\"/css/site.css\">\n"
            "<a href=\"/../outside.html\">o</a><a href=\"/./pages/\">folder</a>\n" // 7
            "<a href=\"//example.org/x.html\">web</a><a href=\"/\">home</a>\n");
        CheckOptions options;
        options.base.folder = site + "/pages";
        options.base.siteRoot = site;
        const auto problems = checkPage(page(body), options);
        QCOMPARE(places(problems), (QStringList{"6:10 error", "6:56 error", "7:10 error"}));
        QVERIFY(problems[1].message.contains("Site.css"));

        // A page of no open project: "/" addresses lead nowhere known and are not checked.
        options.base.siteRoot.clear();
        QVERIFY(checkPage(page(body), options).isEmpty());
    }

    void oddTextNeverBreaksTheCheck()
    {
        // Cut-off tags, a NUL, an unclosed comment and script: problems or none, no crash.
        for (const QString &text :
             {QStringLiteral("<"), QStringLiteral("<a href=\"x"), QString::fromUtf16(u"<p\0>x", 5),
              QStringLiteral("<!-- open"), QStringLiteral("<script>x"), QString(),
              QStringLiteral("</"), QStringLiteral("<a =x ==y>"), QStringLiteral("\r\r\n<b>")}) {
            const auto problems = checkPage(text, {});
            for (const PageProblem &p : problems)
                QVERIFY(p.line >= 1 && p.column >= 1);
        }
    }
};

QTEST_GUILESS_MAIN(TestPageChecker)
#include "tst_pagechecker.moc"
