#include "toolbar/speeditems.h"

#include <iterator>

namespace {

const char *const Sections[] = {
    "File",           "Edit",           "Quick", "Quick By Example", "Layout",  "Heading",
    "Alignment",      "Tables",         "Lists", "Frames",           "Forms",   "Stylesheets",
    "Character",      "Size and Color", "Links", "Images",           "Helpers", "Window",
    "Custom Buttons", "Help",
};

enum Section {
    File,
    Edit,
    Quick,
    QuickByExample,
    Layout,
    Heading,
    Alignment,
    Tables,
    Lists,
    Frames,
    Forms,
    Stylesheets,
    Character,
    SizeandColor,
    Links,
    Images,
    Helpers,
    Window,
    CustomButtons,
    Help,
};

// clang-format off
const SpeedItemRow Items[] = {
    {21, File, "New HTML Document", "news"},
    {22, File, "New Document", "newclean1Click"},
    {23, File, "Open Existing Document", "Open1Click"},
    {24, File, "Open a Project", "Projects1Click"},
    {25, File, "Insert a Document", "InsertFile"},
    {26, File, "Save Active Document", "Saves"},
    {28, File, "Save into a Project", "intoaProject1Click"},
    {27, File, "Save As... ", "SavesAs"},
    {153, File, "Save as a Template", "SaveasTemplate1Click"},
    {29, File, "Close Active Document", "Close1Click"},
    {30, File, "Close All Documents", "CloseAll1Click"},
    {149, File, "Estimate Download Time", "DownloadTime1Click"},
    {31, File, "Print Active Document", "Prints"},
    {32, File, "Print Setup", "PrintSetup1Click"},
    {33, File, "Exit Quillmark", "Exit1Click"},
    {34, Edit, "Undo Last Action", "Undo1Click"},
    {35, Edit, "Redo Last Undone Action", "Redo1Click"},
    {36, Edit, "Cut Selected Text to Clipboard", "Cut1Click"},
    {37, Edit, "Copy Selected Text to Clipboard", "Copy1Click"},
    {38, Edit, "Paste from Clipboard", "Paste1Click"},
    {43, Edit, "Delete Selected Text", "Delete1Click"},
    {44, Edit, "Remove Tags", "killtags"},
    {152, Edit, "Add Line Breaks", "addLineBreaks1Click"},
    {39, Edit, "Toggle WordWrap in Active Document", "Wordwrap1Click"},
    {40, Edit, "Toggle Colored Tags in Active Document", "ColoredTags1Click"},
    {41, Edit, "Toggle Gutter in Active Document", "Gutter1Click"},
    {47, Edit, "Go To Specified Line Number", "GoToLine1Click"},
    {42, Edit, "Select Entire Document", "SelectAll1Click"},
    {138, Edit, "Spell Check Selection/From Cursor", "spellcheck"},
    {155, Edit, "Spell Check Entire Document", "spellcheckentire"},
    {151, Edit, "Toggle Live Spellcheck", "LiveSpellcheck1Click"},
    {139, Edit, "Thesaurus", "thesaurus"},
    {45, Edit, "Find & Replace Text", "FindbutClick"},
    {46, Edit, "Find & Replace Mini", "FagainbutClick"},
    {50, Edit, "Find & Replace in Multiple Files", "MultiDocFR1Click"},
    {49, Edit, "Customize Toolbar", "popuptoolbar"},
    {48, Edit, "Edit Quillmark Preferences", "Preferences1Click"},
    {132, Quick, "Integrated Preview", "InternalBrowser1Click"},
    {51, Quick, "Browser 1 Preview", "openbrowser"},
    {52, Quick, "Browser 2 Preview", "Browser2Preview1Click"},
    {64, Quick, "Quick Start Tag", "StartTag"},
    {65, Quick, "Quick End Tag", "EndTag"},
    {107, Quick, "Comment Tags", "Comment1Click"},
    {53, Quick, "Quick Font Tag", "QuickFont"},
    {54, Quick, "Quick HREF Tag", "QuickUrl"},
    {55, Quick, "Quick Name Tag", "Quickanchor"},
    {56, Quick, "Quick Image Tag", "Quickimage"},
    {57, Quick, "Quick \"Mailto\" Tag", "quickmail"},
    {59, Quick, "Quick Table Block", "QuickTable"},
    {62, Quick, "Quick Definition List Block", "QuickDList"},
    {61, Quick, "Quick Ordered List Block", "QuickNList"},
    {60, Quick, "Quick Unordered List Block", "QuickBList"},
    {144, Quick, "Quick Frame Document", "QuickFrameset"},
    {154, Quick, "Quick Floating Frame Tags", "floatingframe"},
    {63, Quick, "Quick Form Block", "QuickForm"},
    {58, Quick, "Quick Script Block", "Quickscript"},
    {145, Quick, "Quick Embed Stylesheet Block", "styEmbed"},
    {146, Quick, "Quick Link Stylesheet Tags", "QuickLinkStyle"},
    {160, QuickByExample, "Quick Table by Example", "QuickTableExample"},
    {161, QuickByExample, "Quick Definition List by Example", "QuickDListExample"},
    {162, QuickByExample, "Quick Ordered List by Example", "QuickNListExample"},
    {163, QuickByExample, "Quick Unordered List by Example", "QuickBListExample"},
    {164, QuickByExample, "Quick Color Code by Example", "SpeedItem164Click"},
    {68, Layout, "Indent 5 Spaces", "Indent1Click"},
    {69, Layout, "Indent Both Sides (BlockQuote)", "DblIndent"},
    {70, Layout, "Line Break", "LineBreak"},
    {71, Layout, "Line Break Plus", "LineBreakPlus"},
    {72, Layout, "Horizontal Rule", "HorzRule"},
    {73, Layout, "Horizontal Rule Plus", "HorzRulePlus"},
    {80, Heading, "H1 (Largest)", "H11Click"},
    {81, Heading, "H2", "H21Click"},
    {82, Heading, "H3", "H31Click"},
    {83, Heading, "H4", "H41Click"},
    {84, Heading, "H5", "H51Click"},
    {85, Heading, "H6 (Smallest)", "H61Click"},
    {74, Alignment, "Center", "Centeralign"},
    {75, Alignment, "Paragraph", "Paragraph"},
    {76, Alignment, "Paragraph Left", "leftalign"},
    {77, Alignment, "Paragraph Center", "centerpalign"},
    {78, Alignment, "Paragraph Right", "rightalign"},
    {79, Alignment, "Paragraph Justify", "justifyalign"},
    {86, Tables, "Quick Table Block", "QuickTable"},
    {156, Tables, "Quick Table by Example", "QuickTableExample"},
    {87, Tables, "Table Tags", "Tabletable"},
    {88, Tables, "Row Tags", "TableRow"},
    {89, Tables, "Data Cell Tags", "TableCell"},
    {90, Tables, "Header Cell Tags", "TableHCell"},
    {91, Tables, "Table Helper", "TableHelper"},
    {94, Lists, "Quick Definition List Block", "QuickDList"},
    {93, Lists, "Quick Ordered List Block", "QuickNList"},
    {92, Lists, "Quick Unordered List Block", "QuickBList"},
    {159, Lists, "Quick Definition List by Example", "QuickDListExample"},
    {158, Lists, "Quick Ordered List by Example", "QuickNListExample"},
    {157, Lists, "Quick Unordered List by Example", "QuickBListExample"},
    {95, Lists, "List Item Tags", "listitem"},
    {96, Lists, "List Helper", "ListHelper"},
    {140, Frames, "Quick Frame Document", "QuickFrameset"},
    {148, Frames, "Quick Floating Frame Tags", "floatingframe"},
    {141, Frames, "Frameset Tags", "frameset"},
    {142, Frames, "Frame Tag", "frame"},
    {147, Frames, "No Frames Tags", "noframes"},
    {143, Frames, "Frame Helper", "FrameHelper"},
    {97, Forms, "Quick Form Block", "QuickForm"},
    {98, Forms, "Form Helper", "FormHelper"},
    {133, Stylesheets, "Quick Embedded Block", "styEmbed"},
    {134, Stylesheets, "Quick Linked Tags", "QuickLinkStyle"},
    {135, Stylesheets, "Class Attribute", "styClass"},
    {136, Stylesheets, "ID Attribute", "styID"},
    {137, Stylesheets, "Style Attribute", "styStyle"},
    {99, Character, "Bold Tags", "Bold"},
    {100, Character, "Italics Tags", "italics1Click"},
    {101, Character, "Underline Tags", "Underline1Click"},
    {102, Character, "Strikethrough Tags", "Strikethrough1Click"},
    {103, Character, "Superscript Tags", "Superscript1Click"},
    {104, Character, "Subscript Tags", "Subscript1Click"},
    {105, Character, "Special Characters Helper", "SpecialChars"},
    {106, Character, "User Tags Helper", "UserTags"},
    {108, SizeandColor, "Quick Font Tag", "QuickFont"},
    {109, SizeandColor, "Font Helper", "FontHelper"},
    {165, SizeandColor, "Quick Color Code by Example", "SpeedItem165Click"},
    {166, SizeandColor, "Color Helper", "ColorHelper"},
    {110, SizeandColor, "Document Helper", "DocHelper"},
    {111, Links, "Quick Link Tag", "QuickUrl"},
    {112, Links, "Quick Anchor Tag", "Quickanchor"},
    {113, Links, "Link Helper", "LinkHelper"},
    {114, Images, "Quick Image Tag", "Quickimage"},
    {115, Images, "Image Helper", "ImageHelper"},
    {116, Images, "Document Helper", "DocHelper"},
    {131, Helpers, "Helper Application(s)", "nonef2Click"},
    {66, Helpers, "Document Helper", "DocHelper"},
    {150, Helpers, "Frame Helper", "FrameHelper"},
    {67, Helpers, "Font Helper", "FontHelper"},
    {117, Helpers, "Link Helper", "LinkHelper"},
    {118, Helpers, "Image Helper", "ImageHelper"},
    {119, Helpers, "Table Helper", "TableHelper"},
    {120, Helpers, "List Helper", "ListHelper"},
    {121, Helpers, "Form Helper", "FormHelper"},
    {122, Helpers, "Color Helper", "ColorHelper"},
    {123, Helpers, "User Tags Helper", "UserTags"},
    {124, Helpers, "Special Characters Helper", "SpecialChars"},
    {125, Window, "Tabbed Document Display", "Tabbed"},
    {126, Window, "Tiled Document Display", "Tiled"},
    {127, Window, "Cascaded Document Display", "Cascaded"},
    {128, Window, "Switch Between Open Documents", "switch1Click"},
    {1, CustomButtons, "Custom Button 1", "Custom11Click"},
    {2, CustomButtons, "Custom Button 2", "Custom21Click"},
    {3, CustomButtons, "Custom Button 3", "Custom31Click"},
    {4, CustomButtons, "Custom Button 4", "Custom41Click"},
    {5, CustomButtons, "Custom Button 5", "Custom51Click"},
    {6, CustomButtons, "Custom Button 6", "Custom61Click"},
    {7, CustomButtons, "Custom Button 7", "Custom71Click"},
    {8, CustomButtons, "Custom Button 8", "Custom81Click"},
    {9, CustomButtons, "Custom Button 9", "Custom91Click"},
    {10, CustomButtons, "Custom Button 10", "Custom101Click"},
    {11, CustomButtons, "Custom Button 11", "Custom111Click"},
    {12, CustomButtons, "Custom Button 12", "Custom121Click"},
    {13, CustomButtons, "Custom Button 13", "Custom131Click"},
    {14, CustomButtons, "Custom Button 14", "Custom141Click"},
    {15, CustomButtons, "Custom Button 15", "Custom151Click"},
    {16, CustomButtons, "Custom Button 16", "Custom161Click"},
    {17, CustomButtons, "Custom Button 17", "Custom171Click"},
    {18, CustomButtons, "Custom Button 18", "Custom181Click"},
    {19, CustomButtons, "Custom Button 19", "Custom191Click"},
    {20, CustomButtons, "Custom Button 20", "Custom201Click"},
    {129, Help, "Help Contents", "Contents1Click"},
    {130, Help, "About Quillmark", "About1Click"},
};
// clang-format on

static_assert(std::size(Items) == SpeedItemCount);

} // namespace

std::span<const char *const> speedSections()
{
    return Sections;
}

std::span<const SpeedItemRow> speedItems()
{
    return Items;
}

QString speedItemName(int number)
{
    return QStringLiteral("SpeedItem") + QString::number(number);
}

const SpeedItemRow *findSpeedItem(QStringView name)
{
    const QStringView prefix = u"SpeedItem";
    if (!name.startsWith(prefix, Qt::CaseInsensitive))
        return nullptr;
    bool ok = false;
    const int number = name.mid(prefix.size()).toInt(&ok);
    if (!ok || name.compare(speedItemName(number), Qt::CaseInsensitive) != 0)
        return nullptr;
    for (const SpeedItemRow &row : Items) {
        if (row.number == number)
            return &row;
    }
    return nullptr;
}
