#include "tagcolouring/tagcolourrules.h"

#include "base/settingsfile.h"
#include "colours/colourcode.h"

#include <algorithm>

namespace {

constexpr TagKey generalKeys[] = {{"</AD", ">"}, {"<", ">"}};
constexpr TagKey commentKeys[] = {{"<!--", "-->"}};
constexpr TagKey imageKeys[] = {{"<IMG", ">"}, {"<IMG ", ">"}};
constexpr TagKey scriptKeys[] = {{"<SCRIPT", "</SCRIPT>"}, {"<%", "%>"}};
constexpr TagKey frameKeys[] = {{"<FRAMESET", ">"},  {"</FRAMESET", ">"}, {"<NOFRAMES", ">"},
                                {"</NOFRAMES", ">"}, {"<FRAME ", ">"},    {"<IFRAME ", ">"},
                                {"</IFRAME", ">"}};
constexpr TagKey linkKeys[] = {{"<A href", ">"}, {"<A name", ">"}, {"</A", ">"}};
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

TagColourScheme TagColourScheme::firstStartColours()
{
    using ColourCode::encodeRgb;
    TagColourScheme scheme;
    scheme.setColours(TagCategory::General, encodeRgb(0x00, 0x00, 0x80));  // navy
    scheme.setColours(TagCategory::Comments, encodeRgb(0x00, 0x80, 0x00)); // green
    scheme.setColours(TagCategory::Images, encodeRgb(0x80, 0x00, 0x80));   // purple
    scheme.setColours(TagCategory::Scripts, encodeRgb(0x8B, 0x45, 0x13));  // brown
    scheme.setColours(TagCategory::Frames, encodeRgb(0x00, 0x80, 0x80));   // teal
    scheme.setColours(TagCategory::Links, encodeRgb(0xC0, 0x00, 0x00));    // red
    scheme.setColours(TagCategory::Lists, encodeRgb(0x6B, 0x6B, 0x00));    // olive
    scheme.setColours(TagCategory::Styles, encodeRgb(0xB0, 0x48, 0x00));   // dark orange
    scheme.setColours(TagCategory::Forms, encodeRgb(0xC0, 0x00, 0x7A));    // deep pink
    scheme.setColours(TagCategory::Tables, encodeRgb(0x00, 0x70, 0xC0));   // azure
    return scheme;
}
