#include "base/editingoptions.h"
#include "base/modifiersource.h"
#include "base/settingsfile.h"
#include "editor/memoryeditor.h"
#include "markup/conversionseam.h"
#include "markup/insertwrap.h"
#include "markup/tagcommandrunner.h"
#include "markup/tagcommands.h"
#include "scriptedprompter.h"
#include "selectionmarkup.h"

#include <QTemporaryDir>
#include <QtTest>

#include <set>

namespace {

// Stands in for the text conversions: replaces the selection with what was asked for.
class RecordingConversions : public TextConversions
{
public:
    void makeTable(TextEditor &doc, Table layout) override
    {
        static const char *const names[] = {"rows", "cells", "one cell"};
        doc.replaceSelection(QStringLiteral("{table:%1}").arg(QLatin1String(names[int(layout)])));
    }
    void makeList(TextEditor &doc, QuickCode::ListKind kind, bool itemPerLine) override
    {
        doc.replaceSelection(
            QStringLiteral("{list:%1,%2}")
                .arg(kind == QuickCode::ListKind::Ordered ? "ordered" : "unordered",
                     itemPerLine ? "per line" : "single"));
    }
};

// One command given on a document. options: "key=value" pairs separated by ";". "ucase",
// "tagcase" and "apostrophe" go to the main section, "ai", "pop", "ctrlb", "ctrli" are the cached
// shell options, "shift" holds Shift, "answers" scripts the questions (yes, no, cancel); every
// other key goes to the quick options.
struct Case
{
    const char *name;
    const char *command;
    const char *options;
    const char *before;
    const char *after;
    const char *tip;
};

const char *const UrlTip = "Type an URL here";

// clang-format off
const Case Cases[] = {
    // Wrapping keeps the selected text selected, caret at its end, whichever way it was selected.
    {"bold word", "Bold", "", "a ^word| b", "a <B>^word|</B> b", ""},
    {"bold backward selection", "Bold", "", "a |word^ b", "a <B>^word|</B> b", ""},
    {"bold nothing selected", "Bold", "", "a | b", "a <B>|</B> b", ""},
    {"bold strong", "Bold", "ctrlb=strong", "^x|", "<STRONG>^x|</STRONG>", ""},
    {"italics", "italics1Click", "", "|", "<I>|</I>", ""},
    {"italics em", "italics1Click", "ctrli=em", "|", "<EM>|</EM>", ""},
    {"bold multi-line selection", "Bold", "", "^a\r\nb|", "<B>^a\r\nb|</B>", ""},
    {"non-ascii selection", "Underline1Click", "ucase=1", "^é€日本😀|", "<U>^é€日本😀|</U>", ""},
    {"center", "Centeralign", "", "^x|", "<CENTER>^x|</CENTER>", ""},
    {"paragraph", "Paragraph", "", "^x|", "<P>^x|</P>", ""},
    {"left", "leftalign", "", "^x|", "<P align=\"left\">^x|</P>", ""},
    {"left ucase keeps the selected text", "leftalign", "ucase=1", "^text|", "<P ALIGN=\"left\">^text|</P>", ""},
    {"left ucase apostrophe", "leftalign", "ucase=1;apostrophe=1", "^text|", "<P ALIGN='left'>^text|</P>", ""},
    {"center paragraph", "centerpalign", "", "^x|", "<P align=\"center\">^x|</P>", ""},
    {"right", "rightalign", "", "^x|", "<P align=\"right\">^x|</P>", ""},
    {"justify", "justifyalign", "apostrophe=1", "^\"q\"|", "<P align='justify'>^\"q\"|</P>", ""},
    {"blockquote", "DblIndent", "", "^x|", "<BLOCKQUOTE>^x|</BLOCKQUOTE>", ""},
    {"h1", "H11Click", "", "^x|", "<H1>^x|</H1>", ""},
    {"h2", "H21Click", "", "^x|", "<H2>^x|</H2>", ""},
    {"h3", "H31Click", "", "^x|", "<H3>^x|</H3>", ""},
    {"h4", "H41Click", "", "^x|", "<H4>^x|</H4>", ""},
    {"h5", "H51Click", "", "^x|", "<H5>^x|</H5>", ""},
    {"h6", "H61Click", "", "^x|", "<H6>^x|</H6>", ""},
    {"underline", "Underline1Click", "", "^x|", "<U>^x|</U>", ""},
    {"blink", "Blink1Click", "", "^x|", "<BLINK>^x|</BLINK>", ""},
    {"strike", "Strikethrough1Click", "", "^x|", "<STRIKE>^x|</STRIKE>", ""},
    {"big", "bigClick", "", "^x|", "<BIG>^x|</BIG>", ""},
    {"small", "smallClick", "", "^x|", "<SMALL>^x|</SMALL>", ""},
    {"subscript", "Subscript1Click", "", "^x|", "<SUB>^x|</SUB>", ""},
    {"superscript", "Superscript1Click", "", "^x|", "<SUP>^x|</SUP>", ""},
    {"monospaced", "Monospaced1Click", "", "^x|", "<KBD>^x|</KBD>", ""},
    {"comment", "Comment1Click", "", "^x|", "<!--^x|-->", ""},
    {"noframes", "noframes", "", "^x|", "<NOFRAMES>^x|</NOFRAMES>", ""},
    {"list item open", "listitem", "", "^x|", "<LI>^x|", ""},
    {"list item closed", "listitem", "closeli=nope", "^x|", "<LI>^x|</LI>", ""},
    {"class apostrophe", "styClass", "apostrophe=1", "<P |>", "<P CLASS='|'>", ""},
    {"id", "styID", "", "^main|", "ID=\"^main|\"", ""},
    {"style", "styStyle", "", "|", "STYLE=\"|\"", ""},
    {"font all attributes", "QuickFont", "", "^x|", "<FONT face=\"\" color=\"\" size=\"\">^x|</FONT>", ""},
    {"font face switched off", "QuickFont", "fontface=nope;fontsize=nope", "|", "<FONT color=\"\">|</FONT>", ""},
    {"start tag", "StartTag", "", "^td|", "<^td|>", ""},
    {"end tag", "EndTag", "ucase=1", "^td|", "</^td|>", ""},

    // Structural wraps; their case and quote conversion reaches the wrapped text.
    {"frameset defaults", "frameset", "", "|", "<FRAMESET rows=\"\">\r\n|\r\n<NOFRAMES></NOFRAMES>\r\n</FRAMESET>", ""},
    {"frameset options", "frameset", "fsrows=0;fscols=1;fsbordercolor=1;fsnoframe=0", "|", "<FRAMESET cols=\"\" bordercolor=\"\">\r\n|\r\n</FRAMESET>", ""},
    {"frameset ucase", "frameset", "ucase=1;fsframespacing=1", "^x|", "<FRAMESET ROWS=\"\" FRAMESPACING=\"\">\r\n^x|\r\n<NOFRAMES></NOFRAMES>\r\n</FRAMESET>", ""},
    {"table", "Tabletable", "", "|", "<TABLE>\r\n|\r\n</TABLE>", ""},
    {"table options and caption", "Tabletable", "tborder=1;twidth=1;tpadding=1;qcaption=sure", "|", "<TABLE width=\"\" cellpadding=\"\" border=\"\">\r\n<CAPTION></CAPTION>\r\n|\r\n</TABLE>", ""},
    {"table shift bare", "Tabletable", "shift;tborder=1;qcaption=sure", "|", "<TABLE>\r\n<CAPTION></CAPTION>\r\n|\r\n</TABLE>", ""},
    {"table ucase keeps the selection", "Tabletable", "ucase=1", "^cell <b class=x>\"text\"</b>|", "<TABLE>\r\n^cell <b class=x>\"text\"</b>|\r\n</TABLE>", ""},
    {"table apostrophe keeps the selection", "Tabletable", "apostrophe=1;talign=1", "^<p class=\"b\">|", "<TABLE align=''>\r\n^<p class=\"b\">|\r\n</TABLE>", ""},
    {"table auto-indent tabs", "Tabletable", "ai=on", "\t\tab|", "\t\tab<TABLE>\r\n\t\t|\r\n\t\t</TABLE>", ""},
    {"table auto-indent caption", "Tabletable", "ai=on;qcaption=sure", "\t|", "\t<TABLE>\r\n\t<CAPTION></CAPTION>\r\n\t|\r\n\t</TABLE>", ""},
    {"table auto-indent blanks", "Tabletable", "ai=on", "  ^x|", "  <TABLE>\r\n  ^x|\r\n  </TABLE>", ""},
    {"table auto-indent off", "Tabletable", "", "\t|", "\t<TABLE>\r\n|\r\n</TABLE>", ""},
    {"row", "TableRow", "", "|", "<TR>\r\n|", ""},
    {"row options closed", "TableRow", "closetr=nope;rbgcolor=1;rvalign=1", "|", "<TR bgcolor=\"\" valign=\"\">\r\n|\r\n</TR>", ""},
    {"row shift bare", "TableRow", "shift;closetr=nope;rbgcolor=1", "^x|", "<TR>\r\n^x|\r\n</TR>", ""},
    {"header cell", "TableHCell", "", "^h|", "<TH>^h|", ""},
    {"header cell options closed", "TableHCell", "closetd=nope;dalign=1;dcolspan=1", "^h|", "<TH align=\"\" colspan=\"\">^h|</TH>", ""},
    {"header cell shift", "TableHCell", "shift;dwidth=1", "|", "<TH>|", ""},
    {"cell options", "TableCell", "dbgcolor=1;dnowrap=1;drowspan=1", "|", "<TD bgcolor=\"\" nowrap rowspan=\"\">|", ""},
    {"cell shift ignores options", "TableCell", "shift;dbgcolor=1;dnowrap=1", "|", "<TD>|", ""},
    {"cell ucase", "TableCell", "ucase=1;closetd=nope", "^name|", "<TD>^name|</TD>", ""},
    {"three cells", "TableCell", "qcellOOO=3", "^a|", "<TD>^a|\r\n<TD>\r\n<TD>", ""},
    {"three closed cells", "TableCell", "qcellOOO=3;closetd=nope", "^a|", "<TD>^a|</TD>\r\n<TD></TD>\r\n<TD></TD>", ""},
    {"three header cells shift", "TableHCell", "qcellOOO=3;shift;dalign=1", "|", "<TH>|\r\n<TH>\r\n<TH>", ""},
    {"three cells auto-indent", "TableCell", "qcellOOO=3;ai=on", "\t^a|", "\t<TD>^a|\r\n\t<TD>\r\n\t<TD>", ""},
    {"no cell at all", "TableCell", "qcellOOO=0", "|", "<TD>|", ""},
    {"ordered", "ordered", "", "^x|", "<OL>\r\n^x|\r\n</OL>", ""},
    {"ordered compact", "ordered", "lcompact=1", "|", "<OL compact>\r\n|\r\n</OL>", ""},
    {"unordered", "unordered", "ucase=1", "^li|", "<UL>\r\n^li|\r\n</UL>", ""},

    // Typing tips: the caret goes inside the start part.
    {"href", "QuickUrl", "", "a |b", "a <A href=\"|\"></A>b", UrlTip},
    {"href target blank", "QuickUrl", "target=_blank", "|", "<A href=\"|\" target=\"_blank\"></A>", UrlTip},
    {"href target null", "QuickUrl", "target=null", "|", "<A href=\"|\" target=\"\"></A>", UrlTip},
    {"href around selection", "QuickUrl", "", "^home|", "<A href=\"|\">home</A>", UrlTip},
    {"href backward selection", "QuickUrl", "", "|home^", "<A href=\"|\">home</A>", UrlTip},
    {"href tips off", "QuickUrl", "pop=no", "|", "<A href=\"|\"></A>", ""},
    {"href ucase apostrophe", "QuickUrl", "ucase=1;apostrophe=1;target=_blank", "^Home|", "<A HREF='|' TARGET='_blank'>Home</A>", UrlTip},
    {"anchor", "Quickanchor", "", "|", "<A name=\"|\"></A>", "Type a NAME here"},
    {"mailto", "quickmail", "", "|", "<A href=\"mailto:|\"></A>", "Type an ADDRESS here"},
    {"image", "Quickimage", "ialt=1;iwidth=1;iismap=1", "|", "<IMG src=\"|\" width=\"\" ismap alt=\"\">", "Type image URL here"},
    {"linked style sheet", "QuickLinkStyle", "", "|", "<LINK href=\"|\" rel=\"stylesheet\" type=\"text/css\">", UrlTip},
    {"frame", "frame", "fnoresize=1;fmarginwidth=1", "|", "<FRAME name=\"\" src=\"|\" marginwidth=\"\" noresize>", UrlTip},
    {"frame ucase keeps the selection", "frame", "ucase=1", "^x|", "<FRAME NAME=\"\" SRC=\"|\">x", UrlTip},
    {"floating frame", "floatingframe", "ifborder=1;ifalign=1", "|", "<IFRAME name=\"\" src=\"|\" align=\"\" border=\"\"></IFRAME>", UrlTip},
    {"tip auto-indent", "QuickUrl", "ai=on", "\t^a\r\n\tb|", "\t<A href=\"|\">a\r\n\tb</A>", UrlTip},

    // Inserts go in front of a selection and leave it selected.
    {"indent", "Indent1Click", "", "a|b", "a&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;|b", ""},
    {"line break before selection", "LineBreak", "", "^sel|", "<BR>^sel|", ""},
    {"line break backward selection", "LineBreak", "", "|sel^", "<BR>^sel|", ""},
    {"rule", "HorzRule", "", "|", "<HR>|", ""},
    {"line break plus ignores ucase", "LineBreakPlus", "ucase=1;apostrophe=1", "|", "<BR clear=\"left\">|", ""},
    {"rule plus", "HorzRulePlus", "", "|", "<HR align=\"center\" width=\"100%\" size=\"2\">|", ""},
    {"script ucase", "Quickscript", "ucase=1", "|", "<SCRIPT LANGUAGE=\"\">\r\n<!--\r\n-->\r\n</SCRIPT>|", ""},
    {"script auto-indent", "Quickscript", "ai=on", "  x|", "  x<SCRIPT language=\"\">\r\n  <!--\r\n  -->\r\n  </SCRIPT>|", ""},
    {"frame document", "QuickFrameset", "", "|", "<FRAMESET rows=\"\">\r\n\t<FRAME name=\"\" src=\"\">\r\n<NOFRAMES></NOFRAMES>\r\n</FRAMESET>|", ""},
    {"frame document options", "QuickFrameset", "ffitems=2;fsnoframe=0;fscrolling=1", "|", "<FRAMESET rows=\"\">\r\n\t<FRAME name=\"\" src=\"\" scrolling=\"\">\r\n\t<FRAME name=\"\" src=\"\" scrolling=\"\">\r\n</FRAMESET>|", ""},
    {"form defaults", "QuickForm", "", "|",
     "<FORM method=\"POST\" action=\"\">\r\n"
     "\t<INPUT type=\"hidden\" name=\"\" value=\"\"> \r\n"
     "\t<INPUT type=\"text\" name=\"\" value=\"\"> \r\n"
     "\t<INPUT type=\"radio\" name=\"\" value=\"\"> \r\n"
     "\t<INPUT type=\"checkbox\" name=\"\" value=\"\"> \r\n"
     "\t<SELECT name=\"\">\r\n\t  <OPTION>\r\n\t  <OPTION>\r\n\t  <OPTION>\r\n\t</SELECT>\r\n"
     "\t<SELECT name=\"\" size=\"3\">\r\n\t  <OPTION>\r\n\t  <OPTION>\r\n\t  <OPTION>\r\n\t</SELECT>\r\n"
     "\t<TEXTAREA name=\"\" cols=\"35\" rows=\"7\"></TEXTAREA>\r\n"
     "\t<INPUT type=\"submit\" value=\"\">\r\n\t<INPUT type=\"reset\" value=\"\">\r\n</FORM>|", ""},
    {"form counts", "QuickForm", "qfhidden=0;qfedit=2;qfradio=0;qfcheck=0;qflistbox=0;qfdroplist=0;qftextarea=nope;apostrophe=1", "|",
     "<FORM method='POST' action=''>\r\n"
     "\t<INPUT type='text' name='' value=''> \r\n\t<INPUT type='text' name='' value=''> \r\n"
     "\t<INPUT type='submit' value=''>\r\n\t<INPUT type='reset' value=''>\r\n</FORM>|", ""},
    {"style sheet", "styEmbed", "", "|", "<STYLE type=\"text/css\">\r\n<!--\r\n { : }\r\n-->\r\n</STYLE>|", ""},
    {"style sheet options", "styEmbed", "styitems=2;styComments=yes;styimport=yes", "|", "<STYLE type=\"text/css\">\r\n<!--\r\n@import url()\r\n { : } /**/\r\n { : } /**/\r\n-->\r\n</STYLE>|", ""},
    {"link button tips off", "linkbutton", "pop=no", "x|y", "x<FORM method=\"GET\" action=\"|\">\r\n\t<INPUT type=\"submit\" value=\"Type Button Text Here\">\r\n</FORM>y", UrlTip},
    {"link button auto-indent", "linkbutton", "ai=on", "\t|", "\t<FORM method=\"GET\" action=\"|\">\r\n\t<INPUT type=\"submit\" value=\"Type Button Text Here\">\r\n\t</FORM>", UrlTip},
    {"link button before a selection", "linkbutton", "", "^a\r\nb|", "<FORM method=\"GET\" action=\"|\">\r\n\t<INPUT type=\"submit\" value=\"Type Button Text Here\">\r\n</FORM>a\r\nb", UrlTip},

    // Quick table and lists.
    {"quick table", "QuickTable", "", "|", "<TABLE>\r\n<TR>\r\n\t<TD>\r\n</TABLE>|", ""},
    {"quick table counts", "QuickTable", "qrow=2;qcell=2;closetd=nope;closetr=nope;qcaption=sure", "|",
     "<TABLE>\r\n<CAPTION></CAPTION>\r\n<TR>\r\n\t<TD></TD>\r\n\t<TD></TD>\r\n</TR>\r\n<TR>\r\n\t<TD></TD>\r\n\t<TD></TD>\r\n</TR>\r\n</TABLE>|", ""},
    {"quick table options", "QuickTable", "ucase=1;apostrophe=1;tborder=1;ralign=1;dheight=1", "|", "<TABLE BORDER=''>\r\n<TR ALIGN=''>\r\n\t<TD HEIGHT=''>\r\n</TABLE>|", ""},
    {"quick table shift is no bare table", "QuickTable", "shift;tborder=1", "|", "<TABLE border=\"\">\r\n<TR>\r\n\t<TD>\r\n</TABLE>|", ""},
    {"quick table one line", "QuickTable", "", "^abc|", "{table:one cell}|", ""},
    {"quick table as rows", "QuickTable", "answers=yes,yes", "^a\r\nb|", "{table:rows}|", ""},
    {"quick table as cells", "QuickTable", "answers=yes,no", "^a\r\nb|", "{table:cells}|", ""},
    {"quick table second cancel", "QuickTable", "answers=yes,cancel", "^a\r\nb|", "^a\r\nb|", ""},
    {"quick table one cell", "QuickTable", "answers=no", "|a\nb^", "{table:one cell}|", ""},
    {"quick table cancel", "QuickTable", "answers=cancel", "^a\r\nb|", "^a\r\nb|", ""},
    {"quick table trailing line break asks", "Table2Click", "answers=no", "^a\r\n|", "{table:one cell}|", ""},
    {"quick bullets", "QuickBList", "", "|", "<UL>\r\n\t<LI>\r\n</UL>|", ""},
    {"quick bullets auto-indent", "QuickBList", "ai=on", "\t\t|", "\t\t<UL>\r\n\t\t\t<LI>\r\n\t\t</UL>|", ""},
    {"quick bullets per line", "QuickBList", "answers=yes", "^a\r\nb|", "{list:unordered,per line}|", ""},
    {"quick bullets single", "QuickBList", "answers=no", "^a\r\nb|", "{list:unordered,single}|", ""},
    {"quick bullets cancel", "QuickBList", "answers=cancel", "^a\r\nb|", "^a\r\nb|", ""},
    {"quick numbers", "QuickNList", "lcompact=1;closeli=nope;qlitem=2", "|", "<OL compact>\r\n\t<LI></LI>\r\n\t<LI></LI>\r\n</OL>|", ""},
    {"quick numbers one line", "QuickNList", "", "^a|", "{list:ordered,single}|", ""},
    {"quick definitions before a selection keep its case", "QuickDList", "ucase=1", "^x|", "<DL>\r\n\t<DT>\r\n\t<DD>\r\n</DL>^x|", ""},
    {"quick definitions compact", "QuickDList", "lcompact=1;qlitem=2", "|", "<DL compact>\r\n\t<DT>\r\n\t<DD>\r\n\t<DT>\r\n\t<DD>\r\n</DL>|", ""},
    {"context table", "Table2Click", "", "|", "<TABLE>\r\n<TR>\r\n\t<TD>\r\n</TABLE>|", ""},
    {"context ordered", "OrderedList1Click", "answers=yes", "^a\rb|", "{list:ordered,per line}|", ""},
    {"context unordered", "DefineList2Click", "", "|", "<UL>\r\n\t<LI>\r\n</UL>|", ""},

    // Tag letter case: lower case reaches every tag a command builds, never the selection, a
    // value or an entity; "upper" is "ucase"; "tagcase" decides over "ucase" unless unknown.
    {"lower bold keeps the selection", "Bold", "tagcase=lower", "^Word <I>x</I>|", "<b>^Word <I>x</I>|</b>", ""},
    {"lower strong", "Bold", "tagcase=lower;ctrlb=strong", "^x|", "<strong>^x|</strong>", ""},
    {"lower line break plus", "LineBreakPlus", "tagcase=lower;ucase=1", "|", "<br clear=\"left\">|", ""},
    {"lower rule plus", "HorzRulePlus", "tagcase=lower", "|", "<hr align=\"center\" width=\"100%\" size=\"2\">|", ""},
    {"lower indent keeps entities", "Indent1Click", "tagcase=lower", "|", "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;|", ""},
    {"lower class attribute", "styClass", "tagcase=lower", "^Hi|", "class=\"^Hi|\"", ""},
    {"lower quick table", "QuickTable", "tagcase=lower;tborder=1;closetd=nope;closetr=nope;qcaption=sure", "|",
     "<table border=\"\">\r\n<caption></caption>\r\n<tr>\r\n\t<td></td>\r\n</tr>\r\n</table>|", ""},
    {"lower definitions keep the selection", "QuickDList", "tagcase=lower", "^X|", "<dl>\r\n\t<dt>\r\n\t<dd>\r\n</dl>^X|", ""},
    {"lower href keeps the text", "QuickUrl", "tagcase=lower;target=_Top", "^Home PAGE|", "<a href=\"|\" target=\"_Top\">Home PAGE</a>", UrlTip},
    {"lower link button keeps its values", "linkbutton", "tagcase=lower", "|", "<form method=\"GET\" action=\"|\">\r\n\t<input type=\"submit\" value=\"Type Button Text Here\">\r\n</form>", UrlTip},
    {"lower frame document", "QuickFrameset", "tagcase=lower;apostrophe=1", "|", "<frameset rows=''>\r\n\t<frame name='' src=''>\r\n<noframes></noframes>\r\n</frameset>|", ""},
    {"upper is ucase", "LineBreakPlus", "tagcase=upper", "|", "<BR clear=\"left\">|", ""},
    {"upper wraps as ucase", "leftalign", "tagcase=upper", "^text|", "<P ALIGN=\"left\">^text|</P>", ""},
    {"as written over ucase", "leftalign", "tagcase=table;ucase=1", "^text|", "<P align=\"left\">^text|</P>", ""},
    {"unknown tagcase leaves it to ucase", "leftalign", "tagcase=Lower;ucase=1", "^text|", "<P ALIGN=\"left\">^text|</P>", ""},
};
// clang-format on

PromptAnswer answerFrom(const QString &word)
{
    if (word == QLatin1String("yes"))
        return PromptAnswer::Yes;
    if (word == QLatin1String("no"))
        return PromptAnswer::No;
    return PromptAnswer::Cancel;
}

} // namespace

class TestTagCommands : public QObject
{
    Q_OBJECT

private:
    // Everything one command needs, fresh for each test.
    struct Fixture
    {
        explicit Fixture(const QString &settingsPath) : settings(settingsPath)
        {
            insertWrap.setTipSink([this](TextEditor &, const QString &text) { tips << text; });
            doc.setLineBreak(QStringLiteral("\r\n")); // the texts below are CR LF pages
        }

        SettingsFile settings;
        EditingOptions options{settings};
        MemoryEditor scratch;
        MemoryEditor doc;
        ScriptedPrompter prompter;
        FixedModifiers modifiers;
        RecordingConversions conversions;
        QStringList tips;
        InsertWrap insertWrap{settings, options, scratch};
        TagCommandRunner runner{insertWrap, settings, options, prompter, modifiers, conversions};

        void apply(const QString &options);
    };

    QTemporaryDir m_dir;
    std::unique_ptr<Fixture> m_f;

private slots:
    void init();
    void cleanup() { m_f.reset(); }

    void command_data();
    void command();
    void everyCommandHasACase();
    void nothingHappensWithoutADocument();
    void unknownCommand();
    void conversionQuestions();
    void pickerCountsBuildDespiteSelection();
    void hugeCountsAreCapped();
};

void TestTagCommands::Fixture::apply(const QString &list)
{
    static const QStringList mainKeys{QStringLiteral("ucase"),      QStringLiteral("tagcase"),
                                      QStringLiteral("apostrophe"), QStringLiteral("ai"),
                                      QStringLiteral("pop"),        QStringLiteral("ctrlb"),
                                      QStringLiteral("ctrli")};
    for (const QString &entry : list.split(u';', Qt::SkipEmptyParts)) {
        const QString key = entry.section(u'=', 0, 0);
        const QString value = entry.section(u'=', 1);
        if (key == QLatin1String("shift"))
            modifiers.set(Qt::ShiftModifier);
        else if (key == QLatin1String("answers"))
            for (const QString &word : value.split(u','))
                prompter.answers << answerFrom(word);
        else
            QVERIFY(settings.writeString(mainKeys.contains(key) ? Sections::Main : Sections::Quick,
                                         key, value));
    }
}

void TestTagCommands::init()
{
    QVERIFY(m_dir.isValid());
    const QString path = m_dir.filePath(QStringLiteral("quillm.ini"));
    QFile::remove(path);
    m_f = std::make_unique<Fixture>(path);
}

void TestTagCommands::command_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("tip");
    for (const Case &c : Cases)
        QTest::newRow(c.name) << QString::fromLatin1(c.command) << QString::fromUtf8(c.options)
                              << QString::fromUtf8(c.before) << QString::fromUtf8(c.after)
                              << QString::fromUtf8(c.tip);
}

void TestTagCommands::command()
{
    QFETCH(QString, command);
    QFETCH(QString, options);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QString, tip);
    Fixture &f = *m_f;
    f.apply(options);
    SelectionMarkup::set(f.doc, before);
    const QString original = f.doc.text();

    QVERIFY(f.runner.run(command, &f.doc));

    QCOMPARE(SelectionMarkup::get(f.doc), after);
    QCOMPARE(f.tips, tip.isEmpty() ? QStringList() : QStringList{tip});
    QVERIFY(f.prompter.answers.isEmpty()); // every scripted question was asked
    QCOMPARE(f.scratch.text(), QString());
    QCOMPARE(f.insertWrap.startPart(), QString());
    QVERIFY(!f.insertWrap.caseAndQuote());
    QCOMPARE(f.insertWrap.insertMode(), InsertMode::Direct);

    if (f.doc.text() != original) {
        f.doc.undo();
        QCOMPARE(SelectionMarkup::get(f.doc), before);
    }
}

void TestTagCommands::everyCommandHasACase()
{
    std::set<QString> covered;
    for (const Case &c : Cases)
        covered.insert(QString::fromLatin1(c.command));
    for (const TagCommand &command : tagCommands())
        QVERIFY2(covered.count(QString::fromLatin1(command.id)), command.id);
}

void TestTagCommands::nothingHappensWithoutADocument()
{
    Fixture &f = *m_f;
    f.apply(QStringLiteral("answers=yes,yes"));
    for (const TagCommand &command : tagCommands()) {
        QVERIFY(f.runner.run(QString::fromLatin1(command.id), nullptr));
        QCOMPARE(f.scratch.text(), QString());
    }
    f.runner.quickTable(nullptr, 2, 2);
    f.runner.quickList(nullptr, QuickCode::ListKind::Ordered, 3);
    QCOMPARE(f.tips, QStringList());
    QCOMPARE(f.prompter.shown, QStringList());
}

void TestTagCommands::unknownCommand()
{
    SelectionMarkup::set(m_f->doc, QStringLiteral("^x|"));
    QVERIFY(!m_f->runner.run(u"bold", &m_f->doc)); // ids match exactly
    QCOMPARE(SelectionMarkup::get(m_f->doc), QStringLiteral("^x|"));
}

void TestTagCommands::conversionQuestions()
{
    Fixture &f = *m_f;
    f.apply(QStringLiteral("answers=yes,yes,no"));
    SelectionMarkup::set(f.doc, QStringLiteral("^a\r\nb|"));
    QVERIFY(f.runner.run(u"QuickTable", &f.doc));
    SelectionMarkup::set(f.doc, QStringLiteral("^a\r\nb|"));
    QVERIFY(f.runner.run(u"QuickNList", &f.doc));
    QCOMPARE(f.prompter.shown,
             (QStringList{QStringLiteral("Put each paragraph into a separate cell?"),
                          QStringLiteral("Put each cell into a separate row?"),
                          QStringLiteral("Put each paragraph into a separate item?")}));
}

void TestTagCommands::pickerCountsBuildDespiteSelection()
{
    Fixture &f = *m_f;
    SelectionMarkup::set(f.doc, QStringLiteral("^a\r\nb|"));
    f.runner.quickTable(&f.doc, 1, 3);
    QCOMPARE(SelectionMarkup::get(f.doc),
             QStringLiteral("<TABLE>\r\n<TR>\r\n\t<TD>\r\n\t<TD>\r\n\t<TD>\r\n</TABLE>^a\r\nb|"));
    SelectionMarkup::set(f.doc, QStringLiteral("^a|"));
    f.runner.quickList(&f.doc, QuickCode::ListKind::Unordered, 2);
    QCOMPARE(SelectionMarkup::get(f.doc), QStringLiteral("<UL>\r\n\t<LI>\r\n\t<LI>\r\n</UL>^a|"));
    // Rows from the caller, cells from the settings.
    f.apply(QStringLiteral("qcell=2"));
    SelectionMarkup::set(f.doc, QStringLiteral("|"));
    f.runner.quickTable(&f.doc, 1, 0);
    QCOMPARE(SelectionMarkup::get(f.doc),
             QStringLiteral("<TABLE>\r\n<TR>\r\n\t<TD>\r\n\t<TD>\r\n</TABLE>|"));
    QCOMPARE(f.prompter.shown, QStringList());
}

void TestTagCommands::hugeCountsAreCapped()
{
    // A hand-edited count must not build text without end.
    Fixture &f = *m_f;
    f.apply(QStringLiteral("qcellOOO=2000000000;qrow=2000000000;qcell=-5"));
    SelectionMarkup::set(f.doc, QStringLiteral("|"));
    QVERIFY(f.runner.run(u"TableCell", &f.doc));
    QCOMPARE(f.doc.text().count(QStringLiteral("<TD>")), 1000);
    SelectionMarkup::set(f.doc, QStringLiteral("|"));
    QVERIFY(f.runner.run(u"QuickTable", &f.doc));
    QCOMPARE(f.doc.text().count(QStringLiteral("<TR>")), 1000);
    QCOMPARE(f.doc.text().count(QStringLiteral("<TD>")), 1000);
}

QTEST_GUILESS_MAIN(TestTagCommands)
#include "tst_tagcommands.moc"
