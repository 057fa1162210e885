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
inline constexpr TextKey StartWW{Sections::Main, "startww", ""};
inline constexpr BoolKey SpellCheck{Sections::Main, "spellcheck", false};
inline constexpr BoolKey FullPath{Sections::Main, "fullpath", false};
inline constexpr TextKey DefExt{Sections::Main, "defext", ""};
inline constexpr TextKey Template{Sections::Main, "tpl", ""};

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
} // namespace Keys
