#include "commands/mainmenu.h"

namespace {

using Kind = MenuEntry::Kind;

constexpr MenuEntry cmd(const char *caption, const char *command, const char *shortcut = nullptr)
{
    return {.kind = Kind::Command, .caption = caption, .command = command, .shortcut = shortcut};
}
constexpr MenuEntry hidden(const char *caption, const char *command, const char *shortcut = nullptr)
{
    return {.kind = Kind::Command,
            .caption = caption,
            .command = command,
            .shortcut = shortcut,
            .hidden = true};
}
constexpr MenuEntry named(MenuEntry entry, const char *name)
{
    entry.name = name;
    return entry;
}
constexpr MenuEntry sub(const char *caption, std::span<const MenuEntry> entries,
                        const char *name = nullptr)
{
    return {.kind = Kind::Submenu, .caption = caption, .entries = entries, .name = name};
}
constexpr MenuEntry separator()
{
    return {.kind = Kind::Separator};
}
constexpr MenuEntry inactive(const char *caption, const char *name = nullptr)
{
    return {.kind = Kind::Inactive, .caption = caption, .name = name};
}

// clang-format off
const MenuEntry FileEntries[] = {
    cmd("&New", "New1Click", "Ctrl+N"),
    hidden("New", "news", "Alt+N"),
    hidden("NewClean", "newclean1Click"),
    cmd("&Open...", "Open1Click", "Ctrl+O"),
    sub("&Recent Files", {}, "RecentFiles"),
    cmd("Proj&ects...", "Projects1Click"),
    cmd("&Insert...", "InsertFile"),
    cmd("&Save", "Saves", "Ctrl+S"),
    cmd("Save into a Project...", "intoaProject1Click"),
    cmd("Save &As...", "SavesAs", "Alt+S"),
    cmd("Save as a Template...", "SaveasTemplate1Click"),
    cmd("&Close", "Close1Click", "Ctrl+F4"),
    cmd("C&lose All", "CloseAll1Click"),
    cmd("Estimate Download Time...", "DownloadTime1Click"),
    cmd("&Print...", "Prints"),
    cmd("P&rint Setup...", "PrintSetup1Click"),
    cmd("E&xit", "Exit1Click", "Alt+F4; Ctrl+Q"),
};

const MenuEntry SpellingEntries[] = {
    named(cmd("From Cursor", "spellcheck", "F7"), "SpellCheck1"),
    cmd("Entire Document", "spellcheckentire", "Ctrl+F7"),
    cmd("Live Spellcheck", "LiveSpellcheck1Click"),
};
const MenuEntry FontEntries[] = {
    cmd("  Font Size +", "fontup", "Ctrl+="),
    cmd("  Font Size -", "fontdown", "Ctrl+-"),
    cmd("C&hange...", "Font1Click"),
    cmd("Set to &Current", "ReadFont"),
    cmd("Set to Default", "nofont"),
    cmd("&Save Current Settings", "WriteFont"),
};
const MenuEntry EditEntries[] = {
    cmd("&Undo", "Undo1Click", "Ctrl+Z"),
    cmd("R&edo", "Redo1Click", "Ctrl+Shift+Z"),
    cmd("Cu&t", "Cut1Click", "Ctrl+X"),
    cmd("&Copy", "Copy1Click", "Ctrl+C"),
    cmd("&Paste", "Paste1Click", "Ctrl+V"),
    cmd("&Delete", "Delete1Click", "Ctrl+D"),
    cmd("&Remove Tags", "killtags"),
    cmd("Add Line Breaks", "addLineBreaks1Click", "Shift+F9"),
    cmd("Line E&ndings...", "LineEndings1Click"),
    cmd("&Wordwrap", "Wordwrap1Click"),
    cmd("Colored Ta&gs", "ColoredTags1Click"),
    cmd("&Gutter", "Gutter1Click"),
    cmd("&Invisible Characters", "Invisibles1Click"),
    cmd("&Go to Line", "GoToLine1Click", "Ctrl+G"),
    cmd("&Select All", "SelectAll1Click", "Ctrl+A"),
    sub("Check S&pelling", SpellingEntries),
    cmd("Chec&k Page as You Type", "PageCheck1Click"),
    cmd("&Thesaurus", "thesaurus", "F8"),
    cmd("&Find&&Replace...", "FindbutClick", "Ctrl+F; Ctrl+H"),
    cmd("Find Ne&xt...", "FagainbutClick", "F3"),
    cmd("&Multiple Files...", "MultiDocFR1Click"),
    sub("F&ont", FontEntries),
    cmd("Too&lbar...", "Customize1Click"),
    cmd("P&references...", "Preferences1Click", "Ctrl+F10"),
};

const MenuEntry PreviewEntries[] = {
    cmd("Internal Browser", "InternalBrowser1Click", "F9"),
    cmd("Browser &1 Preview", "openbrowser", "Ctrl+F9"),
    cmd("Browser &2 Preview", "Browser2Preview1Click", "Ctrl+Shift+F9"),
};
const MenuEntry HelperProgramEntries[] = {
    cmd("(none)", "nonef2Click", "Ctrl+Shift+F2"),
    cmd("(none)", "nonef3Click", "Ctrl+Shift+F3"),
    cmd("(none)", "nonef4Click", "Ctrl+Shift+F4"),
    cmd("(none)", "nonef5Click", "Ctrl+Shift+F5"),
    cmd("(none)", "nonef6Click", "Ctrl+Shift+F6"),
    cmd("(none)", "nonef7Click", "Ctrl+Shift+F7"),
    cmd("(none)", "nonef8Click", "Ctrl+Shift+F8"),
};
const MenuEntry QuickEntries[] = {
    sub("&Preview", PreviewEntries),
    sub("&Helper Program", HelperProgramEntries, "HelperProgram"),
    cmd("St&art Tag", "StartTag", "Ctrl+Shift+,"),
    cmd("End Ta&g", "EndTag", "Ctrl+Shift+."),
    cmd("&Comment", "Comment1Click", "Ctrl+Shift+C"),
    cmd("&Font", "QuickFont", "Ctrl+Shift+F"),
    cmd("&HREF", "QuickUrl", "Ctrl+Shift+H"),
    cmd("N&ame", "Quickanchor", "Ctrl+Shift+A"),
    cmd("&Image", "Quickimage", "Ctrl+Shift+I"),
    cmd("&MailTo", "quickmail", "Ctrl+Shift+M"),
    cmd("&Table", "QuickTable", "Ctrl+Shift+T"),
    cmd("&Definition List", "QuickDList", "Ctrl+Shift+D"),
    cmd("&Ordered List", "QuickNList", "Ctrl+Shift+O"),
    cmd("&Unordered List", "QuickBList", "Ctrl+Shift+U"),
    cmd("F&rame Document", "QuickFrameset", "Ctrl+Shift+R"),
    cmd("Floatin&g Frame", "floatingframe", "Ctrl+Shift+G"),
    cmd("Fo&rm", "QuickForm", "Ctrl+Shift+Y"),
    cmd("&Script", "Quickscript", "Ctrl+Shift+S"),
    cmd("&Linked Stylesheet", "QuickLinkStyle", "Ctrl+Shift+L"),
    cmd("&Embedded Stylesheet", "styEmbed", "Ctrl+Shift+E"),
};

const MenuEntry HeadingEntries[] = {
    cmd("H&1  (largest)", "H11Click", "Alt+1"),
    cmd("H&2", "H21Click", "Alt+2"),
    cmd("H&3", "H31Click", "Alt+3"),
    cmd("H&4", "H41Click", "Alt+4"),
    cmd("H&5", "H51Click", "Alt+5"),
    cmd("H&6  (smallest)", "H61Click", "Alt+6"),
};
const MenuEntry ParagraphEntries[] = {
    cmd("&Paragraph", "Paragraph", "Ctrl+P"),
    cmd("Align &Left", "leftalign", "Ctrl+L"),
    cmd("Align &Center", "centerpalign", "Ctrl+E"),
    cmd("Align &Right", "rightalign", "Ctrl+R"),
    cmd("Align &Justify", "justifyalign", "Ctrl+J"),
};
const MenuEntry TableEntries[] = {
    cmd("&Quick Table Block", "QuickTable", "Ctrl+Shift+T"),
    cmd("&Helper...", "TableHelper"),
    cmd(" &Table", "Tabletable", "Ctrl+Alt+T"),
    cmd(" &Row", "TableRow", "Ctrl+Alt+R"),
    cmd(" H&eader Cell", "TableHCell", "Ctrl+Alt+H"),
    cmd(" &Data Cell", "TableCell", "Ctrl+Alt+D"),
};
const MenuEntry ListEntries[] = {
    cmd("Quick &Definition List", "QuickDList", "Ctrl+Shift+D"),
    cmd("Quick &Ordered List", "QuickNList", "Ctrl+Shift+O"),
    cmd("Quick &Unordered List", "QuickBList", "Ctrl+Shift+U"),
    cmd("&Helper...", "ListHelper"),
    cmd("&Unordered List", "unordered", "Ctrl+Alt+U"),
    cmd("&Ordered List", "ordered", "Ctrl+Alt+O"),
    cmd(" &List Item", "listitem", "Ctrl+Alt+L"),
};
const MenuEntry FrameEntries[] = {
    cmd("Quick F&rame Document", "QuickFrameset", "Ctrl+Shift+R"),
    cmd("Quick Floatin&g Frame", "floatingframe", "Ctrl+Shift+G"),
    cmd("&Helper...", "FrameHelper"),
    cmd("&Frameset", "frameset", "Ctrl+Alt+F"),
    cmd("Fr&ame", "frame", "Ctrl+Alt+A"),
    cmd("&No Frames", "noframes", "Ctrl+Alt+N"),
};
const MenuEntry FormEntries[] = {
    cmd("&Quick Form", "QuickForm", "Ctrl+Shift+Y"),
    cmd("&Helper...", "FormHelper"),
};
const MenuEntry StylesheetEntries[] = {
    cmd("Quick &Embedded", "styEmbed", "Ctrl+Shift+E"),
    cmd("Quick &Linked", "QuickLinkStyle", "Ctrl+Shift+L"),
    cmd("&Class", "styClass", "Ctrl+Alt+C"),
    cmd("&ID", "styID", "Ctrl+Alt+I"),
    cmd("&Style", "styStyle", "Ctrl+Alt+S"),
};
const MenuEntry LayoutEntries[] = {
    cmd("&Document Helper...", "DocHelper"),
    cmd("C&olor Helper...", "ColorHelper"),
    cmd("&Indent", "Indent1Click", "Ctrl+W"),
    cmd("Bloc&k Indent", "DblIndent", "Ctrl+Alt+W"),
    sub("&Heading", HeadingEntries),
    cmd("&Center", "Centeralign", "Ctrl+Alt+E"),
    sub("&Paragraph", ParagraphEntries),
    cmd("Line &Break", "LineBreak", "Ctrl+Enter"),
    cmd("   ... Plus", "LineBreakPlus", "Ctrl+Shift+Enter"),
    cmd("Hor&z Rule", "HorzRule", "Alt+Enter"),
    cmd("   ... Plus", "HorzRulePlus", "Shift+Alt+Enter"),
    sub("&Tables", TableEntries),
    sub("&Lists", ListEntries),
    sub("F&rames", FrameEntries),
    sub("For&ms", FormEntries),
    sub("&Stylesheets", StylesheetEntries),
};

const MenuEntry FontSizeColorEntries[] = {
    cmd("&Quick Font", "QuickFont", "Ctrl+Shift+F"),
    cmd("&Helper...", "FontHelper"),
    cmd("&Document Helper...", "DocHelper"),
};
const MenuEntry CharacterEntries[] = {
    named(cmd("&Bold", "Bold", "Ctrl+B"), "Bold1"),
    named(cmd("&Italics", "italics1Click", "Ctrl+I"), "italics1"),
    cmd("&Underline", "Underline1Click", "Ctrl+U"),
    sub("&Font Size&&Color", FontSizeColorEntries),
    cmd("Bi&g", "bigClick"),
    cmd("B&link", "Blink1Click"),
    cmd("&Monospaced", "Monospaced1Click"),
    cmd("Sm&all", "smallClick"),
    cmd("Strike&through", "Strikethrough1Click"),
    cmd("&Subscript", "Subscript1Click"),
    cmd("Su&perscript", "Superscript1Click"),
    cmd("Special &Chars...", "SpecialChars"),
    cmd("User T&ags...", "UserTags"),
};

const MenuEntry LinkEntries[] = {
    cmd("Quick &HREF", "QuickUrl", "Ctrl+Shift+H"),
    cmd("Quick N&ame", "Quickanchor", "Ctrl+Shift+A"),
    cmd("Quick &Linked Stylesheet", "QuickLinkStyle", "Ctrl+Shift+L"),
    cmd("&Helper...", "LinkHelper"),
    cmd("&PushButton HREF", "linkbutton"),
};
const MenuEntry ImageEntries[] = {
    cmd("&Quick Image", "Quickimage", "Ctrl+Shift+I"),
    cmd("&Helper...", "ImageHelper"),
    cmd("&Document Helper...", "DocHelper"),
};
const MenuEntry LinksImagesEntries[] = {
    sub("&Links", LinkEntries),
    sub("&Images", ImageEntries),
};

const MenuEntry CustomEntries[] = {
    cmd("Custom", "Custom11Click", "Ctrl+1; Ctrl+Shift+1"),
    cmd("Custom", "Custom21Click", "Ctrl+2; Ctrl+Shift+2"),
    cmd("Custom", "Custom31Click", "Ctrl+3; Ctrl+Shift+3"),
    cmd("Custom", "Custom41Click", "Ctrl+4; Ctrl+Shift+4"),
    cmd("Custom", "Custom51Click", "Ctrl+5; Ctrl+Shift+5"),
    cmd("Custom", "Custom61Click", "Ctrl+6; Ctrl+Shift+6"),
    cmd("Custom", "Custom71Click", "Ctrl+7; Ctrl+Shift+7"),
    cmd("Custom", "Custom81Click", "Ctrl+8; Ctrl+Shift+8"),
    cmd("Custom", "Custom91Click", "Ctrl+9; Ctrl+Shift+9"),
    cmd("Custom", "Custom101Click", "Ctrl+0; Ctrl+Shift+0"),
    cmd("Custom", "Custom111Click", "Ctrl+Alt+1; Ctrl+Alt+Shift+1"),
    cmd("Custom", "Custom121Click", "Ctrl+Alt+2; Ctrl+Alt+Shift+2"),
    cmd("Custom", "Custom131Click", "Ctrl+Alt+3; Ctrl+Alt+Shift+3"),
    cmd("Custom", "Custom141Click", "Ctrl+Alt+4; Ctrl+Alt+Shift+4"),
    cmd("Custom", "Custom151Click", "Ctrl+Alt+5; Ctrl+Alt+Shift+5"),
    cmd("Custom", "Custom161Click", "Ctrl+Alt+6; Ctrl+Alt+Shift+6"),
    cmd("Custom", "Custom171Click", "Ctrl+Alt+7; Ctrl+Alt+Shift+7"),
    cmd("Custom", "Custom181Click", "Ctrl+Alt+8; Ctrl+Alt+Shift+8"),
    cmd("Custom", "Custom191Click", "Ctrl+Alt+9; Ctrl+Alt+Shift+9"),
    cmd("Custom", "Custom201Click", "Ctrl+Alt+0; Ctrl+Alt+Shift+0"),
    separator(),
    inactive("Shift+Click to Change"),
};

const MenuEntry WindowEntries[] = {
    cmd("Ta&b", "Tabbed"),
    cmd("&Tile", "Tiled"),
    cmd("&Cascade", "Cascaded"),
    hidden("Switch", "switch1Click", "Ctrl+PgDown"),
    hidden("Switch Back", "switchBack1Click", "Ctrl+PgUp"),
};

const MenuEntry HelpEntries[] = {
    cmd("&Contents", "Contents1Click"),
    cmd("&About", "About1Click"),
    separator(),
    inactive("Version 5.2", "Version"),
};

const TopMenu Menus[] = {
    {"&File", "File1", FileEntries},
    {"&Edit", "Edit1", EditEntries},
    {"&Quick", "Quick1", QuickEntries},
    {"&Layout", "Layout1", LayoutEntries},
    {"&Character", "Character1", CharacterEntries},
    {"Links&&&Images", "LinksImages1", LinksImagesEntries},
    {"C&ustom", "Custom1", CustomEntries},
    {"&Window", "Window1", WindowEntries},
    {"&Help", "Help1", HelpEntries},
    {"E&xit", "Exit2", {}, "Exit1Click"},
};
// clang-format on

} // namespace

std::span<const TopMenu> mainMenu()
{
    return Menus;
}
