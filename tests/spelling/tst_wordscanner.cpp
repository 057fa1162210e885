// The words that spelling reads in a page, with and without markup and addresses left out,
// and the line-by-line states that let a changed line be read again on its own.
#include "spelling/wordscanner.h"

#include <QtTest>

namespace {

QString wordsOf(const QString &text, SpellingScope scope)
{
    QStringList out;
    for (const FoundWord &w : WordScanner(scope).words(text))
        out << w.text;
    return out.join(u' ');
}

constexpr SpellingScope Everything{false, false};
constexpr SpellingScope NoMarkup{true, false};
constexpr SpellingScope NoMarkupNoAddresses{true, true};

} // namespace

class TestWordScanner : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void markupIsLeftOut_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("words");
        QTest::addRow("tags and their attributes") << "<p class=\"intro\">Some <b>bold</b> text</p>"
                                                   << "Some bold text";
        QTest::addRow("alt and title values are text")
            << "<img src=\"pic.gif\" alt=\"A red kat\" TITLE='big dog' width=10>"
            << "A red kat big dog";
        QTest::addRow("unquoted alt value") << "<img alt=Picture src=x>after"
                                            << "Picture after";
        QTest::addRow("other values are not") << "<a href=\"pagge.htm\" name=wrongg>link</a>"
                                              << "link";
        QTest::addRow("a tag across lines")
            << "<img\n  src=\"x.gif\"\n  alt=\"first\n second\"\n  class=zzz>text"
            << "first second text";
        QTest::addRow("script block") << "before<script type=\"x\">\nvar wordd = 'stringg';\n"
                                         "if (a < b) {}\n</SCRIPT>after"
                                      << "before after";
        QTest::addRow("style block") << "<style>\nbody { colr: red }\n</style>\nend"
                                     << "end";
        QTest::addRow("comment") << "one <!-- hiddn\nstill hiddn --> two"
                                 << "one two";
        QTest::addRow("declaration and processing") << "<!DOCTYPE html><?php echo $x > 2; ?>word"
                                                    << "word";
        QTest::addRow("a bare < is text") << "a < b and c<3"
                                          << "a b and c";
        QTest::addRow("entities between words") << "fish &amp; chips&nbsp;now &#169; &copy"
                                                << "fish chips now copy";
        QTest::addRow("letter entities are part of the word")
            << "caf&eacute; na&#239;ve &Eacute;cole don&rsquo;t"
            << "café naïve École don’t";
        QTest::addRow("a word of entities") << "&Eacute;t&eacute; &agrave;&ccedil;a"
                                            << "Été àça";
        QTest::addRow("a lone letter entity is no word") << "caf &eacute; &Eacute;, x&#233;"
                                                         << "caf xé";
    }
    void markupIsLeftOut()
    {
        QFETCH(QString, text);
        QFETCH(QString, words);
        QCOMPARE(wordsOf(text, NoMarkup), words);
    }

    void withoutTheSwitchMarkupIsText()
    {
        // Entities are still the characters they stand for.
        QCOMPARE(wordsOf("<p class=\"x\">caf&eacute; &amp; &eacute;</p>", Everything),
                 "p class x café p");
        QCOMPARE(wordsOf("<script>var x</script>", Everything), "script var x script");
    }

    void addressesAreLeftOutOnlyWhenAsked_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("left");
        QTest::addRow("web address") << "see http://www.exampel.com/pathh?q=1 now"
                                     << "see http www exampel com pathh q now"
                                     << "see now";
        QTest::addRow("www without scheme") << "at www.exampel.org."
                                            << "at www exampel org"
                                            << "at";
        QTest::addRow("mail address") << "write to joe.blogs@exampel.com today"
                                      << "write to joe blogs exampel com today"
                                      << "write to today";
        QTest::addRow("scheme in the middle") << "ftp://x.y/z and mailto:a@b.c"
                                              << "ftp x y z and mailto a b c"
                                              << "and";
        QTest::addRow("in an alt value") << "<img alt=\"see www.exampel.com\">"
                                         << "see www exampel com"
                                         << "see";
    }
    void addressesAreLeftOutOnlyWhenAsked()
    {
        QFETCH(QString, text);
        QFETCH(QString, kept);
        QFETCH(QString, left);
        QCOMPARE(wordsOf(text, NoMarkup), kept);
        QCOMPARE(wordsOf(text, NoMarkupNoAddresses), left);
    }

    void wordsAreWhatAReaderSees_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("words");
        QTest::addRow("apostrophes inside only") << "'quoted' students' don't it’s"
                                                 << "quoted students don't it’s";
        QTest::addRow("names and numbers are not words") << "h1 mp3 2nd my_var 1999 ok"
                                                         << "ok";
        QTest::addRow("hyphens and dashes part words") << "well-known — e-mail"
                                                       << "well known e mail";
        QTest::addRow("accents and other scripts") << "Größe naïve Ελλάδα"
                                                   << "Größe naïve Ελλάδα";
        QTest::addRow("letters outside the basic plane") << "a𝒜b c"
                                                         << "a𝒜b c";
        QTest::addRow("combining marks") << "cafe\u0301 x"
                                         << "cafe\u0301 x";
    }
    void wordsAreWhatAReaderSees()
    {
        QFETCH(QString, text);
        QFETCH(QString, words);
        QCOMPARE(wordsOf(text, NoMarkupNoAddresses), words);
    }

    // Starts and lengths cover the text as written, so a change replaces the entity too.
    void positionsCoverTheWrittenText()
    {
        const QString text = QStringLiteral("<b>x</b>\r\nLe caf&eacute; ici\nfin");
        const QList<FoundWord> words = WordScanner(NoMarkup).words(text);
        QCOMPARE(words.size(), 5);
        QCOMPARE(words[2].text, QStringLiteral("café"));
        QCOMPARE(text.mid(words[2].start, words[2].length), QStringLiteral("caf&eacute;"));
        QCOMPARE(text.mid(words[4].start, words[4].length), QStringLiteral("fin"));
    }

    // Reading one line with the state the line before it ended in gives what reading the whole
    // text gives, at every line of a page that has every kind of markup open across lines.
    void linesReadAloneAgreeWithTheWholeText()
    {
        const QString page = QStringLiteral(
            "<html><head><title>A titel</title>\n<style type=\"text/css\">\np { x: y }\n"
            "</style>\n<script>\nif (a<b) s = \"</p>\";\n</script></head>\n<body>\n"
            "<!-- a\ncomment -->\n<img\nalt=\"alt\ntext\"\nsrc=\"x\n\">\n<p title=one\n"
            "two>para graph</p>\n<? pi\n?>tail\n");
        const WordScanner scanner(NoMarkupNoAddresses);
        const QStringList lines = page.split(u'\n');
        QStringList perLine;
        int state = WordScanner::StartState;
        for (const QString &line : lines) {
            QList<FoundWord> words;
            const int end = scanner.scanLine(line, state, words);
            QCOMPARE(scanner.endState(line, state), end);
            state = end;
            for (const FoundWord &w : words)
                perLine << w.text;
        }
        QCOMPARE(perLine.join(u' '), wordsOf(page, NoMarkupNoAddresses));
        QCOMPARE(perLine.join(u' '), QStringLiteral("A titel alt text one para graph tail"));
    }

    void entityLetters()
    {
        QCOMPARE(WordScanner::entityLetter(u"&eacute;"), QChar(0xE9));
        QCOMPARE(WordScanner::entityLetter(u"&#233;"), QChar(0xE9));
        QCOMPARE(WordScanner::entityLetter(u"&#xE9;"), QChar(0xE9));
        QCOMPARE(WordScanner::entityLetter(u"&oelig;"), QChar(0x153));
        QVERIFY(WordScanner::entityLetter(u"&nbsp;").isNull());
        QVERIFY(WordScanner::entityLetter(u"&amp;").isNull());
        QVERIFY(WordScanner::entityLetter(u"&#99999999;").isNull());
        QVERIFY(WordScanner::entityLetter(u"&bogus;").isNull());
    }
};

QTEST_APPLESS_MAIN(TestWordScanner)
#include "tst_wordscanner.moc"
