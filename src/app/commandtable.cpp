#include "app/commandtable.h"

#include <QLatin1StringView>

namespace {

constexpr bool Doc = true;  // works on the active document
constexpr bool Any = false; // runs with no document open

using enum Tint;

// Quick blocks are drawn in teal and helper panels in purple, both filled; plain tags are
// outlined: the look tells the three kinds apart on the bar.
// clang-format off
const CommandRow Commands[] = {
    // id                       caption                         shortcut            doc  alternative            icon                          label    tint
    // File.
    {"New1Click",               "&New",                         "Ctrl+N",           Any, nullptr,               nullptr,                      "NEW",   Teal},
    {"news",                    "New",                          "Alt+N",            Any, "othernew",            "document-new",               nullptr},
    {"othernew",                "Other New",                    nullptr,            Any, nullptr,               "document-new",               nullptr},
    {"newclean1Click",          "NewClean",                     nullptr,            Any, nullptr,               "accessories-text-editor",    nullptr},
    {"Open1Click",              "&Open...",                     "Ctrl+O",           Any, "Projects1Click",      "document-open",              nullptr},
    {"Projects1Click",          "Proj&ects...",                 nullptr,            Any, nullptr,               "emblem-documents",           nullptr},
    {"InsertFile",              "&Insert...",                   nullptr,            Doc, nullptr,               "insert-text",                nullptr},
    {"Saves",                   "&Save",                        "Ctrl+S",           Doc, "SavesAs",             "document-save",              nullptr},
    {"intoaProject1Click",      "Save into a Project...",       nullptr,            Doc, nullptr,               "document-send",              nullptr},
    {"SavesAs",                 "Save &As...",                  "Alt+S",            Doc, nullptr,               "document-save-as",           nullptr},
    {"SaveasTemplate1Click",    "Save as a Template...",        nullptr,            Doc, nullptr,               nullptr,                      "TPL",   Teal},
    {"Close1Click",             "&Close",                       nullptr,            Doc, "CloseAll1Click",      "window-close",               nullptr},
    {"CloseAll1Click",          "C&lose All",                   nullptr,            Doc, nullptr,               nullptr,                      "ALL",   Red},
    {"DownloadTime1Click",      "Estimate Download Time...",    nullptr,            Any, nullptr,               "emblem-downloads",           nullptr},
    {"Prints",                  "&Print...",                    nullptr,            Doc, "PrintSetup1Click",    "document-print",             nullptr},
    {"PrintSetup1Click",        "P&rint Setup...",              nullptr,            Any, nullptr,               "document-page-setup",        nullptr},
    {"Exit1Click",              "E&xit",                        "Alt+F4",           Any, nullptr,               "application-exit",           nullptr},

    // Edit.
    {"Undo1Click",              "&Undo",                        "Ctrl+Z",           Doc, "Redo1Click",          "edit-undo",                  nullptr},
    {"Redo1Click",              "R&edo",                        "Ctrl+Shift+Z",     Doc, nullptr,               "edit-redo",                  nullptr},
    {"Cut1Click",               "Cu&t",                         "Ctrl+X",           Doc, nullptr,               "edit-cut",                   nullptr},
    {"Copy1Click",              "&Copy",                        "Ctrl+C",           Doc, nullptr,               "edit-copy",                  nullptr},
    {"Paste1Click",             "&Paste",                       "Ctrl+V",           Doc, nullptr,               "edit-paste",                 nullptr},
    {"Delete1Click",            "&Delete",                      "Ctrl+D",           Doc, nullptr,               "edit-delete",                nullptr},
    {"killtags",                "&Remove Tags",                 nullptr,            Doc, nullptr,               "edit-clear",                 nullptr},
    {"addLineBreaks1Click",     "Add Line Breaks",              "Shift+F9",         Doc, nullptr,               nullptr,                      "+BR",   Orange},
    {"Wordwrap1Click",          "&Wordwrap",                    nullptr,            Doc, nullptr,               nullptr,                      "WW",  Grey},
    {"ColoredTags1Click",       "Colored Ta&gs",                nullptr,            Doc, nullptr,               nullptr,                      "<a>",   Orange},
    {"Gutter1Click",            "&Gutter",                      nullptr,            Doc, nullptr,               nullptr,                      "12|",   Grey},
    {"GoToLine1Click",          "&Go to Line",                  "Ctrl+G",           Doc, nullptr,               "go-jump",                    nullptr},
    {"SelectAll1Click",         "&Select All",                  "Ctrl+A",           Doc, nullptr,               "edit-select-all",            nullptr},
    {"spellcheck",              "From Cursor",                  "F7",               Doc, nullptr,               "tools-check-spelling",       nullptr},
    {"spellcheckentire",        "Entire Document",              "Ctrl+F7",          Doc, nullptr,               nullptr,                      "ABC",   Green},
    {"LiveSpellcheck1Click",    "Live Spellcheck",              nullptr,            Doc, nullptr,               "tools-check-spelling",       nullptr},
    {"thesaurus",               "&Thesaurus",                   "F8",               Doc, nullptr,               "accessories-dictionary",     nullptr},
    {"FindbutClick",            "&Find&&Replace...",            "Ctrl+F",           Doc, "FagainbutClick",      "edit-find-replace",          nullptr},
    {"FagainbutClick",          "Find Ne&xt...",                "F3",               Doc, nullptr,               "edit-find",                  nullptr},
    {"MultiDocFR1Click",        "&Multiple Files...",           nullptr,            Any, nullptr,               "system-search",              nullptr},
    {"fontup",                  "  Font Size +",                "Ctrl+=",           Doc, nullptr,               "zoom-in",                    nullptr},
    {"fontdown",                "  Font Size -",                "Ctrl+-",           Doc, nullptr,               "zoom-out",                   nullptr},
    {"Font1Click",              "C&hange...",                   nullptr,            Doc, nullptr,               nullptr,                      "Aa",    Blue},
    {"ReadFont",                "Set to &Current",              nullptr,            Doc, nullptr,               nullptr,                      "Aa",    Green},
    {"nofont",                  "Set to Default",               nullptr,            Doc, nullptr,               nullptr,                      "Aa",    Grey},
    {"WriteFont",               "&Save Current Settings",       nullptr,            Doc, nullptr,               nullptr,                      "Aa",    Orange},
    {"Customize1Click",         "Too&lbar...",                  nullptr,            Any, nullptr,               "preferences-desktop",        nullptr},
    {"popuptoolbar",            "Customize Toolbar",            nullptr,            Any, nullptr,               "preferences-desktop",        nullptr},
    {"Preferences1Click",       "P&references...",              "Ctrl+F10",         Any, nullptr,               "preferences-system",         nullptr},

    // Toolbar pop-up menu.
    {"ShowOneRow1Click",        "Show One Row",                 nullptr,            Any, nullptr,               nullptr,                      "1",     Grey},
    {"ShowTwoRows1Click",       "Show Two Rows",                nullptr,            Any, nullptr,               nullptr,                      "2",     Grey},
    {"ShowThreeRows1Click",     "Show Three Rows",              nullptr,            Any, nullptr,               nullptr,                      "3",     Grey},
    {"ShowFourRows1Click",      "Show Four Rows",               nullptr,            Any, nullptr,               nullptr,                      "4",     Grey},
    {"ShowFiveRows1Click",      "Show Five Rows",               nullptr,            Any, nullptr,               nullptr,                      "5",     Grey},
    {"ToolbarHelp1Click",       "Help",                         nullptr,            Any, nullptr,               "help-browser",               nullptr},

    // Previews and helper programs.
    {"InternalBrowser1Click",   "Internal Browser",             "F9",               Doc, "openbrowser",         "document-print-preview",     nullptr},
    {"openbrowser",             "Browser &1 Preview",           "Ctrl+F9",          Doc, "browser1rightclick",  "web-browser",                nullptr},
    {"Browser2Preview1Click",   "Browser &2 Preview",           "Ctrl+Shift+F9",    Doc, "browser2rightclick",  "applications-internet",      nullptr},
    {"browser1rightclick",      "Browser 1 Preview",            nullptr,            Doc, nullptr,               "web-browser",                nullptr},
    {"browser2rightclick",      "Browser 2 Preview",            nullptr,            Doc, nullptr,               "applications-internet",      nullptr},
    {"nonef2Click",             "(none)",                       "Ctrl+Shift+F2",    Any, "Helpersrightclick",   "system-run",                 nullptr},
    {"nonef3Click",             "(none)",                       "Ctrl+Shift+F3",    Any, nullptr,               "system-run",                 nullptr},
    {"nonef4Click",             "(none)",                       "Ctrl+Shift+F4",    Any, nullptr,               "system-run",                 nullptr},
    {"nonef5Click",             "(none)",                       "Ctrl+Shift+F5",    Any, nullptr,               "system-run",                 nullptr},
    {"nonef6Click",             "(none)",                       "Ctrl+Shift+F6",    Any, nullptr,               "system-run",                 nullptr},
    {"nonef7Click",             "(none)",                       "Ctrl+Shift+F7",    Any, nullptr,               "system-run",                 nullptr},
    {"nonef8Click",             "(none)",                       "Ctrl+Shift+F8",    Any, nullptr,               "system-run",                 nullptr},
    {"Helpersrightclick",       "Helper Application(s)",        nullptr,            Any, nullptr,               "system-run",                 nullptr},

    // Quick tags and blocks.
    {"StartTag",                "St&art Tag",                   "Ctrl+Shift+,",     Doc, nullptr,               nullptr,                      "<>",    Green},
    {"EndTag",                  "End Ta&g",                     "Ctrl+Shift+.",     Doc, nullptr,               nullptr,                      "</>",   Green},
    {"Comment1Click",           "&Comment",                     "Ctrl+Shift+C",     Doc, nullptr,               nullptr,                      "<!>",   Grey},
    {"QuickFont",               "&Font",                        "Ctrl+Shift+F",     Doc, nullptr,               nullptr,                      "Fn",  Orange},
    {"QuickUrl",                "&HREF",                        "Ctrl+Shift+H",     Doc, nullptr,               "insert-link",                nullptr},
    {"Quickanchor",             "N&ame",                        "Ctrl+Shift+A",     Doc, nullptr,               nullptr,                      "#A",    Blue},
    {"Quickimage",              "&Image",                       "Ctrl+Shift+I",     Doc, nullptr,               "insert-image",               nullptr},
    {"quickmail",               "&MailTo",                      "Ctrl+Shift+M",     Doc, nullptr,               "mail-send",                  nullptr},
    {"QuickTable",              "&Table",                       "Ctrl+Shift+T",     Doc, nullptr,               nullptr,                      "TBL",   Teal},
    {"QuickDList",              "&Definition List",             "Ctrl+Shift+D",     Doc, nullptr,               nullptr,                      "DL",    Teal},
    {"QuickNList",              "&Ordered List",                "Ctrl+Shift+O",     Doc, "listitem",            nullptr,                      "OL",    Teal},
    {"QuickBList",              "&Unordered List",              "Ctrl+Shift+U",     Doc, "listitem",            nullptr,                      "UL",    Teal},
    {"QuickFrameset",           "F&rame Document",              "Ctrl+Shift+R",     Doc, nullptr,               nullptr,                      "FRS",   Teal},
    {"floatingframe",           "Floatin&g Frame",              "Ctrl+Shift+G",     Doc, nullptr,               nullptr,                      "IFR",   Teal},
    {"QuickForm",               "Fo&rm",                        "Ctrl+Shift+Y",     Doc, nullptr,               nullptr,                      "FM",  Teal},
    {"Quickscript",             "&Script",                      "Ctrl+Shift+S",     Doc, nullptr,               nullptr,                      "JS",    Teal},
    {"QuickLinkStyle",          "&Linked Stylesheet",           "Ctrl+Shift+L",     Doc, nullptr,               nullptr,                      "LNK",  Teal},
    {"styEmbed",                "&Embedded Stylesheet",         "Ctrl+Shift+E",     Doc, nullptr,               nullptr,                      "CSS",   Teal},

    // Quick by example pickers.
    {"QuickTableExample",       "Quick Table by Example",       nullptr,            Any, nullptr,               nullptr,                      "3x3",   Teal},
    {"QuickDListExample",       "Quick Definition List by Example", nullptr,        Any, nullptr,               nullptr,                      "DL..",  Teal},
    {"QuickNListExample",       "Quick Ordered List by Example", nullptr,           Any, nullptr,               nullptr,                      "OL..",  Teal},
    {"QuickBListExample",       "Quick Unordered List by Example", nullptr,         Any, nullptr,               nullptr,                      "UL..",  Teal},
    {"SpeedItem164Click",       "Quick Color Code by Example",  nullptr,            Any, nullptr,               nullptr,                      "#RGB",  Red},
    {"SpeedItem165Click",       "Quick Color Code by Example",  nullptr,            Any, nullptr,               nullptr,                      "#RGB",  Red},

    // Layout.
    {"Indent1Click",            "&Indent",                      "Ctrl+W",           Doc, nullptr,               "format-indent-more",         nullptr},
    {"DblIndent",               "Bloc&k Indent",                "Ctrl+Alt+W",       Doc, nullptr,               nullptr,                      "BQ",    Blue},
    {"H11Click",                "H&1  (largest)",               "Alt+1",            Doc, nullptr,               nullptr,                      "H1",    Blue},
    {"H21Click",                "H&2",                          "Alt+2",            Doc, nullptr,               nullptr,                      "H2",    Blue},
    {"H31Click",                "H&3",                          "Alt+3",            Doc, nullptr,               nullptr,                      "H3",    Blue},
    {"H41Click",                "H&4",                          "Alt+4",            Doc, nullptr,               nullptr,                      "H4",    Blue},
    {"H51Click",                "H&5",                          "Alt+5",            Doc, nullptr,               nullptr,                      "H5",    Blue},
    {"H61Click",                "H&6  (smallest)",              "Alt+6",            Doc, nullptr,               nullptr,                      "H6",    Blue},
    {"Centeralign",             "&Center",                      "Ctrl+Alt+E",       Doc, "centerpalign",        nullptr,                      "CEN",   Blue},
    {"Paragraph",               "&Paragraph",                   "Ctrl+P",           Doc, nullptr,               nullptr,                      "P",     Blue},
    {"leftalign",               "Align &Left",                  "Ctrl+L",           Doc, nullptr,               "format-justify-left",        nullptr},
    {"centerpalign",            "Align &Center",                "Ctrl+E",           Doc, "Centeralign",         "format-justify-center",      nullptr},
    {"rightalign",              "Align &Right",                 "Ctrl+R",           Doc, nullptr,               "format-justify-right",       nullptr},
    {"justifyalign",            "Align &Justify",               "Ctrl+J",           Doc, nullptr,               "format-justify-fill",        nullptr},
    {"LineBreak",               "Line &Break",                  "Ctrl+Enter",       Doc, "LineBreakPlus",       nullptr,                      "BR",    Blue},
    {"LineBreakPlus",           "   ... Plus",                  "Ctrl+Shift+Enter", Doc, nullptr,               nullptr,                      "BR+",   Blue},
    {"HorzRule",                "Hor&z Rule",                   "Alt+Enter",        Doc, "HorzRulePlus",        nullptr,                      "HR",    Blue},
    {"HorzRulePlus",            "   ... Plus",                  "Shift+Alt+Enter",  Doc, nullptr,               nullptr,                      "HR+",   Blue},
    {"Tabletable",              " &Table",                      "Ctrl+Alt+T",       Doc, nullptr,               nullptr,                      "TAB",   Green},
    {"TableRow",                " &Row",                        "Ctrl+Alt+R",       Doc, nullptr,               nullptr,                      "TR",    Green},
    {"TableHCell",              " H&eader Cell",                "Ctrl+Alt+H",       Doc, nullptr,               nullptr,                      "TH",    Green},
    {"TableCell",               " &Data Cell",                  "Ctrl+Alt+D",       Doc, nullptr,               nullptr,                      "TD",    Green},
    {"unordered",               "&Unordered List",              "Ctrl+Alt+U",       Doc, nullptr,               nullptr,                      "UL",    Green},
    {"ordered",                 "&Ordered List",                "Ctrl+Alt+O",       Doc, nullptr,               nullptr,                      "OL",    Green},
    {"listitem",                " &List Item",                  "Ctrl+Alt+L",       Doc, nullptr,               nullptr,                      "LI",    Green},
    {"frameset",                "&Frameset",                    "Ctrl+Alt+F",       Doc, nullptr,               nullptr,                      "FS",    Green},
    {"frame",                   "Fr&ame",                       "Ctrl+Alt+A",       Doc, nullptr,               nullptr,                      "FR",    Green},
    {"noframes",                "&No Frames",                   "Ctrl+Alt+N",       Doc, nullptr,               nullptr,                      "NOF",   Green},
    {"styClass",                "&Class",                       "Ctrl+Alt+C",       Doc, nullptr,               nullptr,                      "CLS",   Orange},
    {"styID",                   "&ID",                          "Ctrl+Alt+I",       Doc, nullptr,               nullptr,                      "ID",    Orange},
    {"styStyle",                "&Style",                       "Ctrl+Alt+S",       Doc, nullptr,               nullptr,                      "STY",   Orange},

    // Character.
    {"Bold",                    "&Bold",                        "Ctrl+B",           Doc, nullptr,               "format-text-bold",           nullptr},
    {"italics1Click",           "&Italics",                     "Ctrl+I",           Doc, nullptr,               "format-text-italic",         nullptr},
    {"Underline1Click",         "&Underline",                   "Ctrl+U",           Doc, nullptr,               "format-text-underline",      nullptr},
    {"bigClick",                "Bi&g",                         nullptr,            Doc, nullptr,               nullptr,                      "BIG",   Blue},
    {"Blink1Click",             "B&link",                       nullptr,            Doc, nullptr,               nullptr,                      "BLK",   Blue},
    {"Monospaced1Click",        "&Monospaced",                  nullptr,            Doc, nullptr,               nullptr,                      "KBD",   Blue},
    {"smallClick",              "Sm&all",                       nullptr,            Doc, nullptr,               nullptr,                      "sm",    Blue},
    {"Strikethrough1Click",     "Strike&through",               nullptr,            Doc, nullptr,               "format-text-strikethrough",  nullptr},
    {"Subscript1Click",         "&Subscript",                   nullptr,            Doc, nullptr,               nullptr,                      "x\u2082", Blue},
    {"Superscript1Click",       "Su&perscript",                 nullptr,            Doc, nullptr,               nullptr,                      "x\u00B2", Blue},
    {"linkbutton",              "&PushButton HREF",             nullptr,            Doc, nullptr,               nullptr,                      "BTN",   Green},

    // Helper panels; a right-button press on their items closes the panel.
    {"DocHelper",               "&Document Helper...",          nullptr,            Doc, "DocHelperClose",      "document-properties",        nullptr},
    {"ColorHelper",             "C&olor Helper...",             nullptr,            Doc, "ColorHelperClose",    "applications-graphics",      nullptr},
    {"TableHelper",             "&Helper...",                   nullptr,            Doc, "TableHelperClose",    nullptr,                      "TBL",   Purple},
    {"ListHelper",              "&Helper...",                   nullptr,            Doc, "ListHelperClose",     nullptr,                      "LST",  Purple},
    {"FrameHelper",             "&Helper...",                   nullptr,            Doc, "FrameHelperClose",    nullptr,                      "FRM",   Purple},
    {"FormHelper",              "&Helper...",                   nullptr,            Doc, "FormHelperClose",     nullptr,                      "FM",  Purple},
    {"FontHelper",              "&Helper...",                   nullptr,            Doc, "FontHelperClose",     "preferences-desktop-font",   nullptr},
    {"LinkHelper",              "&Helper...",                   nullptr,            Doc, "LinkHelperClose",     nullptr,                      "A",  Purple},
    {"ImageHelper",             "&Helper...",                   nullptr,            Doc, "ImageHelperClose",    nullptr,                      "IMG",   Purple},
    {"UserTags",                "User T&ags...",                nullptr,            Doc, "UserTagsClose",       "system-users",               nullptr},
    {"SpecialChars",            "Special &Chars...",            nullptr,            Doc, "SpecialCharsClose",   "accessories-character-map",  nullptr},
    {"DocHelperClose",          "Close Document Helper",        nullptr,            Any, nullptr,               "window-close",               nullptr},
    {"ColorHelperClose",        "Close Color Helper",           nullptr,            Any, nullptr,               "window-close",               nullptr},
    {"TableHelperClose",        "Close Table Helper",           nullptr,            Any, nullptr,               "window-close",               nullptr},
    {"ListHelperClose",         "Close List Helper",            nullptr,            Any, nullptr,               "window-close",               nullptr},
    {"FrameHelperClose",        "Close Frame Helper",           nullptr,            Any, nullptr,               "window-close",               nullptr},
    {"FormHelperClose",         "Close Form Helper",            nullptr,            Any, nullptr,               "window-close",               nullptr},
    {"FontHelperClose",         "Close Font Helper",            nullptr,            Any, nullptr,               "window-close",               nullptr},
    {"LinkHelperClose",         "Close Link Helper",            nullptr,            Any, nullptr,               "window-close",               nullptr},
    {"ImageHelperClose",        "Close Image Helper",           nullptr,            Any, nullptr,               "window-close",               nullptr},
    {"UserTagsClose",           "Close User Tags Helper",       nullptr,            Any, nullptr,               "window-close",               nullptr},
    {"SpecialCharsClose",       "Close Special Characters",     nullptr,            Any, nullptr,               "window-close",               nullptr},

    // Custom tags 1 to 20; their items show the user's own pictures when there are some.
    {"Custom11Click",           "Custom",                       "Ctrl+1",           Doc, nullptr,               nullptr,                      "C1",    Purple},
    {"Custom21Click",           "Custom",                       "Ctrl+2",           Doc, nullptr,               nullptr,                      "C2",    Purple},
    {"Custom31Click",           "Custom",                       "Ctrl+3",           Doc, nullptr,               nullptr,                      "C3",    Purple},
    {"Custom41Click",           "Custom",                       "Ctrl+4",           Doc, nullptr,               nullptr,                      "C4",    Purple},
    {"Custom51Click",           "Custom",                       "Ctrl+5",           Doc, nullptr,               nullptr,                      "C5",    Purple},
    {"Custom61Click",           "Custom",                       "Ctrl+6",           Doc, nullptr,               nullptr,                      "C6",    Purple},
    {"Custom71Click",           "Custom",                       "Ctrl+7",           Doc, nullptr,               nullptr,                      "C7",    Purple},
    {"Custom81Click",           "Custom",                       "Ctrl+8",           Doc, nullptr,               nullptr,                      "C8",    Purple},
    {"Custom91Click",           "Custom",                       "Ctrl+9",           Doc, nullptr,               nullptr,                      "C9",    Purple},
    {"Custom101Click",          "Custom",                       "Ctrl+0",           Doc, nullptr,               nullptr,                      "C10",   Purple},
    {"Custom111Click",          "Custom",                       "Ctrl+Alt+1",       Doc, nullptr,               nullptr,                      "C11",   Purple},
    {"Custom121Click",          "Custom",                       "Ctrl+Alt+2",       Doc, nullptr,               nullptr,                      "C12",   Purple},
    {"Custom131Click",          "Custom",                       "Ctrl+Alt+3",       Doc, nullptr,               nullptr,                      "C13",   Purple},
    {"Custom141Click",          "Custom",                       "Ctrl+Alt+4",       Doc, nullptr,               nullptr,                      "C14",   Purple},
    {"Custom151Click",          "Custom",                       "Ctrl+Alt+5",       Doc, nullptr,               nullptr,                      "C15",   Purple},
    {"Custom161Click",          "Custom",                       "Ctrl+Alt+6",       Doc, nullptr,               nullptr,                      "C16",   Purple},
    {"Custom171Click",          "Custom",                       "Ctrl+Alt+7",       Doc, nullptr,               nullptr,                      "C17",   Purple},
    {"Custom181Click",          "Custom",                       "Ctrl+Alt+8",       Doc, nullptr,               nullptr,                      "C18",   Purple},
    {"Custom191Click",          "Custom",                       "Ctrl+Alt+9",       Doc, nullptr,               nullptr,                      "C19",   Purple},
    {"Custom201Click",          "Custom",                       "Ctrl+Alt+0",       Doc, nullptr,               nullptr,                      "C20",   Purple},

    // Window and help.
    {"Tabbed",                  "Ta&b",                         nullptr,            Doc, nullptr,               "preferences-system-windows", nullptr},
    {"Tiled",                   "&Tile",                        nullptr,            Doc, "Tabbed",              "view-restore",               nullptr},
    {"Cascaded",                "&Cascade",                     nullptr,            Doc, "Tabbed",              "window-new",                 nullptr},
    {"switch1Click",            "Switch",                       nullptr,            Doc, nullptr,               "go-next",                    nullptr},
    {"Contents1Click",          "&Contents",                    nullptr,            Any, nullptr,               "help-contents",              nullptr},
    {"About1Click",             "&About",                       nullptr,            Any, nullptr,               "help-about",                 nullptr},
};
// clang-format on

} // namespace

std::span<const CommandRow> commandRows()
{
    return Commands;
}

const CommandRow *findCommand(QStringView id)
{
    for (const CommandRow &row : Commands) {
        if (id == QLatin1StringView(row.id))
            return &row;
    }
    return nullptr;
}

const CommandRow *findCommand(const char *id)
{
    return findCommand(QString::fromLatin1(id));
}
