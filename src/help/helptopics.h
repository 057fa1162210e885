#pragma once

#include <QStringView>

#include <span>

// The topic numbers by which dialogs and panels ask for their help page.
namespace HelpTopic {
inline constexpr int None = 0; // a page reached from the contents only
inline constexpr int Templates = 12;
inline constexpr int Projects = 13;
inline constexpr int ReplaceInFiles = 14;
inline constexpr int DocumentHelper = 15;
inline constexpr int TableHelper = 16;
inline constexpr int ListHelper = 17;
inline constexpr int LinkHelper = 18;
inline constexpr int ColourHelper = 19;
inline constexpr int ImageHelper = 20;
inline constexpr int FontHelper = 21;
inline constexpr int UserTags = 22;
inline constexpr int FormHelper = 24;
inline constexpr int SpecialChars = 25;
inline constexpr int FindReplace = 27;
inline constexpr int PrefsGeneral = 28;
inline constexpr int PrefsEditor = 30;
inline constexpr int PrefsQuick2 = 31;
inline constexpr int PrefsHelperApps = 32;
inline constexpr int Toolbar = 34;
inline constexpr int PrefsQuick1 = 35;
inline constexpr int PrefsLocations = 36;
inline constexpr int FrameHelper = 38;
inline constexpr int PrefsQuick3 = 39;
inline constexpr int DownloadTime = 45;
inline constexpr int Keys = 46;
} // namespace HelpTopic

// One page of the help folder: the topic that opens it, the heading it is listed under in
// the contents, its file name and its title. The table's order is the contents' order.
struct HelpPage
{
    int topic;
    const char *group;
    const char *file;
    const char *title;
    // Written by the program when shown (GeneratedPages), never a file of the help folder.
    bool generated = false;
};

namespace HelpPages {

// The page the Contents command shows.
inline constexpr char ContentsFile[] = "index.html";

std::span<const HelpPage> all();
// Null for a number no page answers to.
const HelpPage *byTopic(int topic);
const HelpPage *byFile(QStringView file);

} // namespace HelpPages
