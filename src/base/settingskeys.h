#pragma once

// Every settings key the program uses: its section, its name and its default, declared once.
// Code reads `settings.read(Keys::TabWidth)`, never a string literal at the call site.

struct TextKey
{
    const char *section;
    const char *name;
    const char *def;
};
struct IntKey
{
    const char *section;
    const char *name;
    int def;
};
struct BoolKey
{
    const char *section;
    const char *name;
    bool def;
};
// A colour in the stored encoding: 0x00BBGGRR, or 0x80000000 + a system colour index.
struct ColourKey
{
    const char *section;
    const char *name;
    int def;
};

namespace Sections {
inline constexpr const char *Main = "Varnel";
inline constexpr const char *Windows = "Windows";
inline constexpr const char *Editor = "Qorvin*Plat";
inline constexpr const char *Locations = "Locations";
inline constexpr const char *Paths = "Paths";
inline constexpr const char *Oldies = "Oldies";
inline constexpr const char *Quick = "Quick";
inline constexpr const char *Custom = "Custom";
inline constexpr const char *Toolbar = "TMDImainthepanel";
inline constexpr const char *CleanUp = "CleanUp";
// The documents open when the program last closed: "count", "active" and per document n
// its path "n", caret "n caret" and first visible line "n top".
inline constexpr const char *Session = "Session";
// Sections written by earlier releases; erased at every start.
inline constexpr const char *ObsoleteA = "Recent";
inline constexpr const char *ObsoleteB = "Toolbar";
} // namespace Sections

// The system window background colour, 0x80000005.
inline constexpr int SystemWindowColour = -2147483643;

namespace Keys {
// Main section: hand-over, counters, window mode and the options cached at start.
inline constexpr TextKey Hello{Sections::Main, "hello", ""};
inline constexpr IntKey Count{Sections::Main, "count", 1};
inline constexpr TextKey State{Sections::Main, "state", ""};
inline constexpr TextKey Flat{Sections::Main, "flat", ""};
inline constexpr TextKey YourFiles{Sections::Main, "yourfiles", ""};
inline constexpr TextKey TabLoc{Sections::Main, "tabloc", ""};
inline constexpr TextKey Wraps{Sections::Main, "wraps", ""};
inline constexpr TextKey AutoIndent{Sections::Main, "ai", ""};
inline constexpr TextKey Spaces{Sections::Main, "spaces", ""};
inline constexpr TextKey CtrlB{Sections::Main, "ctrlb", ""};
inline constexpr TextKey CtrlI{Sections::Main, "ctrli", ""};
inline constexpr TextKey Pop{Sections::Main, "pop", ""};
inline constexpr TextKey NewT{Sections::Main, "newt", ""};
inline constexpr TextKey StartNew{Sections::Main, "startnew", ""};
inline constexpr BoolKey GutterOn{Sections::Main, "gutteron", false};
// Non-breaking, zero-width and soft-hyphen characters drawn as marked boxes.
inline constexpr BoolKey ShowInvisibles{Sections::Main, "showinvisible", true};
// The caret's line drawn on a background of its own.
inline constexpr BoolKey CurLine{Sections::Main, "curline", false};
inline constexpr TextKey StartWW{Sections::Main, "startww", ""};
inline constexpr BoolKey SpellCheck{Sections::Main, "spellcheck", false};
inline constexpr BoolKey FullPath{Sections::Main, "fullpath", false};
inline constexpr TextKey DefExt{Sections::Main, "defext", ""};
inline constexpr TextKey Template{Sections::Main, "tpl", ""};
// Colour pickers of the toolbar insert a colour's name instead of its hex text; nothing writes it.
inline constexpr BoolKey DefNames{Sections::Main, "defNames", false};
// Reopen the documents of the last session at start; a new settings file turns it on.
inline constexpr BoolKey Reopen{Sections::Main, "reopen", false};
// Keep the text of every modified document in the journal, to bring it back after a crash.
inline constexpr BoolKey Recovery{Sections::Main, "recovery", true};
// Check the page as the user types; a new settings file turns it on.
inline constexpr BoolKey PageCheck{Sections::Main, "pagecheck", false};
// The page check also warns of images without alt text and form controls without a label.
inline constexpr BoolKey PageCheckAccess{Sections::Main, "pagecheckaccess", true};

// File commands: how many recent files the File menu shows (0 means 9).
inline constexpr IntKey Qrf{Sections::Quick, "qrf", 0};

// Main window geometry.
inline constexpr TextKey Up{Sections::Windows, "up", ""};
inline constexpr IntKey MainTop{Sections::Windows, "mt", 0};
inline constexpr IntKey MainLeft{Sections::Windows, "ml", 0};
inline constexpr IntKey MainWidth{Sections::Windows, "mw", 0};
inline constexpr IntKey MainHeight{Sections::Windows, "mh", 0};
inline constexpr TextKey RestoreMain{Sections::Windows, "main", ""};

// Editor display.
inline constexpr IntKey Margin{Sections::Editor, "margin", 4};
inline constexpr IntKey RightMargin{Sections::Editor, "rtmargin", 4};
inline constexpr IntKey TabWidth{Sections::Editor, "tabwidth", 5};
inline constexpr IntKey CaretWidth{Sections::Editor, "caret", 1};

// Tag colour categories: foreground 0 switches a category off.
inline constexpr ColourKey CTags{Sections::Editor, "ctags", 0};
inline constexpr ColourKey CTagsBack{Sections::Editor, "ctagsback", SystemWindowColour};
inline constexpr ColourKey ComTags{Sections::Editor, "comtags", 0};
inline constexpr ColourKey ComTagsBack{Sections::Editor, "comtagsback", SystemWindowColour};
inline constexpr ColourKey ITags{Sections::Editor, "itags", 0};
inline constexpr ColourKey ITagsBack{Sections::Editor, "itagsback", SystemWindowColour};
inline constexpr ColourKey STags{Sections::Editor, "stags", 0};
inline constexpr ColourKey STagsBack{Sections::Editor, "stagsback", SystemWindowColour};
inline constexpr ColourKey FrTags{Sections::Editor, "frtags", 0};
inline constexpr ColourKey FrTagsBack{Sections::Editor, "frtagsback", SystemWindowColour};
inline constexpr ColourKey UTags{Sections::Editor, "utags", 0};
inline constexpr ColourKey UTagsBack{Sections::Editor, "utagsback", SystemWindowColour};
inline constexpr ColourKey LTags{Sections::Editor, "ltags", 0};
inline constexpr ColourKey LTagsBack{Sections::Editor, "ltagsback", SystemWindowColour};
inline constexpr ColourKey StylTags{Sections::Editor, "styltags", 0};
inline constexpr ColourKey StylTagsBack{Sections::Editor, "styltagsback", SystemWindowColour};
inline constexpr ColourKey FTags{Sections::Editor, "ftags", 0};
inline constexpr ColourKey FTagsBack{Sections::Editor, "ftagsback", SystemWindowColour};
inline constexpr ColourKey TTags{Sections::Editor, "ttags", 0};
inline constexpr ColourKey TTagsBack{Sections::Editor, "ttagsback", SystemWindowColour};

inline constexpr TextKey DataFolder{Sections::Locations, "data", ""};
inline constexpr IntKey CleanUpCount{Sections::CleanUp, "count", 0};
inline constexpr IntKey SessionCount{Sections::Session, "count", 0};
inline constexpr IntKey SessionActive{Sections::Session, "active", 0};
} // namespace Keys

namespace Keys {
// Quick options: what the tag commands put into the tags they insert. A boolean adds its
// attribute text when true (the texts live beside the commands); counts say how many pieces.
// Tag letter case and quote character (main section), read when a tag goes in.
inline constexpr BoolKey UCase{Sections::Main, "ucase", false};
// Letter case of the tag and attribute names the program builds: "table" (as the commands
// write them), "lower" or "upper". Missing or unknown, "ucase" decides; a new settings file
// starts with "lower".
inline constexpr TextKey TagCase{Sections::Main, "tagcase", ""};
inline constexpr BoolKey Apostrophe{Sections::Main, "apostrophe", false};
// Frame set.
inline constexpr BoolKey FsRows{Sections::Quick, "fsrows", true};
inline constexpr BoolKey FsCols{Sections::Quick, "fscols", false};
inline constexpr BoolKey FsBorder{Sections::Quick, "fsborder", false};
inline constexpr BoolKey FsFrameSpacing{Sections::Quick, "fsframespacing", false};
inline constexpr BoolKey FsFrameBorder{Sections::Quick, "fsframeborder", false};
inline constexpr BoolKey FsBorderColor{Sections::Quick, "fsbordercolor", false};
inline constexpr BoolKey FsNoFrame{Sections::Quick, "fsnoframe", true};
inline constexpr IntKey FfItems{Sections::Quick, "ffitems", 1};
// Frame.
inline constexpr BoolKey FMarginWidth{Sections::Quick, "fmarginwidth", false};
inline constexpr BoolKey FMarginHeight{Sections::Quick, "fmarginheight", false};
inline constexpr BoolKey FNoResize{Sections::Quick, "fnoresize", false};
inline constexpr BoolKey FScrolling{Sections::Quick, "fscrolling", false};
inline constexpr BoolKey FFrameSpacing{Sections::Quick, "fframespacing", false};
inline constexpr BoolKey FFrameBorder{Sections::Quick, "fframeborder", false};
inline constexpr BoolKey FfBorderColor{Sections::Quick, "ffbordercolor", false};
// Floating frame.
inline constexpr BoolKey IfAlign{Sections::Quick, "ifalign", false};
inline constexpr BoolKey IfWidth{Sections::Quick, "ifwidth", false};
inline constexpr BoolKey IfHeight{Sections::Quick, "ifheight", false};
inline constexpr BoolKey IfHSpace{Sections::Quick, "ifhspace", false};
inline constexpr BoolKey IfVSpace{Sections::Quick, "ifvspace", false};
inline constexpr BoolKey IfScrolling{Sections::Quick, "ifscrolling", false};
inline constexpr BoolKey IfBorder{Sections::Quick, "ifborder", false};
inline constexpr BoolKey IfFrameBorder{Sections::Quick, "ifframeborder", false};
inline constexpr BoolKey IfBorderColor{Sections::Quick, "ifbordercolor", false};
// Table; "qcaption" is "sure" for a caption; "qrow"/"qcell" 0 mean 1.
inline constexpr BoolKey TBgColor{Sections::Quick, "tbgcolor", false};
inline constexpr BoolKey TWidth{Sections::Quick, "twidth", false};
inline constexpr BoolKey THeight{Sections::Quick, "theight", false};
inline constexpr BoolKey TAlign{Sections::Quick, "talign", false};
inline constexpr BoolKey TVAlign{Sections::Quick, "tvalign", false};
inline constexpr BoolKey TSpacing{Sections::Quick, "tspacing", false};
inline constexpr BoolKey TPadding{Sections::Quick, "tpadding", false};
inline constexpr BoolKey TBorder{Sections::Quick, "tborder", false};
inline constexpr TextKey QCaption{Sections::Quick, "qcaption", ""};
inline constexpr IntKey QRow{Sections::Quick, "qrow", 0};
inline constexpr IntKey QCell{Sections::Quick, "qcell", 0};
// Row; "closetr" not empty adds "</TR>".
inline constexpr BoolKey RBgColor{Sections::Quick, "rbgcolor", false};
inline constexpr BoolKey RAlign{Sections::Quick, "ralign", false};
inline constexpr BoolKey RVAlign{Sections::Quick, "rvalign", false};
inline constexpr TextKey CloseTr{Sections::Quick, "closetr", ""};
// Cell; "closetd" not empty adds the end tag; "qcellOOO" is set by hand only.
inline constexpr BoolKey DBgColor{Sections::Quick, "dbgcolor", false};
inline constexpr BoolKey DWidth{Sections::Quick, "dwidth", false};
inline constexpr BoolKey DHeight{Sections::Quick, "dheight", false};
inline constexpr BoolKey DAlign{Sections::Quick, "dalign", false};
inline constexpr BoolKey DVAlign{Sections::Quick, "dvalign", false};
inline constexpr BoolKey DNoWrap{Sections::Quick, "dnowrap", false};
inline constexpr BoolKey DColSpan{Sections::Quick, "dcolspan", false};
inline constexpr BoolKey DRowSpan{Sections::Quick, "drowspan", false};
inline constexpr TextKey CloseTd{Sections::Quick, "closetd", ""};
inline constexpr IntKey QCellOOO{Sections::Quick, "qcellOOO", 1};
// Image.
inline constexpr BoolKey IAlign{Sections::Quick, "ialign", false};
inline constexpr BoolKey IWidth{Sections::Quick, "iwidth", false};
inline constexpr BoolKey IHeight{Sections::Quick, "iheight", false};
inline constexpr BoolKey IHSpace{Sections::Quick, "ihspace", false};
inline constexpr BoolKey IVSpace{Sections::Quick, "ivspace", false};
inline constexpr BoolKey IUseMap{Sections::Quick, "iusemap", false};
inline constexpr BoolKey IIsMap{Sections::Quick, "iismap", false};
inline constexpr BoolKey IBorder{Sections::Quick, "iborder", false};
inline constexpr BoolKey IAlt{Sections::Quick, "ialt", false};
// Font: an EMPTY key adds its attribute.
inline constexpr TextKey FontFace{Sections::Quick, "fontface", ""};
inline constexpr TextKey FontColor{Sections::Quick, "fontcolor", ""};
inline constexpr TextKey FontSize{Sections::Quick, "fontsize", ""};
// Lists; "closeli" not empty adds "</LI>"; "qlitem" 0 means 1.
inline constexpr BoolKey LCompact{Sections::Quick, "lcompact", false};
inline constexpr TextKey CloseLi{Sections::Quick, "closeli", ""};
inline constexpr IntKey QLItem{Sections::Quick, "qlitem", 0};
// Link target: empty adds nothing, "null" an empty target, anything else that target.
inline constexpr TextKey Target{Sections::Quick, "target", ""};
// Form: how many of each field; an EMPTY "qftextarea" adds a text area.
inline constexpr IntKey QfHidden{Sections::Quick, "qfhidden", 1};
inline constexpr IntKey QfEdit{Sections::Quick, "qfedit", 1};
inline constexpr IntKey QfRadio{Sections::Quick, "qfradio", 1};
inline constexpr IntKey QfCheck{Sections::Quick, "qfcheck", 1};
inline constexpr IntKey QfListBox{Sections::Quick, "qflistbox", 1};
inline constexpr IntKey QfDropList{Sections::Quick, "qfdroplist", 1};
inline constexpr TextKey QfTextArea{Sections::Quick, "qftextarea", ""};
// Embedded style sheet.
inline constexpr IntKey StyItems{Sections::Quick, "styitems", 1};
inline constexpr TextKey StyComments{Sections::Quick, "styComments", ""};
inline constexpr TextKey StyImport{Sections::Quick, "styImport", ""};
} // namespace Keys

namespace Keys {
// Toolbar layout; "Button1".."Button"+Count hold "item,left,top".
inline constexpr IntKey BarVersion{Sections::Toolbar, "Version", 0};
inline constexpr IntKey BarPosition{Sections::Toolbar, "Position", 1};
inline constexpr IntKey BarWidth{Sections::Toolbar, "Width", 31};
inline constexpr IntKey BarPixelsPerInch{Sections::Toolbar, "PixelsPerInch", 96};
inline constexpr IntKey BarBtnWidth{Sections::Toolbar, "BtnWidth", 25};
inline constexpr IntKey BarBtnHeight{Sections::Toolbar, "BtnHeight", 25};
inline constexpr IntKey BarCount{Sections::Toolbar, "Count", 0};
inline constexpr const char *BarButtonPrefix = "Button";
// Custom button hints: "Custom"/n + "hint".
inline constexpr const char *CustomHintSuffix = "hint";
// The custom tag whose editor was opened last: "Custom"/"Adding".
inline constexpr TextKey CustomAdding{Sections::Custom, "Adding", ""};
} // namespace Keys

namespace Keys {
// The stored default editor font; each read defaults to the editor's current value.
inline constexpr TextKey FontName{Sections::Editor, "Tname", ""};
inline constexpr IntKey FontPoints{Sections::Editor, "Tsize", 10};
inline constexpr ColourKey FontColour{Sections::Editor, "Tcolor", 0};
inline constexpr TextKey FontStyle{Sections::Editor, "Tstyle", ""};
} // namespace Keys

namespace Keys {
// The find windows' options; "check from top" is written but always starts cleared.
inline constexpr BoolKey FindWholeWord{Sections::Editor, "wword", false};
inline constexpr BoolKey FindMatchCase{Sections::Editor, "mcase", false};
inline constexpr BoolKey FindUpwards{Sections::Editor, "sup", false};
inline constexpr BoolKey FindFromTop{Sections::Editor, "sbeg", false};
// Where the find-again bar was closed; a top of 0 places it below the main frame's top.
inline constexpr IntKey FindBarTop{Sections::Windows, "repl2t", 0};
inline constexpr IntKey FindBarLeft{Sections::Windows, "repl2l", 0};
} // namespace Keys

namespace Keys {
// Keys only the preferences dialog writes, and the browser and helper program paths that
// the previews and the helper-programs menu read.
inline constexpr TextKey Back{Sections::Main, "back", ""}; // "no": no return icon
inline constexpr TextKey Dde{Sections::Main, "dde", ""};   // "no": file association
inline constexpr TextKey Dde2{Sections::Main, "dde2", ""};
inline constexpr TextKey PreviewExts{Sections::Main, "previewexts",
                                     "htm,html,shtml,cgi,pl,css,txt"};
inline constexpr TextKey AmpTags{Sections::Editor, "&tags", ""};
inline constexpr TextKey RestoreHelpers{Sections::Windows, "help", ""};
inline constexpr TextKey BodyFolder{Sections::Locations, "body", ""};
inline constexpr TextKey ImageFolder{Sections::Locations, "image", ""};
inline constexpr TextKey HrefFolder{Sections::Locations, "href", ""};
inline constexpr BoolKey FName{Sections::Quick, "fname", true};
inline constexpr BoolKey FSrc{Sections::Quick, "fsrc", true};
inline constexpr BoolKey IfName{Sections::Quick, "ifname", true};
inline constexpr BoolKey IfSrc{Sections::Quick, "ifsrc", true};
inline constexpr TextKey Browser{Sections::Paths, "browser", ""};
inline constexpr TextKey Browser2{Sections::Paths, "browser2", ""};
// The seven helper programs of F2 to F8 and the window titles learnt when each first ran.
inline constexpr int HelperCount = 7;
inline constexpr TextKey HelperPaths[HelperCount] = {
    {Sections::Paths, "helper1", ""}, {Sections::Paths, "helper2", ""},
    {Sections::Paths, "helper3", ""}, {Sections::Paths, "helper4", ""},
    {Sections::Paths, "helper5", ""}, {Sections::Paths, "helper6", ""},
    {Sections::Paths, "helper7", ""}};
inline constexpr TextKey HelperNames[HelperCount] = {
    {Sections::Paths, "helpname1", ""}, {Sections::Paths, "helpname2", ""},
    {Sections::Paths, "helpname3", ""}, {Sections::Paths, "helpname4", ""},
    {Sections::Paths, "helpname5", ""}, {Sections::Paths, "helpname6", ""},
    {Sections::Paths, "helpname7", ""}};
} // namespace Keys

namespace Keys {
// Helper panels: where each stood when it was last closed (0 counts as never), and the
// panels' own choices. Only the resizable panels keep a width and height.
inline constexpr IntKey ImgTop{Sections::Windows, "imgt", 0};
inline constexpr IntKey ImgLeft{Sections::Windows, "imgl", 0};
inline constexpr IntKey ImgWidth{Sections::Windows, "imgw", 0};
inline constexpr IntKey ImgHeight{Sections::Windows, "imgh", 0};
inline constexpr IntKey DocuTop{Sections::Windows, "docut", 0};
inline constexpr IntKey DocuLeft{Sections::Windows, "docul", 0};
inline constexpr IntKey DocuWidth{Sections::Windows, "docuw", 0};
inline constexpr IntKey DocuHeight{Sections::Windows, "docuh", 0};
inline constexpr IntKey LinkTop{Sections::Windows, "linkt", 0};
inline constexpr IntKey LinkLeft{Sections::Windows, "linkl", 0};
inline constexpr IntKey ColorTop{Sections::Windows, "colort", 0};
inline constexpr IntKey ColorLeft{Sections::Windows, "colorl", 0};
inline constexpr IntKey ListTop{Sections::Windows, "listt", 0};
inline constexpr IntKey ListLeft{Sections::Windows, "listl", 0};
inline constexpr IntKey TabTop{Sections::Windows, "tabt", 0};
inline constexpr IntKey TabLeft{Sections::Windows, "tabl", 0};
inline constexpr IntKey FrameTop{Sections::Windows, "framet", 0};
inline constexpr IntKey FrameLeft{Sections::Windows, "framel", 0};
inline constexpr IntKey FormTop{Sections::Windows, "formt", 0};
inline constexpr IntKey FormLeft{Sections::Windows, "forml", 0};
inline constexpr IntKey FontTop{Sections::Windows, "fontt", 0};
inline constexpr IntKey FontLeft{Sections::Windows, "fontl", 0};
inline constexpr IntKey UserTop{Sections::Windows, "usert", 0};
inline constexpr IntKey UserLeft{Sections::Windows, "userl", 0};
inline constexpr IntKey UserWidth{Sections::Windows, "userw", 0};
inline constexpr IntKey UserHeight{Sections::Windows, "userh", 0};
inline constexpr IntKey CharsTop{Sections::Windows, "charst", 0};
inline constexpr IntKey CharsLeft{Sections::Windows, "charsl", 0};
// "use names": colours written by name where they have one.
inline constexpr BoolKey ClNames{Sections::Main, "clnames", false};
// The font helper's face list, kept at every close.
inline constexpr TextKey Faced{Sections::Editor, "faced", ""};
// "sure" when the image preview, or the document helper's "use image", was on at the last close.
inline constexpr TextKey ImagePreview{Sections::Main, "prev", ""};
inline constexpr TextKey DocuPreview{Sections::Main, "docprev", ""};
// The link helper: "sure" while "file on disk" is on; the target list's text while
// "target=" is on, an empty target written as "null".
inline constexpr TextKey LinkUseFile{Sections::Main, "use1", ""};
inline constexpr TextKey LinkTarget{Sections::Main, "target", ""};
// The table helper's "/TD" and "/TR": empty while on, "no" while off.
inline constexpr TextKey EndTd{Sections::Main, "endtd", ""};
inline constexpr TextKey EndTr{Sections::Main, "endtr", ""};
// The number the next tag library item file gets.
inline constexpr IntKey Libs{Sections::Main, "libs", 0};
// "ext" while the special characters panel showed its extended grid at the last close.
inline constexpr TextKey CharGrid{Sections::Main, "char", ""};
// Where the return button was closed, and the internal preview window's place and size.
inline constexpr IntKey BackTop{Sections::Windows, "backt", 0};
inline constexpr IntKey BackLeft{Sections::Windows, "backl", 0};
inline constexpr IntKey PreviewLeft{Sections::Windows, "brl", 0};
inline constexpr IntKey PreviewTop{Sections::Windows, "brt", 0};
inline constexpr IntKey PreviewWidth{Sections::Windows, "brw", 640};
inline constexpr IntKey PreviewHeight{Sections::Windows, "brh", 480};
// "no": the internal preview stops following the editor's unsaved text.
inline constexpr TextKey LivePreview{Sections::Windows, "brlive", ""};
} // namespace Keys

// The spelling configuration file "addict.cfg" beside the settings file, not quillm.ini.
namespace Sections {
inline constexpr const char *Addict = "addict";
} // namespace Sections
namespace Keys {
// Scope of spelling: 1 leaves out markup, and Internet addresses; a missing file reads 0.
inline constexpr IntKey SoHtml{Sections::Addict, "soHTML", 0};
inline constexpr IntKey SoInternet{Sections::Addict, "soInternet", 0};
// The dictionary's language code ("en_US"); empty: the system's language.
inline constexpr TextKey SpellingLanguage{Sections::Addict, "Language", ""};
// The personal word list; empty: "personal.dic" beside the configuration file.
inline constexpr TextKey PersonalList{Sections::Addict, "PersonalList", ""};
} // namespace Keys

// The keys the user chose on the Keys page of the preferences. "set" names the ready-made set
// they start from ("quillmark": the command table's keys; "desktop": the desktop's
// conventions); every other key is a command id whose value lists that command's own keys
// ("Ctrl+Alt+K; Ctrl+B"; empty for none). A file without the section keeps the set's keys.
namespace Sections {
inline constexpr const char *ChosenKeys = "Keys";
} // namespace Sections
namespace Keys {
inline constexpr TextKey KeySet{Sections::ChosenKeys, "set", "quillmark"};
} // namespace Keys
