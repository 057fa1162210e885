#include "tagcolouring/tagcolourrules.h"

#include "base/settingsfile.h"
#include "colours/colourcode.h"

#include <algorithm>

namespace {

constexpr TagKey generalKeys[] = {{"</AD", ">"}, {"<", ">"}};
constexpr TagKey commentKeys[] = {{"<!--", "-->"}};
constexpr TagKey imageKeys[] = {{"<IMG", ">"}, {"<IMG ", ">"}};
constexpr TagKey scriptKeys[] = {{"<SCRIPT", "</SCRIPT>"}, {"<%", "%>"}};
// A start tag is known by its name, whatever follows it: "<A class=x href=y>" is a link and
// "<FRAME\n src=x>" a frame, while "<ABBR>" and "</ASIDE>" are no links.
constexpr TagKey frameKeys[] = {{"<FRAMESET", ">"},  {"</FRAMESET", ">"},   {"<NOFRAMES", ">"},
                                {"</NOFRAMES", ">"}, {"<FRAME", ">", true}, {"<IFRAME", ">", true},
                                {"</IFRAME", ">"}};
constexpr TagKey linkKeys[] = {{"<A", ">", true}, {"</A", ">", true}};
constexpr TagKey listKeys[] = {{"<UL", ">"},  {"<OL", ">"},       {"</UL", ">"},
                               {"</OL", ">"}, {"<DL", ">"},       {"</DL", ">"},
                               {"<DIR", ">"}, {"</DIR", ">"},     {"<DD", ">"},
                               {"<DT", ">"},  {"<LI", ">", true}, {"</LI", ">", true}};
constexpr TagKey styleKeys[] = {{"<STYLE", "</STYLE>"}, {"<LINK", ">"}};
constexpr TagKey formKeys[] = {{"<FORM", ">"},   {"<TEXTAREA", ">"}, {"</TEXTAREA", ">"},
                               {"<SELECT", ">"}, {"</SELECT", ">"},  {"<OPTION", ">"},
                               {"<INPUT", ">"},  {"</FORM", ">"}};
constexpr TagKey tableKeys[] = {{"<TABLE", ">"},   {"</TABLE", ">"},  {"<TR", ">"}, {"</TR", ">"},
                                {"<TD", ">"},      {"</TD", ">"},     {"<TH", ">"}, {"</TH", ">"},
                                {"<CAPTION", ">"}, {"</CAPTION", ">"}};

const std::array<TagCategoryInfo, TagCategoryCount> categories{{
    {TagCategory::General, Keys::CTags, Keys::CTagsBack, generalKeys},
    {TagCategory::Comments, Keys::ComTags, Keys::ComTagsBack, commentKeys},
    {TagCategory::Images, Keys::ITags, Keys::ITagsBack, imageKeys},
    {TagCategory::Scripts, Keys::STags, Keys::STagsBack, scriptKeys},
    {TagCategory::Frames, Keys::FrTags, Keys::FrTagsBack, frameKeys},
    {TagCategory::Links, Keys::UTags, Keys::UTagsBack, linkKeys},
    {TagCategory::Lists, Keys::LTags, Keys::LTagsBack, listKeys},
    {TagCategory::Styles, Keys::StylTags, Keys::StylTagsBack, styleKeys},
    {TagCategory::Forms, Keys::FTags, Keys::FTagsBack, formKeys},
    {TagCategory::Tables, Keys::TTags, Keys::TTagsBack, tableKeys},
}};

// The order in which the keys are tried. The end tag of ADDRESS comes first so that it takes
// the general colour rather than the link colour of "</A"; the generic "<" comes last so that
// every specific key wins over it.
struct OrderStep
{
    TagCategory category;
    std::size_t first;
    std::size_t count;
};
constexpr std::size_t allKeys = 99;
// clang-format off
constexpr OrderStep ruleOrder[] = {
    {TagCategory::General, 0, 1},        // "</AD"
    {TagCategory::Comments, 0, allKeys},
    {TagCategory::Images, 0, 1},         // "<IMG"
    {TagCategory::Scripts, 0, allKeys},
    {TagCategory::Images, 1, 1},         // "<IMG "
    {TagCategory::Frames, 0, allKeys},
    {TagCategory::Links, 0, allKeys},
    {TagCategory::Lists, 0, allKeys},
    {TagCategory::Styles, 0, allKeys},
    {TagCategory::Forms, 0, allKeys},
    {TagCategory::Tables, 0, allKeys},
    {TagCategory::General, 1, 1},        // "<"
};
// clang-format on

// "&nbsp;" stands twice, as it always has; the second entry changes nothing.
constexpr const char *entities[] = {
    "&nbsp;",   "&iexcl;",  "&cent;",   "&pound;",  "&curren;", "&yen;",    "&brvbar;", "&sect;",
    "&uml;",    "&copy;",   "&ordf;",   "&laquo;",  "&not;",    "&shy;",    "&reg;",    "&macr;",
    "&deg;",    "&plusmn;", "&sup2;",   "&sup3;",   "&acute;",  "&micro;",  "&para;",   "&middot;",
    "&cedil;",  "&sup1;",   "&ordm;",   "&raquo;",  "&frac14;", "&frac12;", "&frac34;", "&iquest;",
    "&amp;",    "&lt;",     "&gt;",     "&quot;",   "&agrave;", "&aacute;", "&acirc;",  "&atilde;",
    "&auml;",   "&aring;",  "&aelig;",  "&ccedil;", "&egrave;", "&eacute;", "&ecirc;",  "&euml;",
    "&igrave;", "&iacute;", "&icirc;",  "&iuml;",   "&eth;",    "&ntilde;", "&ograve;", "&oacute;",
    "&ocirc;",  "&otilde;", "&ouml;",   "&times;",  "&nbsp;",   "&oslash;", "&ugrave;", "&uacute;",
    "&ucirc;",  "&uuml;",   "&yacute;", "&thorn;",  "&szlig;",  "&divide;", "&yuml;",
};
static_assert(std::size(entities) == 71);

} // namespace

const std::array<TagCategoryInfo, TagCategoryCount> &tagCategories()
{
    return categories;
}

const TagCategoryInfo &tagCategory(TagCategory category)
{
    return categories[static_cast<std::size_t>(category) - 1];
}

std::span<const char *const> entityKeywords()
{
    return entities;
}

TagColourScheme::TagColourScheme()
{
    background.fill(SystemWindowColour);
}

void TagColourScheme::setColours(TagCategory c, int fore, int back)
{
    foreground[index(c)] = fore;
    background[index(c)] = back;
}

std::vector<TagRule> TagColourScheme::rules() const
{
    std::vector<TagRule> list;
    for (const OrderStep &step : ruleOrder) {
        if (!enabled(step.category))
            continue;
        const std::span<const TagKey> keys = tagCategory(step.category).keys;
        const std::size_t end = std::min(keys.size(), step.first + step.count);
        for (std::size_t i = step.first; i < end; ++i)
            list.push_back({keys[i], step.category});
    }
    return list;
}

TagColourScheme TagColourScheme::read(const SettingsFile &settings)
{
    TagColourScheme scheme;
    for (const TagCategoryInfo &c : categories)
        scheme.setColours(c.category, settings.read(c.foreground), settings.read(c.background));
    return scheme;
}

bool TagColourScheme::write(SettingsFile &settings) const
{
    bool ok = true;
    for (const TagCategoryInfo &c : categories) {
        ok = settings.write(c.foreground, foregroundOf(c.category)) && ok;
        ok = settings.write(c.background, backgroundOf(c.category)) && ok;
    }
    return ok;
}

TagColourScheme TagColourScheme::firstStartColours(bool darkBase)
{
    // Chosen for a contrast of at least 4.5 to 1 with the base colour (white, or the greys of
    // dark palettes) and clearly apart from each other and from the plain text.
    struct Pair
    {
        TagCategory category;
        unsigned light;
        unsigned dark;
    };
    constexpr Pair colours[] = {
        {TagCategory::General, 0x2020D0, 0x6C9EF8},  // blue
        {TagCategory::Comments, 0x6B6B6B, 0x969696}, // grey
        {TagCategory::Images, 0x5A0A90, 0xC792EA},   // purple
        {TagCategory::Scripts, 0x753515, 0xE0915A},  // brown
        {TagCategory::Frames, 0x007B5A, 0x3ED6B5},   // sea green
        {TagCategory::Links, 0xD01A28, 0xFF6B6B},    // red
        {TagCategory::Lists, 0x078307, 0x8BC34A},    // green
        {TagCategory::Styles, 0xD6007D, 0xFF79C6},   // pink
        {TagCategory::Forms, 0x6E6E0C, 0xF0D060},    // olive, gold
        {TagCategory::Tables, 0x2B6BAB, 0x45C8FF},   // azure
    };
    TagColourScheme scheme;
    for (const Pair &p : colours) {
        const unsigned rgb = darkBase ? p.dark : p.light;
        const auto byte = [rgb](int shift) { return std::uint8_t((rgb >> shift) & 0xFF); };
        scheme.setColours(p.category, ColourCode::encodeRgb(byte(16), byte(8), byte(0)));
    }
    return scheme;
}
