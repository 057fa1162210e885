#include "commands/commandtable.h"

#include "commands/commandids.h"

#include <QLatin1StringView>

namespace {

constexpr bool Doc = true;  // works on the active document
constexpr bool Any = false; // runs with no document open

using enum Tint;

// Quick blocks are drawn in teal and helper panels in purple, both filled; plain tags are
// outlined: the look tells the three kinds apart on the bar.
// clang-format off
const CommandRow Commands[] = {
    // id                           caption                          shortcut            doc  alternative            icon                          label    tint
    // File.
    {Cmd::New1Click,                "&New",                          "Ctrl+N",           Any, nullptr,               nullptr,                      "NEW",   Teal},
    {Cmd::news,                     "New HTML Document",             "Alt+N",            Any, Cmd::othernew,         "document-new",               nullptr},
    {Cmd::othernew,                 "Other New",                     nullptr,            Any, nullptr,               "document-new",               nullptr},
    {Cmd::newclean1Click,           "New Document",                  nullptr,            Any, nullptr,               "accessories-text-editor",    nullptr},
    {Cmd::Open1Click,               "&Open...",                      "Ctrl+O",           Any, Cmd::Projects1Click,   "document-open",              nullptr},
    {Cmd::Projects1Click,           "Proj&ects...",                  nullptr,            Any, nullptr,               "emblem-documents",           nullptr},
    {Cmd::InsertFile,               "&Insert...",                    nullptr,            Doc, nullptr,               "insert-text",                nullptr},
    {Cmd::Saves,                    "&Save",                         "Ctrl+S",           Doc, Cmd::SavesAs,          "document-save",              nullptr},
    {Cmd::intoaProject1Click,       "Save into a Project...",        nullptr,            Doc, nullptr,               "document-send",              nullptr},
    {Cmd::SavesAs,                  "Save &As...",                   "Alt+S",            Doc, nullptr,               "document-save-as",           nullptr},
    {Cmd::SaveasTemplate1Click,     "Save as a Template...",         nullptr,            Doc, nullptr,               nullptr,                      "TPL",   Teal},
    {Cmd::Close1Click,              "&Close",                        "Ctrl+F4",          Doc, Cmd::CloseAll1Click,   "window-close",               nullptr},
    {Cmd::CloseAll1Click,           "C&lose All",                    nullptr,            Doc, nullptr,               nullptr,                      "ALL",   Red},
    {Cmd::DownloadTime1Click,       "Estimate Download Time...",     nullptr,            Any, nullptr,               "emblem-downloads",           nullptr},
    {Cmd::Prints,                   "&Print...",                     nullptr,            Doc, Cmd::PrintSetup1Click, "document-print",             nullptr},
    {Cmd::PrintSetup1Click,         "P&rint Setup...",               nullptr,            Any, nullptr,               "document-page-setup",        nullptr},
    {Cmd::Exit1Click,               "E&xit",                         "Alt+F4; Ctrl+Q",       Any, nullptr,               "application-exit",           nullptr},

    // Edit.
    {Cmd::Undo1Click,               "&Undo",                         "Ctrl+Z",           Doc, Cmd::Redo1Click,       "edit-undo",                  nullptr},
    {Cmd::Redo1Click,               "R&edo",                         "Ctrl+Shift+Z",     Doc, nullptr,               "edit-redo",                  nullptr},
    {Cmd::Cut1Click,                "Cu&t",                          "Ctrl+X",           Doc, nullptr,               "edit-cut",                   nullptr},
    {Cmd::Copy1Click,               "&Copy",                         "Ctrl+C",           Doc, nullptr,               "edit-copy",                  nullptr},
    {Cmd::Paste1Click,              "&Paste",                        "Ctrl+V",           Doc, nullptr,               "edit-paste",                 nullptr},
    {Cmd::Delete1Click,             "&Delete",                       "Ctrl+D",           Doc, nullptr,               "edit-delete",                nullptr},
    {Cmd::killtags,                 "&Remove Tags",                  nullptr,            Doc, nullptr,               "edit-clear",                 nullptr},
    {Cmd::addLineBreaks1Click,      "Add Line Breaks",               "Shift+F9",         Doc, nullptr,               nullptr,                      "+BR",   Orange},
    {Cmd::LineEndings1Click,        "Line E&ndings...",              nullptr,            Doc, nullptr,               nullptr,                      "EOL",   Grey},
    {Cmd::Wordwrap1Click,           "&Wordwrap",                     nullptr,            Doc, nullptr,               nullptr,                      "WW",    Grey},
    {Cmd::ColoredTags1Click,        "Colored Ta&gs",                 nullptr,            Doc, nullptr,               nullptr,                      "<a>",   Orange},
    {Cmd::Gutter1Click,             "&Gutter",                       nullptr,            Doc, nullptr,               nullptr,                      "12|",   Grey},
    {Cmd::Invisibles1Click,         "&Invisible Characters",         nullptr,            Doc, nullptr,               nullptr,                      "NB",    Grey},
    {Cmd::GoToLine1Click,           "&Go to Line",                   "Ctrl+G",           Doc, nullptr,               "go-jump",                    nullptr},
    {Cmd::SelectAll1Click,          "&Select All",                   "Ctrl+A",           Doc, nullptr,               "edit-select-all",            nullptr},
    {Cmd::spellcheck,               "From Cursor",                   "F7",               Doc, nullptr,               "tools-check-spelling",       nullptr},
    {Cmd::spellcheckentire,         "Entire Document",               "Ctrl+F7",          Doc, nullptr,               nullptr,                      "ABC",   Green},
    {Cmd::LiveSpellcheck1Click,     "Live Spellcheck",               nullptr,            Doc, nullptr,               "tools-check-spelling",       nullptr},
    {Cmd::PageCheck1Click,          "Chec&k Page as You Type",       nullptr,            Any, nullptr,               nullptr,                      "<!>",   Red},
    {Cmd::thesaurus,                "&Thesaurus",                    "F8",               Doc, nullptr,               "accessories-dictionary",     nullptr},
    {Cmd::FindbutClick,             "&Find&&Replace...",             "Ctrl+F; Ctrl+H",   Doc, Cmd::FagainbutClick,   "edit-find-replace",          nullptr},
    {Cmd::FagainbutClick,           "Find Ne&xt...",                 "F3",               Doc, nullptr,               "edit-find",                  nullptr},
    {Cmd::MultiDocFR1Click,         "&Multiple Files...",            nullptr,            Any, nullptr,               "system-search",              nullptr},
    {Cmd::fontup,                   "  Font Size +",                 "Ctrl+=",           Doc, nullptr,               "zoom-in",                    nullptr},
    {Cmd::fontdown,                 "  Font Size -",                 "Ctrl+-",           Doc, nullptr,               "zoom-out",                   nullptr},
    {Cmd::Font1Click,               "C&hange...",                    nullptr,            Doc, nullptr,               nullptr,                      "Aa",    Blue},
    {Cmd::ReadFont,                 "Set to &Current",               nullptr,            Doc, nullptr,               nullptr,                      "Aa",    Green},
    {Cmd::nofont,                   "Set to Default",                nullptr,            Doc, nullptr,               nullptr,                      "Aa",    Grey},
    {Cmd::WriteFont,                "&Save Current Settings",        nullptr,            Doc, nullptr,               nullptr,                      "Aa",    Orange},
    {Cmd::Customize1Click,          "Too&lbar...",                   nullptr,            Any, nullptr,               "preferences-desktop",        nullptr},
    {Cmd::popuptoolbar,             "Customize Toolbar",             nullptr,            Any, nullptr,               "preferences-desktop",        nullptr},
    {Cmd::Preferences1Click,        "P&references...",               "Ctrl+F10",         Any, nullptr,               "preferences-system",         nullptr},

    // Toolbar pop-up menu.
    {Cmd::ShowOneRow1Click,         "Show One Row",                  nullptr,            Any, nullptr,               nullptr,                      "1",     Grey},
    {Cmd::ShowTwoRows1Click,        "Show Two Rows",                 nullptr,            Any, nullptr,               nullptr,                      "2",     Grey},
    {Cmd::ShowThreeRows1Click,      "Show Three Rows",               nullptr,            Any, nullptr,               nullptr,                      "3",     Grey},
    {Cmd::ShowFourRows1Click,       "Show Four Rows",                nullptr,            Any, nullptr,               nullptr,                      "4",     Grey},
    {Cmd::ShowFiveRows1Click,       "Show Five Rows",                nullptr,            Any, nullptr,               nullptr,                      "5",     Grey},
    {Cmd::ToolbarHelp1Click,        "Help",                          nullptr,            Any, nullptr,               "help-browser",               nullptr},

    // Previews and helper programs.
    {Cmd::InternalBrowser1Click,    "Internal Browser",              "F9",               Doc, Cmd::openbrowser,      "document-print-preview",     nullptr},
    {Cmd::openbrowser,              "Browser &1 Preview",            "Ctrl+F9",          Doc, Cmd::browser1rightclick, "web-browser",                nullptr},
    {Cmd::Browser2Preview1Click,    "Browser &2 Preview",            "Ctrl+Shift+F9",    Doc, Cmd::browser2rightclick, "applications-internet",      nullptr},
    {Cmd::browser1rightclick,       "Browser 1 Preview",             nullptr,            Doc, nullptr,               "web-browser",                nullptr},
    {Cmd::browser2rightclick,       "Browser 2 Preview",             nullptr,            Doc, nullptr,               "applications-internet",      nullptr},
    {Cmd::nonef2Click,              "(none)",                        "Ctrl+Shift+F2",    Any, Cmd::Helpersrightclick, "system-run",                 nullptr},
    {Cmd::nonef3Click,              "(none)",                        "Ctrl+Shift+F3",    Any, nullptr,               "system-run",                 nullptr},
    {Cmd::nonef4Click,              "(none)",                        "Ctrl+Shift+F4",    Any, nullptr,               "system-run",                 nullptr},
    {Cmd::nonef5Click,              "(none)",                        "Ctrl+Shift+F5",    Any, nullptr,               "system-run",                 nullptr},
    {Cmd::nonef6Click,              "(none)",                        "Ctrl+Shift+F6",    Any, nullptr,               "system-run",                 nullptr},
    {Cmd::nonef7Click,              "(none)",                        "Ctrl+Shift+F7",    Any, nullptr,               "system-run",                 nullptr},
    {Cmd::nonef8Click,              "(none)",                        "Ctrl+Shift+F8",    Any, nullptr,               "system-run",                 nullptr},
    {Cmd::Helpersrightclick,        "Helper Application(s)",         nullptr,            Any, nullptr,               "system-run",                 nullptr},

    // Quick tags and blocks.
    {Cmd::StartTag,                 "St&art Tag",                    "Ctrl+Shift+,",     Doc, nullptr,               nullptr,                      "<>",    Green},
    {Cmd::EndTag,                   "End Ta&g",                      "Ctrl+Shift+.",     Doc, nullptr,               nullptr,                      "</>",   Green},
    {Cmd::Comment1Click,            "&Comment",                      "Ctrl+Shift+C",     Doc, nullptr,               nullptr,                      "<!>",   Grey},
    {Cmd::QuickFont,                "&Font",                         "Ctrl+Shift+F",     Doc, nullptr,               nullptr,                      "Fn",    Orange},
    {Cmd::QuickUrl,                 "&HREF",                         "Ctrl+Shift+H",     Doc, nullptr,               "insert-link",                nullptr},
    {Cmd::Quickanchor,              "N&ame",                         "Ctrl+Shift+A",     Doc, nullptr,               nullptr,                      "#A",    Blue},
    {Cmd::Quickimage,               "&Image",                        "Ctrl+Shift+I",     Doc, nullptr,               "insert-image",               nullptr},
    {Cmd::quickmail,                "&MailTo",                       "Ctrl+Shift+M",     Doc, nullptr,               "mail-send",                  nullptr},
    {Cmd::QuickTable,               "&Table",                        "Ctrl+Shift+T",     Doc, nullptr,               nullptr,                      "TBL",   Teal},
    {Cmd::QuickDList,               "&Definition List",              "Ctrl+Shift+D",     Doc, nullptr,               nullptr,                      "DL",    Teal},
    {Cmd::QuickNList,               "&Ordered List",                 "Ctrl+Shift+O",     Doc, Cmd::listitem,         nullptr,                      "OL",    Teal},
    {Cmd::QuickBList,               "&Unordered List",               "Ctrl+Shift+U",     Doc, Cmd::listitem,         nullptr,                      "UL",    Teal},
    {Cmd::QuickFrameset,            "F&rame Document",               "Ctrl+Shift+R",     Doc, nullptr,               nullptr,                      "FRS",   Teal},
    {Cmd::floatingframe,            "Floatin&g Frame",               "Ctrl+Shift+G",     Doc, nullptr,               nullptr,                      "IFR",   Teal},
    {Cmd::QuickForm,                "Fo&rm",                         "Ctrl+Shift+Y",     Doc, nullptr,               nullptr,                      "FM",    Teal},
    {Cmd::Quickscript,              "&Script",                       "Ctrl+Shift+S",     Doc, nullptr,               nullptr,                      "JS",    Teal},
    {Cmd::QuickLinkStyle,           "&Linked Stylesheet",            "Ctrl+Shift+L",     Doc, nullptr,               nullptr,                      "LNK",   Teal},
    {Cmd::styEmbed,                 "&Embedded Stylesheet",          "Ctrl+Shift+E",     Doc, nullptr,               nullptr,                      "CSS",   Teal},

    // Quick by example pickers.
    {Cmd::QuickTableExample,        "Quick Table by Example",        nullptr,            Any, nullptr,               nullptr,                      "3x3",   Teal},
    {Cmd::QuickDListExample,        "Quick Definition List by Example", nullptr,            Any, nullptr,               nullptr,                      "DL..",  Teal},
    {Cmd::QuickNListExample,        "Quick Ordered List by Example", nullptr,            Any, nullptr,               nullptr,                      "OL..",  Teal},
    {Cmd::QuickBListExample,        "Quick Unordered List by Example", nullptr,            Any, nullptr,               nullptr,                      "UL..",  Teal},
    {Cmd::SpeedItem164Click,        "Quick Color Code by Example",   nullptr,            Any, nullptr,               nullptr,                      "#RGB",  Red},
    {Cmd::SpeedItem165Click,        "Quick Color Code by Example",   nullptr,            Any, nullptr,               nullptr,                      "#RGB",  Red},

    // Layout.
    {Cmd::Indent1Click,             "&Indent",                       "Ctrl+W",           Doc, nullptr,               "format-indent-more",         nullptr},
    {Cmd::DblIndent,                "Bloc&k Indent",                 "Ctrl+Alt+W",       Doc, nullptr,               nullptr,                      "BQ",    Blue},
    {Cmd::H11Click,                 "H&1  (largest)",                "Alt+1",            Doc, nullptr,               nullptr,                      "H1",    Blue},
    {Cmd::H21Click,                 "H&2",                           "Alt+2",            Doc, nullptr,               nullptr,                      "H2",    Blue},
    {Cmd::H31Click,                 "H&3",                           "Alt+3",            Doc, nullptr,               nullptr,                      "H3",    Blue},
    {Cmd::H41Click,                 "H&4",                           "Alt+4",            Doc, nullptr,               nullptr,                      "H4",    Blue},
    {Cmd::H51Click,                 "H&5",                           "Alt+5",            Doc, nullptr,               nullptr,                      "H5",    Blue},
    {Cmd::H61Click,                 "H&6  (smallest)",               "Alt+6",            Doc, nullptr,               nullptr,                      "H6",    Blue},
    {Cmd::Centeralign,              "&Center",                       "Ctrl+Alt+E",       Doc, Cmd::centerpalign,     nullptr,                      "CEN",   Blue},
    {Cmd::Paragraph,                "&Paragraph",                    "Ctrl+P",           Doc, nullptr,               nullptr,                      "P",     Blue},
    {Cmd::leftalign,                "Align &Left",                   "Ctrl+L",           Doc, nullptr,               "format-justify-left",        nullptr},
    {Cmd::centerpalign,             "Align &Center",                 "Ctrl+E",           Doc, Cmd::Centeralign,      "format-justify-center",      nullptr},
    {Cmd::rightalign,               "Align &Right",                  "Ctrl+R",           Doc, nullptr,               "format-justify-right",       nullptr},
    {Cmd::justifyalign,             "Align &Justify",                "Ctrl+J",           Doc, nullptr,               "format-justify-fill",        nullptr},
    {Cmd::LineBreak,                "Line &Break",                   "Ctrl+Enter",       Doc, Cmd::LineBreakPlus,    nullptr,                      "BR",    Blue},
    {Cmd::LineBreakPlus,            "   ... Plus",                   "Ctrl+Shift+Enter", Doc, nullptr,               nullptr,                      "BR+",   Blue},
    {Cmd::HorzRule,                 "Hor&z Rule",                    "Alt+Enter",        Doc, Cmd::HorzRulePlus,     nullptr,                      "HR",    Blue},
    {Cmd::HorzRulePlus,             "   ... Plus",                   "Shift+Alt+Enter",  Doc, nullptr,               nullptr,                      "HR+",   Blue},
    {Cmd::Tabletable,               " &Table",                       "Ctrl+Alt+T",       Doc, nullptr,               nullptr,                      "TAB",   Green},
    {Cmd::TableRow,                 " &Row",                         "Ctrl+Alt+R",       Doc, nullptr,               nullptr,                      "TR",    Green},
    {Cmd::TableHCell,               " H&eader Cell",                 "Ctrl+Alt+H",       Doc, nullptr,               nullptr,                      "TH",    Green},
    {Cmd::TableCell,                " &Data Cell",                   "Ctrl+Alt+D",       Doc, nullptr,               nullptr,                      "TD",    Green},
    {Cmd::unordered,                "&Unordered List",               "Ctrl+Alt+U",       Doc, nullptr,               nullptr,                      "UL",    Green},
    {Cmd::ordered,                  "&Ordered List",                 "Ctrl+Alt+O",       Doc, nullptr,               nullptr,                      "OL",    Green},
    {Cmd::listitem,                 " &List Item",                   "Ctrl+Alt+L",       Doc, nullptr,               nullptr,                      "LI",    Green},
    {Cmd::frameset,                 "&Frameset",                     "Ctrl+Alt+F",       Doc, nullptr,               nullptr,                      "FS",    Green},
    {Cmd::frame,                    "Fr&ame",                        "Ctrl+Alt+A",       Doc, nullptr,               nullptr,                      "FR",    Green},
    {Cmd::noframes,                 "&No Frames",                    "Ctrl+Alt+N",       Doc, nullptr,               nullptr,                      "NOF",   Green},
    {Cmd::styClass,                 "&Class",                        "Ctrl+Alt+C",       Doc, nullptr,               nullptr,                      "CLS",   Orange},
    {Cmd::styID,                    "&ID",                           "Ctrl+Alt+I",       Doc, nullptr,               nullptr,                      "ID",    Orange},
    {Cmd::styStyle,                 "&Style",                        "Ctrl+Alt+S",       Doc, nullptr,               nullptr,                      "STY",   Orange},

    // Character.
    {Cmd::Bold,                     "&Bold",                         "Ctrl+B",           Doc, nullptr,               "format-text-bold",           nullptr},
    {Cmd::italics1Click,            "&Italics",                      "Ctrl+I",           Doc, nullptr,               "format-text-italic",         nullptr},
    {Cmd::Underline1Click,          "&Underline",                    "Ctrl+U",           Doc, nullptr,               "format-text-underline",      nullptr},
    {Cmd::bigClick,                 "Bi&g",                          nullptr,            Doc, nullptr,               nullptr,                      "BIG",   Blue},
    {Cmd::Blink1Click,              "B&link",                        nullptr,            Doc, nullptr,               nullptr,                      "BLK",   Blue},
    {Cmd::Monospaced1Click,         "&Monospaced",                   nullptr,            Doc, nullptr,               nullptr,                      "KBD",   Blue},
    {Cmd::smallClick,               "Sm&all",                        nullptr,            Doc, nullptr,               nullptr,                      "sm",    Blue},
    {Cmd::Strikethrough1Click,      "Strike&through",                nullptr,            Doc, nullptr,               "format-text-strikethrough",  nullptr},
    {Cmd::Subscript1Click,          "&Subscript",                    nullptr,            Doc, nullptr,               nullptr,                      "x\u2082", Blue},
    {Cmd::Superscript1Click,        "Su&perscript",                  nullptr,            Doc, nullptr,               nullptr,                      "x\u00B2", Blue},
    {Cmd::linkbutton,               "&PushButton HREF",              nullptr,            Doc, nullptr,               nullptr,                      "BTN",   Green},

    // Helper panels; a right-button press on their items closes the panel.
    {Cmd::DocHelper,                "&Document Helper...",           nullptr,            Doc, Cmd::DocHelperClose,   "document-properties",        nullptr},
    {Cmd::ColorHelper,              "C&olor Helper...",              nullptr,            Doc, Cmd::ColorHelperClose, "applications-graphics",      nullptr},
    {Cmd::TableHelper,              "&Helper...",                    nullptr,            Doc, Cmd::TableHelperClose, nullptr,                      "TBL",   Purple},
    {Cmd::ListHelper,               "&Helper...",                    nullptr,            Doc, Cmd::ListHelperClose,  nullptr,                      "LST",   Purple},
    {Cmd::FrameHelper,              "&Helper...",                    nullptr,            Doc, Cmd::FrameHelperClose, nullptr,                      "FRM",   Purple},
    {Cmd::FormHelper,               "&Helper...",                    nullptr,            Doc, Cmd::FormHelperClose,  nullptr,                      "FM",    Purple},
    {Cmd::FontHelper,               "&Helper...",                    nullptr,            Doc, Cmd::FontHelperClose,  "preferences-desktop-font",   nullptr},
    {Cmd::LinkHelper,               "&Helper...",                    nullptr,            Doc, Cmd::LinkHelperClose,  nullptr,                      "A",     Purple},
    {Cmd::ImageHelper,              "&Helper...",                    nullptr,            Doc, Cmd::ImageHelperClose, nullptr,                      "IMG",   Purple},
    {Cmd::UserTags,                 "User T&ags...",                 nullptr,            Doc, Cmd::UserTagsClose,    "system-users",               nullptr},
    {Cmd::SpecialChars,             "Special &Chars...",             nullptr,            Doc, Cmd::SpecialCharsClose, "accessories-character-map",  nullptr},
    {Cmd::DocHelperClose,           "Close Document Helper",         nullptr,            Any, nullptr,               "window-close",               nullptr},
    {Cmd::ColorHelperClose,         "Close Color Helper",            nullptr,            Any, nullptr,               "window-close",               nullptr},
    {Cmd::TableHelperClose,         "Close Table Helper",            nullptr,            Any, nullptr,               "window-close",               nullptr},
    {Cmd::ListHelperClose,          "Close List Helper",             nullptr,            Any, nullptr,               "window-close",               nullptr},
    {Cmd::FrameHelperClose,         "Close Frame Helper",            nullptr,            Any, nullptr,               "window-close",               nullptr},
    {Cmd::FormHelperClose,          "Close Form Helper",             nullptr,            Any, nullptr,               "window-close",               nullptr},
    {Cmd::FontHelperClose,          "Close Font Helper",             nullptr,            Any, nullptr,               "window-close",               nullptr},
    {Cmd::LinkHelperClose,          "Close Link Helper",             nullptr,            Any, nullptr,               "window-close",               nullptr},
    {Cmd::ImageHelperClose,         "Close Image Helper",            nullptr,            Any, nullptr,               "window-close",               nullptr},
    {Cmd::UserTagsClose,            "Close User Tags Helper",        nullptr,            Any, nullptr,               "window-close",               nullptr},
    {Cmd::SpecialCharsClose,        "Close Special Characters",      nullptr,            Any, nullptr,               "window-close",               nullptr},

    // Custom tags 1 to 20; their items show the user's own pictures when there are some.
    {Cmd::Custom11Click,            "Custom",                        "Ctrl+1; Ctrl+Shift+1",          Doc, nullptr,               nullptr,                      "C1",    Purple},
    {Cmd::Custom21Click,            "Custom",                        "Ctrl+2; Ctrl+Shift+2",          Doc, nullptr,               nullptr,                      "C2",    Purple},
    {Cmd::Custom31Click,            "Custom",                        "Ctrl+3; Ctrl+Shift+3",          Doc, nullptr,               nullptr,                      "C3",    Purple},
    {Cmd::Custom41Click,            "Custom",                        "Ctrl+4; Ctrl+Shift+4",          Doc, nullptr,               nullptr,                      "C4",    Purple},
    {Cmd::Custom51Click,            "Custom",                        "Ctrl+5; Ctrl+Shift+5",          Doc, nullptr,               nullptr,                      "C5",    Purple},
    {Cmd::Custom61Click,            "Custom",                        "Ctrl+6; Ctrl+Shift+6",          Doc, nullptr,               nullptr,                      "C6",    Purple},
    {Cmd::Custom71Click,            "Custom",                        "Ctrl+7; Ctrl+Shift+7",          Doc, nullptr,               nullptr,                      "C7",    Purple},
    {Cmd::Custom81Click,            "Custom",                        "Ctrl+8; Ctrl+Shift+8",          Doc, nullptr,               nullptr,                      "C8",    Purple},
    {Cmd::Custom91Click,            "Custom",                        "Ctrl+9; Ctrl+Shift+9",          Doc, nullptr,               nullptr,                      "C9",    Purple},
    {Cmd::Custom101Click,           "Custom",                        "Ctrl+0; Ctrl+Shift+0",          Doc, nullptr,               nullptr,                      "C10",   Purple},
    {Cmd::Custom111Click,           "Custom",                        "Ctrl+Alt+1; Ctrl+Alt+Shift+1",  Doc, nullptr,               nullptr,                      "C11",   Purple},
    {Cmd::Custom121Click,           "Custom",                        "Ctrl+Alt+2; Ctrl+Alt+Shift+2",  Doc, nullptr,               nullptr,                      "C12",   Purple},
    {Cmd::Custom131Click,           "Custom",                        "Ctrl+Alt+3; Ctrl+Alt+Shift+3",  Doc, nullptr,               nullptr,                      "C13",   Purple},
    {Cmd::Custom141Click,           "Custom",                        "Ctrl+Alt+4; Ctrl+Alt+Shift+4",  Doc, nullptr,               nullptr,                      "C14",   Purple},
    {Cmd::Custom151Click,           "Custom",                        "Ctrl+Alt+5; Ctrl+Alt+Shift+5",  Doc, nullptr,               nullptr,                      "C15",   Purple},
    {Cmd::Custom161Click,           "Custom",                        "Ctrl+Alt+6; Ctrl+Alt+Shift+6",  Doc, nullptr,               nullptr,                      "C16",   Purple},
    {Cmd::Custom171Click,           "Custom",                        "Ctrl+Alt+7; Ctrl+Alt+Shift+7",  Doc, nullptr,               nullptr,                      "C17",   Purple},
    {Cmd::Custom181Click,           "Custom",                        "Ctrl+Alt+8; Ctrl+Alt+Shift+8",  Doc, nullptr,               nullptr,                      "C18",   Purple},
    {Cmd::Custom191Click,           "Custom",                        "Ctrl+Alt+9; Ctrl+Alt+Shift+9",  Doc, nullptr,               nullptr,                      "C19",   Purple},
    {Cmd::Custom201Click,           "Custom",                        "Ctrl+Alt+0; Ctrl+Alt+Shift+0",  Doc, nullptr,               nullptr,                      "C20",   Purple},

    // Window and help.
    {Cmd::Tabbed,                   "Ta&b",                          nullptr,            Doc, nullptr,               "preferences-system-windows", nullptr},
    {Cmd::Tiled,                    "&Tile",                         nullptr,            Doc, Cmd::Tabbed,           "view-restore",               nullptr},
    {Cmd::Cascaded,                 "&Cascade",                      nullptr,            Doc, Cmd::Tabbed,           "window-new",                 nullptr},
    {Cmd::switch1Click,             "Switch",                        "Ctrl+PgDown",      Doc, nullptr,               "go-next",                    nullptr},
    {Cmd::switchBack1Click,         "Switch Back",                   "Ctrl+PgUp",        Doc, nullptr,               "go-previous",                nullptr},
    {Cmd::Contents1Click,           "&Contents",                     nullptr,            Any, nullptr,               "help-contents",              nullptr},
    {Cmd::About1Click,              "&About",                        nullptr,            Any, nullptr,               "help-about",                 nullptr},
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
