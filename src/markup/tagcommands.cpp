#include "markup/tagcommands.h"

#include "base/editingoptions.h"
#include "base/settingsfile.h"

#include <iterator>

using namespace QuickCode;

namespace {

const QString CrLf = QStringLiteral("\r\n");

QString boldStart(const PartContext &c)
{
    return c.options.boldIsStrong() ? QStringLiteral("<STRONG>") : QStringLiteral("<B>");
}
QString boldEnd(const PartContext &c)
{
    return c.options.boldIsStrong() ? QStringLiteral("</STRONG>") : QStringLiteral("</B>");
}
QString italicStart(const PartContext &c)
{
    return c.options.italicIsEm() ? QStringLiteral("<EM>") : QStringLiteral("<I>");
}
QString italicEnd(const PartContext &c)
{
    return c.options.italicIsEm() ? QStringLiteral("</EM>") : QStringLiteral("</I>");
}
QString listItemEnd(const PartContext &c)
{
    return itemEnd(c.settings);
}
QString fontStart(const PartContext &c)
{
    return QStringLiteral("<FONT") + attributes(c.settings, AttributeGroup::Font) + u'>';
}

QString frameSetStart(const PartContext &c)
{
    return QStringLiteral("<FRAMESET") + attributes(c.settings, AttributeGroup::FrameSet) + u'>' +
           CrLf;
}
QString frameSetEnd(const PartContext &c)
{
    const bool noFrames = c.settings.read(Keys::FsNoFrame);
    return (noFrames ? QStringLiteral("\r\n<NOFRAMES></NOFRAMES>") : QString()) +
           QStringLiteral("\r\n</FRAMESET>");
}
QString tableStart(const PartContext &c)
{
    return tableTag(c.settings, c.withOptions) + captionLine(c.settings) + CrLf;
}
QString rowStart(const PartContext &c)
{
    return rowTag(c.settings, c.withOptions) + CrLf;
}
QString rowEndPart(const PartContext &c)
{
    const QString end = rowEnd(c.settings);
    return end.isEmpty() ? end : CrLf + end;
}

// A cell command gives "qcellOOO" cells: the first wraps the selection, the others follow
// it on lines of their own.
QString cellsEnd(const PartContext &c, const char *name)
{
    const QString end = cellEnd(c.settings, name);
    const QString another = CrLf + cellTag(c.settings, name, c.withOptions) + end;
    QString out = end;
    for (int i = repeatCount(c.settings.read(Keys::QCellOOO)) - 1; i > 0; --i)
        out += another;
    return out;
}
QString headerStart(const PartContext &c)
{
    return cellTag(c.settings, "TH", c.withOptions);
}
QString headerEnd(const PartContext &c)
{
    return cellsEnd(c, "TH");
}
QString dataStart(const PartContext &c)
{
    return cellTag(c.settings, "TD", c.withOptions);
}
QString dataEnd(const PartContext &c)
{
    return cellsEnd(c, "TD");
}
QString orderedStart(const PartContext &c)
{
    return listStart(c.settings, ListKind::Ordered) + CrLf;
}
QString unorderedStart(const PartContext &c)
{
    return listStart(c.settings, ListKind::Unordered) + CrLf;
}

QString urlStart(const PartContext &c)
{
    return QStringLiteral("<A href=\"\"") + attributes(c.settings, AttributeGroup::Link) + u'>';
}
QString imageStart(const PartContext &c)
{
    return QStringLiteral("<IMG src=\"\"") + attributes(c.settings, AttributeGroup::Image) + u'>';
}
QString frameStart(const PartContext &c)
{
    return frameTag(c.settings);
}
QString iframeStart(const PartContext &c)
{
    return iframeTag(c.settings);
}

QString quickFrameSet(const PartContext &c)
{
    return frameSet(c.settings);
}
QString quickForm(const PartContext &c)
{
    return form(c.settings);
}
QString styleSheet(const PartContext &c)
{
    return embeddedStyleSheet(c.settings);
}

using enum TagAction;

// clang-format off
const TagCommand Commands[] = {
    // Plain wraps.
    {.id = "Centeralign", .caption = "Center", .action = Wrap, .start = "<CENTER>", .end = "</CENTER>"},
    {.id = "Paragraph", .caption = "Paragraph", .action = Wrap, .start = "<P>", .end = "</P>"},
    {.id = "leftalign", .caption = "Paragraph Left", .action = Wrap, .start = "<P align=\"left\">", .end = "</P>"},
    {.id = "centerpalign", .caption = "Paragraph Center", .action = Wrap, .start = "<P align=\"center\">", .end = "</P>"},
    {.id = "rightalign", .caption = "Paragraph Right", .action = Wrap, .start = "<P align=\"right\">", .end = "</P>"},
    {.id = "justifyalign", .caption = "Paragraph Justify", .action = Wrap, .start = "<P align=\"justify\">", .end = "</P>"},
    {.id = "DblIndent", .caption = "Indent Both Sides (BlockQuote)", .action = Wrap, .start = "<BLOCKQUOTE>", .end = "</BLOCKQUOTE>"},
    {.id = "H11Click", .caption = "H1 (Largest)", .action = Wrap, .start = "<H1>", .end = "</H1>"},
    {.id = "H21Click", .caption = "H2", .action = Wrap, .start = "<H2>", .end = "</H2>"},
    {.id = "H31Click", .caption = "H3", .action = Wrap, .start = "<H3>", .end = "</H3>"},
    {.id = "H41Click", .caption = "H4", .action = Wrap, .start = "<H4>", .end = "</H4>"},
    {.id = "H51Click", .caption = "H5", .action = Wrap, .start = "<H5>", .end = "</H5>"},
    {.id = "H61Click", .caption = "H6 (Smallest)", .action = Wrap, .start = "<H6>", .end = "</H6>"},
    {.id = "Bold", .caption = "Bold Tags", .action = Wrap, .buildStart = boldStart, .buildEnd = boldEnd},
    {.id = "italics1Click", .caption = "Italics Tags", .action = Wrap, .buildStart = italicStart, .buildEnd = italicEnd},
    {.id = "Underline1Click", .caption = "Underline Tags", .action = Wrap, .start = "<U>", .end = "</U>"},
    {.id = "Blink1Click", .caption = "Blink", .action = Wrap, .start = "<BLINK>", .end = "</BLINK>"},
    {.id = "Strikethrough1Click", .caption = "Strikethrough Tags", .action = Wrap, .start = "<STRIKE>", .end = "</STRIKE>"},
    {.id = "bigClick", .caption = "Big", .action = Wrap, .start = "<BIG>", .end = "</BIG>"},
    {.id = "smallClick", .caption = "Small", .action = Wrap, .start = "<SMALL>", .end = "</SMALL>"},
    {.id = "Subscript1Click", .caption = "Subscript Tags", .action = Wrap, .start = "<SUB>", .end = "</SUB>"},
    {.id = "Superscript1Click", .caption = "Superscript Tags", .action = Wrap, .start = "<SUP>", .end = "</SUP>"},
    {.id = "Monospaced1Click", .caption = "Monospaced", .action = Wrap, .start = "<KBD>", .end = "</KBD>"},
    {.id = "Comment1Click", .caption = "Comment Tags", .action = Wrap, .start = "<!--", .end = "-->"},
    {.id = "noframes", .caption = "No Frames Tags", .action = Wrap, .start = "<NOFRAMES>", .end = "</NOFRAMES>"},
    {.id = "listitem", .caption = "List Item Tags", .action = Wrap, .start = "<LI>", .buildEnd = listItemEnd},
    {.id = "styClass", .caption = "Class Attribute", .action = Wrap, .start = "CLASS=\"", .end = "\""},
    {.id = "styID", .caption = "ID Attribute", .action = Wrap, .start = "ID=\"", .end = "\""},
    {.id = "styStyle", .caption = "Style Attribute", .action = Wrap, .start = "STYLE=\"", .end = "\""},
    {.id = "QuickFont", .caption = "Quick Font Tag", .action = Wrap, .buildStart = fontStart, .end = "</FONT>"},
    {.id = "StartTag", .caption = "Quick Start Tag", .action = Wrap, .start = "<", .end = ">"},
    {.id = "EndTag", .caption = "Quick End Tag", .action = Wrap, .start = "</", .end = ">"},

    // Structural wraps: the case and quote settings reach the wrapped text too.
    {.id = "frameset", .caption = "Frameset Tags", .action = Wrap, .buildStart = frameSetStart, .buildEnd = frameSetEnd, .caseAndQuote = true},
    {.id = "Tabletable", .caption = "Table Tags", .action = Wrap, .buildStart = tableStart, .end = "\r\n</TABLE>", .caseAndQuote = true, .shiftBare = true},
    {.id = "TableRow", .caption = "Row Tags", .action = Wrap, .buildStart = rowStart, .buildEnd = rowEndPart, .caseAndQuote = true, .shiftBare = true},
    {.id = "TableHCell", .caption = "Header Cell Tags", .action = Wrap, .buildStart = headerStart, .buildEnd = headerEnd, .caseAndQuote = true, .shiftBare = true},
    {.id = "TableCell", .caption = "Data Cell Tags", .action = Wrap, .buildStart = dataStart, .buildEnd = dataEnd, .caseAndQuote = true, .shiftBare = true},
    {.id = "ordered", .caption = "Ordered List", .action = Wrap, .buildStart = orderedStart, .end = "\r\n</OL>", .caseAndQuote = true},
    {.id = "unordered", .caption = "Unordered List", .action = Wrap, .buildStart = unorderedStart, .end = "\r\n</UL>", .caseAndQuote = true},

    // Wraps that leave the caret inside the start part with a typing tip.
    {.id = "QuickUrl", .caption = "Quick HREF Tag", .action = Tip, .buildStart = urlStart, .end = "</A>", .tipCaret = 9, .tipWord = "an URL"},
    {.id = "Quickanchor", .caption = "Quick Name Tag", .action = Tip, .start = "<A name=\"\">", .end = "</A>", .tipCaret = 9, .tipWord = "a NAME"},
    {.id = "quickmail", .caption = "Quick \"Mailto\" Tag", .action = Tip, .start = "<A href=\"mailto:\">", .end = "</A>", .tipCaret = 16, .tipWord = "an ADDRESS"},
    {.id = "Quickimage", .caption = "Quick Image Tag", .action = Tip, .buildStart = imageStart, .tipCaret = 10, .tipWord = "image URL"},
    {.id = "QuickLinkStyle", .caption = "Quick Link Stylesheet Tags", .action = Tip, .start = "<LINK href=\"\" rel=\"stylesheet\" type=\"text/css\">", .tipCaret = 12, .tipWord = "an URL"},
    {.id = "frame", .caption = "Frame Tag", .action = Tip, .buildStart = frameStart, .caseAndQuote = true, .tipCaret = 20, .tipWord = "an URL"},
    {.id = "floatingframe", .caption = "Quick Floating Frame Tags", .action = Tip, .buildStart = iframeStart, .end = "</IFRAME>", .tipCaret = 21, .tipWord = "an URL"},

    // Inserts.
    {.id = "Indent1Click", .caption = "Indent 5 Spaces", .action = Insert, .start = "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;"},
    {.id = "LineBreak", .caption = "Line Break", .action = Insert, .start = "<BR>"},
    {.id = "HorzRule", .caption = "Horizontal Rule", .action = Insert, .start = "<HR>"},
    {.id = "LineBreakPlus", .caption = "Line Break Plus", .action = Insert, .start = "<BR clear=\"left\">"},
    {.id = "HorzRulePlus", .caption = "Horizontal Rule Plus", .action = Insert, .start = "<HR align=\"center\" width=\"100%\" size=\"2\">"},
    {.id = "Quickscript", .caption = "Quick Script Block", .action = Insert, .start = "<SCRIPT language=\"\">\r\n<!--\r\n-->\r\n</SCRIPT>", .caseAndQuote = true},
    {.id = "QuickFrameset", .caption = "Quick Frame Document", .action = Insert, .buildStart = quickFrameSet, .caseAndQuote = true},
    {.id = "QuickForm", .caption = "Quick Form Block", .action = Insert, .buildStart = quickForm, .caseAndQuote = true},
    {.id = "styEmbed", .caption = "Quick Embed Stylesheet Block", .action = Insert, .buildStart = styleSheet, .caseAndQuote = true},
    {.id = "linkbutton", .caption = "PushButton HREF", .action = LinkButton, .start = "<FORM method=\"GET\" action=\"\">\r\n\t<INPUT type=\"submit\" value=\"Type Button Text Here\">\r\n</FORM>", .caseAndQuote = true, .tipWord = "an URL"},

    // Quick table and lists; with a selection the table and the first two lists convert it.
    {.id = "QuickTable", .caption = "Quick Table Block", .action = QuickTable, .caseAndQuote = true},
    {.id = "QuickBList", .caption = "Quick Unordered List Block", .action = QuickList, .caseAndQuote = true, .list = ListKind::Unordered},
    {.id = "QuickNList", .caption = "Quick Ordered List Block", .action = QuickList, .caseAndQuote = true, .list = ListKind::Ordered},
    {.id = "QuickDList", .caption = "Quick Definition List Block", .action = QuickList, .caseAndQuote = true, .list = ListKind::Definition},
    // The Quick context menu's items.
    {.id = "Table2Click", .caption = "Table", .action = QuickTable, .caseAndQuote = true},
    {.id = "OrderedList1Click", .caption = "Ordered List", .action = QuickList, .caseAndQuote = true, .list = ListKind::Ordered},
    {.id = "DefineList2Click", .caption = "Unordered List", .action = QuickList, .caseAndQuote = true, .list = ListKind::Unordered},
};
// clang-format on

} // namespace

QString TagCommand::startPart(const PartContext &context) const
{
    return buildStart ? buildStart(context) : QString::fromLatin1(start);
}

QString TagCommand::endPart(const PartContext &context) const
{
    return buildEnd ? buildEnd(context) : QString::fromLatin1(end);
}

std::span<const TagCommand> tagCommands()
{
    return Commands;
}

const TagCommand *findTagCommand(QStringView id)
{
    for (const TagCommand &command : Commands)
        if (id == QLatin1String(command.id))
            return &command;
    return nullptr;
}
