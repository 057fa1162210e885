#pragma once

#include "base/settingskeys.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class SettingsFile;

// The colour categories of HTML tags. The values are also the style numbers the colourer
// writes: 0 stays uncoloured.
enum class TagCategory : std::uint8_t {
    None = 0,
    General,
    Comments,
    Images,
    Scripts,
    Frames,
    Links,
    Lists,
    Styles,
    Forms,
    Tables,
};
inline constexpr int TagCategoryCount = 10;

// One start key and the stop key that ends its run. Keys are ASCII and compared without
// regard to ASCII letter case. A whole-word key needs a word separator (or a line start or
// end) before it unless it begins with a separator, and after it unless it ends with one.
struct TagKey
{
    const char *start;
    const char *stop;
    bool wholeWord = false;
};

struct TagCategoryInfo
{
    TagCategory category;
    ColourKey foreground;
    ColourKey background;
    std::span<const TagKey> keys;
};

// The ten categories with their settings keys and start/stop keys, in category order.
const std::array<TagCategoryInfo, TagCategoryCount> &tagCategories();
const TagCategoryInfo &tagCategory(TagCategory category);

// The entity keywords coloured in the general category's colours, wherever they stand.
std::span<const char *const> entityKeywords();

// A start/stop key of the colouring rule list, with the category it colours.
struct TagRule
{
    TagKey key;
    TagCategory category;
};

// The twenty stored colour values of the tag categories (see app/colourcode.h). A category
// whose foreground is 0 is not coloured at all.
struct TagColourScheme
{
    std::array<int, TagCategoryCount> foreground{};
    std::array<int, TagCategoryCount> background;

    TagColourScheme();

    int foregroundOf(TagCategory c) const { return foreground[index(c)]; }
    int backgroundOf(TagCategory c) const { return background[index(c)]; }
    void setColours(TagCategory c, int fore, int back = SystemWindowColour);
    bool enabled(TagCategory c) const { return foregroundOf(c) != 0; }

    // The start/stop keys of the enabled categories in the order they are tried: at a given
    // position the first key that matches wins.
    std::vector<TagRule> rules() const;
    // Entity keywords apply while the general category is enabled.
    bool keywordsEnabled() const { return enabled(TagCategory::General); }

    static TagColourScheme read(const SettingsFile &settings);
    bool write(SettingsFile &settings) const;
    // Written to a new settings file: ten clearly distinct colours, dark ones that read well
    // on a light base colour or light ones for a dark base.
    static TagColourScheme firstStartColours(bool darkBase = false);

    friend bool operator==(const TagColourScheme &, const TagColourScheme &) = default;

private:
    static std::size_t index(TagCategory c) { return static_cast<std::size_t>(c) - 1; }
};
