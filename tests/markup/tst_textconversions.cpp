#include "base/editingoptions.h"
#include "base/settingsfile.h"
#include "editor/memoryeditor.h"
#include "markup/insertwrap.h"
#include "markup/tagremoval.h"
#include "markup/textconversions.h"
#include "scriptedprompter.h"
#include "selectionmarkup.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

enum class Conversion {
    Rows,
    Cells,
    OneCell,
    OrderedPerLine,
    OrderedOneItem,
    UnorderedPerLine,
    UnorderedOneItem,
    LineBreaks,
};

// "closetd", "closetr", "closeli", "lcompact", "qcaption", "ucase", "apostrophe", "tagcase".
struct Quick
{
    bool closeTd = false;
    bool closeTr = false;
    bool closeLi = false;
    bool compact = false;
    bool caption = false;
    bool ucase = false;
    bool apostrophe = false;
    const char *tagCase = ""; // "tagcase"; empty: not written
};

} // namespace

Q_DECLARE_METATYPE(Conversion)
Q_DECLARE_METATYPE(Quick)

class TestTextConversions : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<SettingsFile> m_settings;
    std::unique_ptr<EditingOptions> m_options;
    MemoryEditor m_scratch;
    MemoryEditor m_doc;
    std::unique_ptr<InsertWrap> m_iw;

    std::unique_ptr<TextConverter> converter(const QString &charsPath)
    {
        return std::make_unique<TextConverter>(*m_settings, *m_iw, charsPath);
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        const QString path = m_dir.filePath(QStringLiteral("quillm.ini"));
        QFile::remove(path);
        m_settings = std::make_unique<SettingsFile>(path);
        m_options = std::make_unique<EditingOptions>(*m_settings);
        m_doc.setLineBreak(QStringLiteral("\r\n")); // the texts below are CR LF pages
        m_iw = std::make_unique<InsertWrap>(*m_settings, *m_options, m_scratch);
    }

    void convert_data();
    void convert();
    void attributesAndAutoIndent();
    void oneUndoStep();
    void builtLinesTakeThePagesLineBreak();
    void removeTags_data();
    void removeTags();
    void removeTagsWithoutTheCharFile();
    void charFileEncodings_data();
    void charFileEncodings();
    void charTableThatIsNoRegularFileReadsEmpty();
    void shippedTableGivesBackEveryEntity();
    void shippedTableShape();
};

void TestTextConversions::convert_data()
{
    QTest::addColumn<Conversion>("conversion");
    QTest::addColumn<Quick>("quick");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    const Quick none;
    Quick closeAll;
    closeAll.closeTd = closeAll.closeTr = closeAll.closeLi = true;
    Quick rowsOnly;
    rowsOnly.closeTr = true;
    Quick cellsOnly;
    cellsOnly.closeTd = true;
    Quick upper = closeAll;
    upper.ucase = true;
    upper.compact = true;
    upper.caption = true;
    Quick quotes = closeAll;
    quotes.apostrophe = true;

    // Tables.
    QTest::newRow("rows, two lines, all closed")
        << Conversion::Rows << closeAll << "^a\r\n b |"
        << "<TABLE>\r\n<TR>\r\n\t<TD>a</TD>\r\n</TR>\r\n<TR>\r\n\t<TD>b</TD>\r\n</TR></TABLE>|";
    QTest::newRow("rows, closetr only: one </TR> per row")
        << Conversion::Rows << rowsOnly << "^a\r\nb|"
        << "<TABLE>\r\n<TR>\r\n\t<TD>a\r\n</TR>\r\n<TR>\r\n\t<TD>b\r\n</TR></TABLE>|";
    QTest::newRow("rows, nothing closed") << Conversion::Rows << none << "^a|"
                                          << "<TABLE>\r\n<TR>\r\n\t<TD>a</TABLE>|";
    QTest::newRow("rows, nothing selected: one empty cell")
        << Conversion::Rows << closeAll << "x|"
        << "x<TABLE>\r\n<TR>\r\n\t<TD></TD>\r\n</TR></TABLE>|";
    QTest::newRow("cells, all closed")
        << Conversion::Cells << closeAll << "^a\r\nb|"
        << "<TABLE>\r\n<TR>\r\n\t<TD>a</TD>\r\n\t<TD>b</TD></TR>\r\n</TABLE>|";
    QTest::newRow("cells, closetd only: last </TD> then </TABLE>")
        << Conversion::Cells << cellsOnly << "^a\r\nb|"
        << "<TABLE>\r\n<TR>\r\n\t<TD>a</TD>\r\n\t<TD>b</TD></TABLE>|";
    QTest::newRow("cells, final line break makes a last empty cell")
        << Conversion::Cells << cellsOnly << "^a\r\n|"
        << "<TABLE>\r\n<TR>\r\n\t<TD>a</TD>\r\n\t<TD></TD></TABLE>|";
    QTest::newRow("one cell closes whatever the options say")
        << Conversion::OneCell << none << "^ a\t\r\n\tb\r\nc|"
        << "<TABLE>\r\n<TR>\r\n\t<TD>a\r\n\tb\r\n\tc</TD>\r\n</TR>\r\n</TABLE>|";
    QTest::newRow("caption follows the table tag")
        << Conversion::Rows << Quick{true, true, false, false, true} << "^a|"
        << "<TABLE>\r\n<CAPTION></CAPTION>\r\n<TR>\r\n\t<TD>a</TD>\r\n</TR></TABLE>|";

    // Lists.
    QTest::newRow("unordered per line, empty middle line")
        << Conversion::UnorderedPerLine << closeAll << "^a\r\n\r\nc|"
        << "<UL>\r\n\t<LI>a</LI>\r\n\t<LI></LI>\r\n\t<LI>c</LI></UL>|";
    QTest::newRow("ordered per line, final line break, items open")
        << Conversion::OrderedPerLine << none << "^a\nb\n|"
        << "<OL>\r\n\t<LI>a\r\n\t<LI>b\r\n\t<LI></OL>|";
    QTest::newRow("ordered one item") << Conversion::OrderedOneItem << closeAll << "^a\rb|"
                                      << "<OL>\r\n\t<LI>a\r\n\tb</LI>\r\n</OL>|";
    QTest::newRow("unordered one item, nothing selected")
        << Conversion::UnorderedOneItem << none << "|"
        << "<UL>\r\n\t<LI>\r\n</UL>|";
    QTest::newRow("compact list") << Conversion::UnorderedPerLine
                                  << Quick{false, false, false, true} << "^a|"
                                  << "<UL compact>\r\n\t<LI>a</UL>|";

    // Letter case and quotes.
    QTest::newRow("ucase: tags upper, text kept")
        << Conversion::Cells << upper << "^Mixed case|"
        << "<TABLE>\r\n<CAPTION></CAPTION>\r\n<TR>\r\n\t<TD>Mixed case</TD></TR>\r\n</TABLE>|";
    QTest::newRow("ucase list keeps the text") << Conversion::OrderedOneItem << upper << "^ab|"
                                               << "<OL COMPACT>\r\n\t<LI>ab</LI>\r\n</OL>|";
    Quick lower = upper;
    lower.tagCase = "lower";
    QTest::newRow("lower: built tags lower, text and its tags kept")
        << Conversion::Cells << lower << "^Mixed CASE <B>x</B>|"
        << "<table>\r\n<caption></caption>\r\n<tr>\r\n\t<td>Mixed CASE <B>x</B></td></tr>\r\n"
           "</table>|";
    QTest::newRow("lower rows") << Conversion::Rows << lower << "^A|"
                                << "<table>\r\n<caption></caption>\r\n<tr>\r\n\t<td>A</td>\r\n"
                                   "</tr></table>|";
    QTest::newRow("lower one cell") << Conversion::OneCell << lower << "^A\r\nB|"
                                    << "<table>\r\n<caption></caption>\r\n<tr>\r\n\t<td>A\r\n"
                                       "\tB</td>\r\n</tr>\r\n</table>|";
    QTest::newRow("lower lists") << Conversion::UnorderedPerLine << lower << "^A\r\nB|"
                                 << "<ul compact>\r\n\t<li>A</li>\r\n\t<li>B</li></ul>|";
    QTest::newRow("lower one item") << Conversion::OrderedOneItem << lower << "^AB|"
                                    << "<ol compact>\r\n\t<li>AB</li>\r\n</ol>|";
    QTest::newRow("lower line breaks") << Conversion::LineBreaks << lower << "^A\r\nB|"
                                       << "A<br>\r\nB<br>|";
    QTest::newRow("apostrophe keeps the text")
        << Conversion::UnorderedPerLine << quotes << "^say \"hi\"|"
        << "<UL>\r\n\t<LI>say \"hi\"</LI></UL>|";

    // Line breaks: lines kept as they are, breaks of every kind kept.
    QTest::newRow("line breaks on every line")
        << Conversion::LineBreaks << none << "^ a \r\n\r\nb\nc\rd|"
        << " a <BR>\r\n<BR>\r\nb<BR>\nc<BR>\rd<BR>|";
    QTest::newRow("line breaks: final break gets one too")
        << Conversion::LineBreaks << none << "^a\r\n|"
        << "a<BR>\r\n<BR>|";
    QTest::newRow("line breaks, nothing selected") << Conversion::LineBreaks << none << "x|y"
                                                   << "x<BR>|y";
}

void TestTextConversions::convert()
{
    QFETCH(Conversion, conversion);
    QFETCH(Quick, quick);
    m_settings->write(Keys::CloseTd, quick.closeTd ? "y" : "");
    m_settings->write(Keys::CloseTr, quick.closeTr ? "y" : "");
    m_settings->write(Keys::CloseLi, quick.closeLi ? "y" : "");
    m_settings->write(Keys::LCompact, quick.compact);
    m_settings->write(Keys::QCaption, quick.caption ? "sure" : "");
    m_settings->write(Keys::UCase, quick.ucase);
    m_settings->write(Keys::Apostrophe, quick.apostrophe);
    if (*quick.tagCase)
        m_settings->write(Keys::TagCase, QString::fromLatin1(quick.tagCase));
    QFETCH(QString, before);
    SelectionMarkup::set(m_doc, before);

    const auto c = converter(QString());
    using Table = TextConversions::Table;
    using Kind = QuickCode::ListKind;
    switch (conversion) {
    case Conversion::Rows:
        c->makeTable(m_doc, Table::AsRows);
        break;
    case Conversion::Cells:
        c->makeTable(m_doc, Table::AsCells);
        break;
    case Conversion::OneCell:
        c->makeTable(m_doc, Table::AsOneCell);
        break;
    case Conversion::OrderedPerLine:
        c->makeList(m_doc, Kind::Ordered, true);
        break;
    case Conversion::OrderedOneItem:
        c->makeList(m_doc, Kind::Ordered, false);
        break;
    case Conversion::UnorderedPerLine:
        c->makeList(m_doc, Kind::Unordered, true);
        break;
    case Conversion::UnorderedOneItem:
        c->makeList(m_doc, Kind::Unordered, false);
        break;
    case Conversion::LineBreaks:
        c->addLineBreaks(m_doc);
        break;
    }
    QFETCH(QString, after);
    QCOMPARE(SelectionMarkup::get(m_doc), after);
    QCOMPARE(m_iw->insertMode(), InsertMode::Direct);
    QCOMPARE(m_scratch.length(), 0);
}

void TestTextConversions::attributesAndAutoIndent()
{
    m_settings->write(Keys::TWidth, true);
    m_settings->write(Keys::RAlign, true);
    m_settings->write(Keys::DNoWrap, true);
    m_settings->write(Keys::UCase, true);
    m_settings->write(Keys::AutoIndent, QStringLiteral("ai"));
    SelectionMarkup::set(m_doc, "\t^a|");
    converter(QString())->makeTable(m_doc, TextConversions::Table::AsRows);
    QCOMPARE(SelectionMarkup::get(m_doc),
             "\t<TABLE WIDTH=\"\">\r\n\t<TR ALIGN=\"\">\r\n\t<TD NOWRAP>a</TABLE>|");
}

// A table or list writes the lines it builds with the page's own line break; Add Line Breaks
// keeps the selection's own.
void TestTextConversions::builtLinesTakeThePagesLineBreak()
{
    m_doc.setLineBreak("\n");
    SelectionMarkup::set(m_doc, "^a\r\nb|");
    converter(QString())->makeTable(m_doc, TextConversions::Table::AsRows);
    QVERIFY2(!m_doc.text().contains(u'\r'), qPrintable(m_doc.text()));
    QCOMPARE(m_doc.text().count(u'\n'), 4);
    SelectionMarkup::set(m_doc, "^a\rb\r\nc|");
    converter(QString())->makeList(m_doc, QuickCode::ListKind::Ordered, true);
    QCOMPARE(m_doc.text(), "<OL>\n\t<LI>a\n\t<LI>b\n\t<LI>c</OL>");
    SelectionMarkup::set(m_doc, "^a\rb\r\nc|");
    converter(QString())->addLineBreaks(m_doc);
    QCOMPARE(m_doc.text(), "a<BR>\rb<BR>\r\nc<BR>");
}

void TestTextConversions::oneUndoStep()
{
    m_doc.setText("a\r\nb");
    m_doc.selectAll();
    const auto c = converter(QString());
    c->makeList(m_doc, QuickCode::ListKind::Unordered, true);
    m_doc.undo();
    QCOMPARE(m_doc.text(), "a\r\nb");

    m_doc.setText("<b>x</b>");
    m_doc.selectAll();
    c->removeTags(m_doc);
    m_doc.undo();
    QCOMPARE(m_doc.text(), "<b>x</b>");
}

void TestTextConversions::removeTags_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("tags go, text stays") << "x^<B>bold</B>|y"
                                         << "x|boldy";
    QTest::newRow("tag over several lines") << "^a<A\r\nhref=x>b|"
                                            << "|ab";
    QTest::newRow("< without > keeps the rest") << "^<I>a</I> 1<2 & 3|"
                                                << "|a 1<2 & 3";
    QTest::newRow("< takes the next > after it") << "^<I>a<b</I>c|"
                                                 << "|ac";
    QTest::newRow("> before any < stays") << "^a>b<I>c|"
                                          << "|a>bc";
    QTest::newRow("entity to character") << "^fish &amp; chips|"
                                         << "|fish & chips";
    QTest::newRow("tags go before entities are read") << "^&<br>amp;|"
                                                      << "|&";
    QTest::newRow("entity of 8 characters") << "^&frac14;|"
                                            << "|\u00bc";
    QTest::newRow("longer span untouched") << "^&abcdefgh;|"
                                           << "|&abcdefgh;";
    QTest::newRow("a far ; does not hide a later entity") << "^AT&T and &lt;|"
                                                          << "|AT&T and <";
    QTest::newRow("unknown entity stays") << "^&bogus; &gt;|"
                                          << "|&bogus; >";
    QTest::newRow("letter case counts") << "^&Eacute;&eacute;|"
                                        << "|\u00c9\u00e9";
    QTest::newRow("broken bar") << "^&brvbar;|"
                                << "|\u00a6";
    QTest::newRow("numeric reference from the table") << "^&#8470;|"
                                                      << "|\u2116";
    QTest::newRow("entity made of a converted one is not read again") << "^&amp;lt;|"
                                                                      << "|&lt;";
    QTest::newRow("caret at the start of the result") << "ab^<p>c|d"
                                                      << "ab|cd";
}

void TestTextConversions::removeTags()
{
    QFETCH(QString, before);
    SelectionMarkup::set(m_doc, before);
    converter(QStringLiteral(QM_SOURCE_DATA_DIR "/library/chars"))->removeTags(m_doc);
    QFETCH(QString, after);
    QCOMPARE(SelectionMarkup::get(m_doc), after);
}

void TestTextConversions::removeTagsWithoutTheCharFile()
{
    SelectionMarkup::set(m_doc, "^<B>a &amp; b</B>|");
    converter(m_dir.filePath("library/missing"))->removeTags(m_doc);
    QCOMPARE(SelectionMarkup::get(m_doc), "|a &amp; b");
}

void TestTextConversions::shippedTableGivesBackEveryEntity()
{
    // The entity keywords the tag colouring knows, with the characters they stand for.
    const QStringList names =
        QStringLiteral("nbsp iexcl cent pound curren yen brvbar sect uml copy ordf "
                       "laquo not shy reg macr deg plusmn sup2 sup3 acute micro para "
                       "middot cedil sup1 ordm raquo frac14 frac12 frac34 iquest")
            .split(u' ');
    QString entities;
    QString expected;
    for (int i = 0; i < names.size(); ++i) {
        entities += u'&' + names.at(i) + u';';
        expected += QChar(0xA0 + i);
    }
    QCOMPARE(expected.size(), names.size());
    const QStringList letters =
        QStringLiteral("agrave aacute acirc atilde auml aring aelig ccedil egrave eacute ecirc "
                       "euml igrave iacute icirc iuml eth ntilde ograve oacute ocirc otilde "
                       "ouml")
            .split(u' ');
    for (int i = 0; i < letters.size(); ++i) {
        entities += u'&' + letters.at(i) + u';';
        expected += QChar(0xE0 + i);
    }
    const QStringList rest = QStringLiteral("amp lt gt quot times nbsp oslash ugrave uacute "
                                            "ucirc uuml yacute thorn szlig divide yuml")
                                 .split(u' ');
    entities += QStringLiteral("&amp;&lt;&gt;&quot;&times;&nbsp;&oslash;&ugrave;&uacute;"
                               "&ucirc;&uuml;&yacute;&thorn;&szlig;&divide;&yuml;");
    expected += QStringLiteral("&<>\"\u00d7\u00a0\u00f8\u00f9\u00fa\u00fb\u00fc\u00fd\u00fe"
                               "\u00df\u00f7\u00ff");
    QCOMPARE(names.size() + letters.size() + rest.size(), 71);

    const QStringList table =
        TagRemoval::readCharTable(QStringLiteral(QM_SOURCE_DATA_DIR "/library/chars"));
    QCOMPARE(TagRemoval::removeTags(entities, table), expected);
}

void TestTextConversions::charFileEncodings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("UTF-8 with a byte-order mark")
        << QByteArray("\xEF\xBB\xBF\xC3\xA9..&eacute;\r\n");
    QTest::newRow("old code page") << QByteArray("\xE9..&eacute;\n");
}

// A hand-made table: the first character of its line, whatever the file's encoding.
void TestTextConversions::charFileEncodings()
{
    QFETCH(QByteArray, bytes);
    QDir(m_dir.path()).mkpath("library");
    QFile file(m_dir.filePath("library/chars"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    SelectionMarkup::set(m_doc, "^caf&eacute;|");
    converter(file.fileName())->removeTags(m_doc);
    QCOMPARE(SelectionMarkup::get(m_doc), "|caf\u00e9");
}

// A pipe or a device by the table's name would never end: Remove Tags goes on without one.
void TestTextConversions::charTableThatIsNoRegularFileReadsEmpty()
{
    const QString pipe = m_dir.filePath("pipe-chars");
    QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
    QVERIFY(TagRemoval::readCharTable(pipe).isEmpty());
    QVERIFY(TagRemoval::readCharTable(QStringLiteral("/dev/zero")).isEmpty());
    SelectionMarkup::set(m_doc, "^<b>caf&eacute;</b>|");
    auto conv = converter(pipe);
    ScriptedPrompter prompter;
    conv->reportProblemsTo(prompter);
    conv->removeTags(m_doc);
    QCOMPARE(SelectionMarkup::get(m_doc), "|caf&eacute;");
    // The user hears of it once, with the file and the reason; a missing table is no problem.
    SelectionMarkup::set(m_doc, "^<i>x</i>|");
    conv->removeTags(m_doc);
    QCOMPARE(SelectionMarkup::get(m_doc), "|x");
    QCOMPARE(prompter.shown.size(), 1);
    QVERIFY(prompter.shown.first().contains(pipe));
    QVERIFY(prompter.shown.first().contains("not a regular file"));
    auto missing = converter(m_dir.filePath("library/missing"));
    missing->reportProblemsTo(prompter);
    SelectionMarkup::set(m_doc, "^<i>x</i>|");
    missing->removeTags(m_doc);
    QCOMPARE(prompter.shown.size(), 1);
}

// 36 special characters, then 64 extended ones: shown text, "..", code.
void TestTextConversions::shippedTableShape()
{
    const QStringList table =
        TagRemoval::readCharTable(QStringLiteral(QM_SOURCE_DATA_DIR "/library/chars"));
    QCOMPARE(table.size(), 100);
    for (const QString &line : table) {
        const qsizetype split = line.indexOf(QStringLiteral(".."));
        QVERIFY2(split > 0, qPrintable(line));
        const QString code = line.mid(split + 2);
        QVERIFY2(code.startsWith(u'&') && code.endsWith(u';') && code.size() <= 8,
                 qPrintable(line));
    }
}

QTEST_GUILESS_MAIN(TestTextConversions)
#include "tst_textconversions.moc"
