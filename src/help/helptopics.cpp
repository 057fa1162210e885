#include "help/helptopics.h"

#include <QLatin1String>

#include <array>

namespace HelpPages {

namespace {

using namespace HelpTopic;

const char *const Start = "Getting started";
const char *const Finding = "Finding and replacing";
const char *const Panels = "Helper panels";
const char *const Prefs = "Preferences";
const char *const Files = "Projects, templates and previews";

// clang-format off
const std::array<HelpPage, 30> Pages{{
    {None,            Start,   "index.html",              "Quillmark Help"},
    {None,            Start,   "startup.html",            "Starting Quillmark"},
    {Toolbar,         Start,   "toolbar.html",            "The toolbar"},
    {Keys,            Start,   "keys.html",               "Keyboard shortcuts", true},
    {FindReplace,     Finding, "findreplace.html",        "Find and replace"},
    {ReplaceInFiles,  Finding, "replaceinfiles.html",     "Replace in several files"},
    {None,            Panels,  "helperpanels.html",       "Working with helper panels"},
    {ImageHelper,     Panels,  "imagehelper.html",        "Image Helper"},
    {DocumentHelper,  Panels,  "documenthelper.html",     "Document Helper"},
    {LinkHelper,      Panels,  "linkhelper.html",         "Link Helper"},
    {ColourHelper,    Panels,  "colorhelper.html",        "Color Helper"},
    {ListHelper,      Panels,  "listhelper.html",         "List Helper"},
    {TableHelper,     Panels,  "tablehelper.html",        "Table Helper"},
    {FrameHelper,     Panels,  "framehelper.html",        "Frames Helper"},
    {FormHelper,      Panels,  "formhelper.html",         "Form Helper"},
    {FontHelper,      Panels,  "fonthelper.html",         "Font Helper"},
    {UserTags,        Panels,  "usertags.html",           "User Tags Helper"},
    {SpecialChars,    Panels,  "specialcharacters.html",  "Special Chars"},
    {PrefsGeneral,    Prefs,   "prefs-general.html",      "Preferences: General"},
    {PrefsEditor,     Prefs,   "prefs-editor.html",       "Preferences: Editor"},
    {PrefsQuick1,     Prefs,   "prefs-quick1.html",       "Preferences: Quick 1"},
    {PrefsQuick2,     Prefs,   "prefs-quick2.html",       "Preferences: Quick 2"},
    {PrefsQuick3,     Prefs,   "prefs-quick3.html",       "Preferences: Quick 3"},
    {PrefsLocations,  Prefs,   "prefs-locations.html",    "Preferences: Locations"},
    {PrefsHelperApps, Prefs,   "prefs-helperapps.html",   "Preferences: Helper Apps"},
    {Projects,        Files,   "projects.html",           "Projects"},
    {Templates,       Files,   "templates.html",          "Templates"},
    {None,            Files,   "previews.html",           "Previews"},
    {None,            Files,   "helperprograms.html",     "Helper programs"},
    {DownloadTime,    Files,   "downloadtime.html",       "Download time"},
}};
// clang-format on

} // namespace

std::span<const HelpPage> all()
{
    return Pages;
}

const HelpPage *byTopic(int topic)
{
    if (topic == None)
        return nullptr;
    for (const HelpPage &page : Pages)
        if (page.topic == topic)
            return &page;
    return nullptr;
}

const HelpPage *byFile(QStringView file)
{
    for (const HelpPage &page : Pages)
        if (file == QLatin1String(page.file))
            return &page;
    return nullptr;
}

} // namespace HelpPages
