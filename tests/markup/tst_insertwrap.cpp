#include "base/editingoptions.h"
#include "base/settingsfile.h"
#include "editor/memoryeditor.h"
#include "markup/insertwrap.h"
#include "selectionmarkup.h"

#include <QTemporaryDir>
#include <QtTest>

class TestInsertWrap : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<SettingsFile> m_settings;
    std::unique_ptr<EditingOptions> m_options;
    MemoryEditor m_scratch;
    MemoryEditor m_doc;
    QStringList m_tips;
    std::unique_ptr<InsertWrap> m_iw;

    void setCaseAndQuotes(bool ucase, bool apostrophe)
    {
        QVERIFY(m_settings->write(Keys::UCase, ucase));
        QVERIFY(m_settings->write(Keys::Apostrophe, apostrophe));
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        const QString path = m_dir.filePath(QStringLiteral("quillm.ini"));
        QFile::remove(path);
        m_settings = std::make_unique<SettingsFile>(path);
        m_options = std::make_unique<EditingOptions>(*m_settings);
        m_tips.clear();
        m_doc.setLineBreak(QStringLiteral("\r\n")); // the texts below are CR LF pages
        m_iw =
            std::make_unique<InsertWrap>(*m_settings, *m_options, m_scratch,
                                         [this](TextEditor &, const QString &t) { m_tips << t; });
    }

    void autoIndent_data();
    void autoIndent();
    void conversionKeepsTheTextsCase();
    void stateIsClearedAfterEachInsert();
    void emptyInsertLeavesTheDocumentAlone();
    void tipperKeepsTheCaretInTheText();
    void generatedLinesTakeThePagesLineBreak_data();
    void generatedLinesTakeThePagesLineBreak();
    void upperCaseKeepsAddressesAndEntities_data();
    void upperCaseKeepsAddressesAndEntities();
    void lowerCaseChangesNamesOnly_data();
    void lowerCaseChangesNamesOnly();
    void wrapInLowerCaseKeepsTheSelection();
    void wrapUpperCaseKeepsTheAddressBeingTyped();
    void apostrophesKeepEveryTagValid_data();
    void apostrophesKeepEveryTagValid();
    void wrappedTextInsideAValueDecidesTheQuotes();
};

// Wrapping in "<X>\r\n" and "\r\n</X>" (or inserting "a\r\nb" in front of the selection)
// with auto-indent on.
void TestInsertWrap::autoIndent_data()
{
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("tabs, caret lands after them") << true << "\t\tx|"
                                                  << "\t\tx<X>\r\n\t\t|\r\n\t\t</X>";
    QTest::newRow("blanks") << true << "   |"
                            << "   <X>\r\n   |\r\n   </X>";
    QTest::newRow("only the leading run counts") << true << " \tx|"
                                                 << " \tx<X>\r\n |\r\n </X>";
    QTest::newRow("unindented line") << true << "x\t|"
                                     << "x\t<X>\r\n|\r\n</X>";
    QTest::newRow("empty line") << true << "a\r\n|\r\nb"
                                << "a\r\n<X>\r\n|\r\n</X>\r\nb";
    QTest::newRow("selection carries the whole indent") << true << "^\t\tfoo|"
                                                        << "<X>\r\n^\t\tfoo|\r\n</X>";
    // The selected text already starts with the prefix, so it gets none: the restored
    // selection must not move by the indent it did not get.
    QTest::newRow("selection already starts with the prefix") << true << "\t\t^\t\tfoo|"
                                                              << "\t\t<X>\r\n^\t\tfoo|\r\n\t\t</X>";
    // Lines of the selection get the prefix too and stay inside the restored selection.
    QTest::newRow("multi-line selection") << true << "\t^a\r\nb|"
                                          << "\t<X>\r\n\t^a\r\n\tb|\r\n\t</X>";
    QTest::newRow("selection ending with a line break") << true << "\t^a\r\n|"
                                                        << "\t<X>\r\n\t^a\r\n|\t\r\n\t</X>";
    QTest::newRow("line feeds only") << true << "\t^a\nb|"
                                     << "\t<X>\r\n\t^a\n\tb|\r\n\t</X>";
    QTest::newRow("insert before a selection") << false << "\t^x|"
                                               << "\ta\r\n\tb^x|";
    QTest::newRow("insert, line already indented") << false << "\t\t|"
                                                   << "\t\ta\r\n\t\tb|";
}

void TestInsertWrap::autoIndent()
{
    QFETCH(bool, wrap);
    QFETCH(QString, before);
    QFETCH(QString, after);
    m_settings->write(Keys::AutoIndent, QStringLiteral("yes"));
    SelectionMarkup::set(m_doc, before);
    if (wrap) {
        QString start = QStringLiteral("<X>\r\n");
        QString end = QStringLiteral("\r\n</X>");
        m_iw->addtags(m_doc, start, end);
        QVERIFY(start.isEmpty() && end.isEmpty());
    } else {
        m_iw->insertText(m_doc, QStringLiteral("a\r\nb"), false);
    }
    QCOMPARE(SelectionMarkup::get(m_doc), after);
    m_doc.undo();
    QCOMPARE(SelectionMarkup::get(m_doc), before);
}

void TestInsertWrap::conversionKeepsTheTextsCase()
{
    setCaseAndQuotes(true, true);
    SelectionMarkup::set(m_doc, QStringLiteral("x ^Ab \"q\"| y"));
    m_iw->setInsertMode(InsertMode::ConvSelection);
    m_iw->insertText(m_doc, QStringLiteral("<UL>\r\n\t<LI>Ab \"q\"</UL>"), true);
    QCOMPARE(SelectionMarkup::get(m_doc), QStringLiteral("x <UL>\r\n\t<LI>Ab \"q\"</UL>| y"));
    QCOMPARE(m_iw->insertMode(), InsertMode::Direct);
}

void TestInsertWrap::stateIsClearedAfterEachInsert()
{
    setCaseAndQuotes(true, false);
    SelectionMarkup::set(m_doc, QStringLiteral("|"));
    m_iw->setParts(QStringLiteral("<a>"), QStringLiteral("</a>"));
    m_iw->insertText(m_doc, QStringLiteral("<br>"), true);
    QCOMPARE(m_iw->startPart(), QString());
    QCOMPARE(m_iw->endPart(), QString());
    QVERIFY(!m_iw->caseAndQuote());
    QCOMPARE(m_scratch.text(), QString());
    // The flag was used up: the next insert keeps its case.
    m_iw->insertText(m_doc, QStringLiteral("<br>"), false);
    QCOMPARE(SelectionMarkup::get(m_doc), QStringLiteral("<BR><br>|"));
}

void TestInsertWrap::emptyInsertLeavesTheDocumentAlone()
{
    SelectionMarkup::set(m_doc, QStringLiteral("a^bc|"));
    m_doc.setModified(false);
    m_iw->insertText(m_doc, QString(), true);
    m_iw->boardit(m_doc); // empty scratch editor
    QCOMPARE(SelectionMarkup::get(m_doc), QStringLiteral("a^bc|"));
    QVERIFY(!m_doc.isModified());
}

void TestInsertWrap::tipperKeepsTheCaretInTheText()
{
    SelectionMarkup::set(m_doc, QStringLiteral("|"));
    m_iw->setParts(QStringLiteral("<A>"), QStringLiteral("</A>"));
    m_iw->tipper(m_doc, QStringLiteral("it"), 50);
    QCOMPARE(SelectionMarkup::get(m_doc), QStringLiteral("|<A></A>"));
    QCOMPARE(m_tips, QStringList{QStringLiteral("Type it here")});
    m_iw->setTipSink({});
    m_iw->setParts(QStringLiteral("<B>"), QString());
    m_iw->tipper(m_doc, QStringLiteral("it"), 1); // no sink: nothing to show
    QCOMPARE(SelectionMarkup::get(m_doc), QStringLiteral("<B|><A></A>"));
}

// Whatever line breaks the parts and texts are built with, they reach the page with its own;
// the wrapped selection keeps its line breaks as they are.
void TestInsertWrap::generatedLinesTakeThePagesLineBreak_data()
{
    QTest::addColumn<QString>("lineBreak");
    QTest::addColumn<QString>("wrapped");
    QTest::addColumn<QString>("inserted");
    QTest::newRow("LF page") << "\n"
                             << "<X>\n^a\r\nb|\n</X>"
                             << "1\n2\n3\n|";
    QTest::newRow("CR page") << "\r"
                             << "<X>\r^a\r\nb|\r</X>"
                             << "1\r2\r3\r|";
}

void TestInsertWrap::generatedLinesTakeThePagesLineBreak()
{
    QFETCH(QString, lineBreak);
    QFETCH(QString, wrapped);
    QFETCH(QString, inserted);
    m_doc.setLineBreak(lineBreak);
    SelectionMarkup::set(m_doc, QStringLiteral("^a\r\nb|"));
    QString start = QStringLiteral("<X>\r\n");
    QString end = QStringLiteral("\r\n</X>");
    m_iw->addtags(m_doc, start, end);
    QCOMPARE(SelectionMarkup::get(m_doc), wrapped);

    SelectionMarkup::set(m_doc, QStringLiteral("|"));
    m_iw->insertText(m_doc, QStringLiteral("1\r\n2\n3\r"), false);
    QCOMPARE(SelectionMarkup::get(m_doc), inserted);

    // The tip's caret counts back from the end of the start part as it was given.
    SelectionMarkup::set(m_doc, QStringLiteral("|"));
    m_iw->setParts(QStringLiteral("<A x=\"\">\r\n<B>"), QStringLiteral("</A>"));
    m_iw->tipper(m_doc, QStringLiteral("it"), 7);
    QCOMPARE(SelectionMarkup::get(m_doc),
             QStringLiteral("<A x=\"|\">") + lineBreak + QStringLiteral("<B></A>"));
}

// "ucase" upper-cases tags and attribute names, but a file name, an address or a character
// entity in another letter case is another one.
void TestInsertWrap::upperCaseKeepsAddressesAndEntities_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("image") << "<img src=\"Pics/Cat.gif\" align=\"left\" alt=\"a\">"
                           << "<IMG SRC=\"Pics/Cat.gif\" ALIGN=\"left\" ALT=\"a\">";
    QTest::newRow("every address attribute")
        << "<a href='Ab.htm'><body background=Tile.GIF><form action=\"/Go\"><object data=X.swf>"
        << "<A HREF='Ab.htm'><BODY BACKGROUND=Tile.GIF><FORM ACTION=\"/Go\"><OBJECT DATA=X.swf>";
    QTest::newRow("data-* attributes") << "<p data-Key=\"MixedCase\">"
                                       << "<P DATA-KEY=\"MixedCase\">";
    QTest::newRow("blanks around =") << "<img src = \"a B.gif\" >"
                                     << "<IMG SRC = \"a B.gif\" >";
    QTest::newRow("bare attribute") << "background=\"img/Back.JPG\""
                                    << "BACKGROUND=\"img/Back.JPG\"";
    QTest::newRow("entities") << "<p>caf&eacute; &#xe9; &amp;c &nbsp x</p>"
                              << "<P>caf&eacute; &#xe9; &amp;c &nbsp x</P>";
    QTest::newRow("similar names are not addresses") << "<img srcset=\"a.gif\" xsrc=\"b\">"
                                                     << "<IMG SRCSET=\"a.gif\" XSRC=\"b\">";
    QTest::newRow("the user's words") << "<img alt=\"Bob's cat\" title='Say \"hi\"'>"
                                      << "<IMG ALT=\"Bob's cat\" TITLE='Say \"hi\"'>";
    QTest::newRow("comments and text") << "<!-- keep me -->Text <b class=hl>x</b>"
                                       << "<!-- keep me -->Text <B CLASS=hl>x</B>";
    QTest::newRow("open quote runs to the end") << "<a href=\"Ab"
                                                << "<A HREF=\"Ab";
}

void TestInsertWrap::upperCaseKeepsAddressesAndEntities()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    setCaseAndQuotes(true, false);
    SelectionMarkup::set(m_doc, QStringLiteral("|"));
    m_iw->insertText(m_doc, text, true);
    QCOMPARE(m_doc.text(), expected);
    QCOMPARE(m_doc.text().size(), text.size());
}

// Lower case reaches the tag and attribute names the program builds and nothing else: values,
// addresses, entities, comments and the text between tags keep their letters.
void TestInsertWrap::lowerCaseChangesNamesOnly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("image address") << "<IMG SRC=\"Pic.PNG\" ALIGN=\"LEFT\" ALT=\"A Cat\">"
                                   << "<img src=\"Pic.PNG\" align=\"LEFT\" alt=\"A Cat\">";
    QTest::newRow("unquoted values and end tags") << "<A HREF=Ab.HTM TARGET=_Top>Go</A>"
                                                  << "<a href=Ab.HTM target=_Top>Go</a>";
    QTest::newRow("entities and text") << "<P>CAF&Eacute; &NBSP; Big TEXT</P>"
                                       << "<p>CAF&Eacute; &NBSP; Big TEXT</p>";
    QTest::newRow("comments") << "<!-- KEEP ME --><BR CLEAR=\"LEFT\">"
                              << "<!-- KEEP ME --><br clear=\"LEFT\">";
    QTest::newRow("bare attribute") << "BACKGROUND=\"img/Back.JPG\""
                                    << "background=\"img/Back.JPG\"";
    QTest::newRow("letters outside a to z stay") << "<DIV TITLE=\"É\" DATA-Ä=\"x\">"
                                                 << "<div title=\"É\" data-Ä=\"x\">";
}

void TestInsertWrap::lowerCaseChangesNamesOnly()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QVERIFY(m_settings->write(Keys::TagCase, QStringLiteral("lower")));
    SelectionMarkup::set(m_doc, QStringLiteral("|"));
    m_iw->insertText(m_doc, text, true);
    QCOMPARE(m_doc.text(), expected);
    // Inserts outside the case rules (pastes, the user's own snippets) are left alone.
    m_doc.setText(QString());
    m_iw->insertText(m_doc, text, false);
    QCOMPARE(m_doc.text(), text);
}

// The parts of a wrap go into lower case; the user's selection, even a tag of its own or an
// address inside the value the parts open, keeps its letters.
void TestInsertWrap::wrapInLowerCaseKeepsTheSelection()
{
    QVERIFY(m_settings->write(Keys::TagCase, QStringLiteral("lower")));
    QVERIFY(m_settings->write(Keys::UCase, true)); // "tagcase" decides over it
    SelectionMarkup::set(m_doc, QStringLiteral("^Page.HTM|"));
    QString start = QStringLiteral("<A CLASS=\"X\" HREF=\"");
    QString end = QStringLiteral("\">GO</A>");
    m_iw->addtags(m_doc, start, end);
    QCOMPARE(SelectionMarkup::get(m_doc),
             QStringLiteral("<a class=\"X\" href=\"^Page.HTM|\">GO</a>"));

    SelectionMarkup::set(m_doc, QStringLiteral("^<B>Bold</B>|"));
    start = QStringLiteral("<P>");
    end = QStringLiteral("</P>");
    m_iw->addtags(m_doc, start, end);
    QCOMPARE(SelectionMarkup::get(m_doc), QStringLiteral("<p>^<B>Bold</B>|</p>"));
}

// Wrap selection upper-cases its parts on their own; a start part that ends inside an href
// value keeps the wrapped address as it is, and the caret offsets stay valid.
void TestInsertWrap::wrapUpperCaseKeepsTheAddressBeingTyped()
{
    setCaseAndQuotes(true, true);
    SelectionMarkup::set(m_doc, QStringLiteral("^Page.htm|"));
    QString start = QStringLiteral("<a class=\"x\" href=\"");
    QString end = QStringLiteral("\">Go</a>");
    m_iw->addtags(m_doc, start, end);
    QCOMPARE(SelectionMarkup::get(m_doc), QStringLiteral("<A CLASS='x' HREF='^Page.htm|'>Go</A>"));
}

// With "apostrophe" on, a value that holds an apostrophe keeps its double quotes; the
// names follow "ucase", the values and the text never change.
void TestInsertWrap::apostrophesKeepEveryTagValid_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("image read back") << "<IMG src=\"a.gif\" alt=\"Bob's cat\" title=\"Say 'hi'\">"
                                     << "<IMG SRC='a.gif' ALT=\"Bob's cat\" TITLE=\"Say 'hi'\">";
    QTest::newRow("target with a quote") << "<A href=\"a.htm\" target='my\"frame'>"
                                         << "<A HREF='a.htm' TARGET='my\"frame'>";
    QTest::newRow("custom block class") << "<div class=\"hl\">"
                                        << "<DIV CLASS='hl'>";
    QTest::newRow("quotes in the text") << "<p>\"Yes\", she said</p>"
                                        << "<P>\"Yes\", she said</P>";
}

void TestInsertWrap::apostrophesKeepEveryTagValid()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    setCaseAndQuotes(true, true);
    SelectionMarkup::set(m_doc, QStringLiteral("|"));
    m_iw->insertText(m_doc, text, true);
    QCOMPARE(m_doc.text(), expected);
}

// The selection wrapped into a value is part of it: an apostrophe there keeps the double
// quotes the parts put around it, and the selection itself is never re-cased.
void TestInsertWrap::wrappedTextInsideAValueDecidesTheQuotes()
{
    setCaseAndQuotes(true, true);
    SelectionMarkup::set(m_doc, QStringLiteral("^Bob's <b>page</b>|"));
    QString start = QStringLiteral("<a title=\"");
    QString end = QStringLiteral("\">");
    m_iw->addtags(m_doc, start, end);
    QCOMPARE(SelectionMarkup::get(m_doc), QStringLiteral("<A TITLE=\"^Bob's <b>page</b>|\">"));
}

QTEST_GUILESS_MAIN(TestInsertWrap)
#include "tst_insertwrap.moc"
