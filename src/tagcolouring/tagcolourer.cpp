#include "tagcolouring/tagcolourer.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <string_view>

namespace {

constexpr char tagLead = '<';
constexpr char keywordLead = '&';
constexpr std::size_t npos = std::size_t(-1);

struct ByteTables
{
    std::array<std::uint8_t, 256> lower{};
    std::array<bool, 256> separator{};

    constexpr ByteTables()
    {
        for (int c = 0; c < 256; ++c)
            lower[c] = static_cast<std::uint8_t>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
        // A line break counts as a separator, so that the end of a line ends a word the same
        // way whether a line is styled alone or inside the whole text.
        for (unsigned char c : std::string_view(" \"!(),./:;<=>?[\\]{}\t\r\n"))
            separator[c] = true;
    }
};
constexpr ByteTables tables;

inline std::uint8_t lowerByte(char c)
{
    return tables.lower[static_cast<unsigned char>(c)];
}

inline bool isSeparator(char c)
{
    return tables.separator[static_cast<unsigned char>(c)];
}

std::string lowered(const char *key)
{
    std::string s(key);
    for (char &c : s)
        c = static_cast<char>(lowerByte(c));
    return s;
}

// Compares key[from..] with the text at `at + from`; the caller has checked the length.
inline bool sameFrom(const char *text, std::size_t at, const std::string &key, std::size_t from)
{
    for (std::size_t k = from; k < key.size(); ++k) {
        if (lowerByte(text[at + k]) != static_cast<std::uint8_t>(key[k]))
            return false;
    }
    return true;
}

} // namespace

TagColourer::TagColourer() = default;

TagColourer::TagColourer(const TagColourScheme &scheme)
    : TagColourer(scheme.rules(), scheme.keywordsEnabled())
{
}

TagColourer::TagColourer(const std::vector<TagRule> &rules, bool keywords)
{
    for (const TagRule &r : rules) {
        Rule rule{lowered(r.key.start), lowered(r.key.stop), static_cast<std::uint8_t>(r.category),
                  false, false};
        assert(!rule.start.empty() && rule.start[0] == tagLead && !rule.stop.empty());
        if (r.key.wholeWord) {
            rule.checkBefore = !isSeparator(rule.start.front());
            rule.checkAfter = !isSeparator(rule.start.back());
        }
        const auto index = static_cast<std::uint16_t>(m_rules.size());
        m_rules.push_back(std::move(rule));
        const std::string &start = m_rules.back().start;
        if (start.size() == 1) {
            for (auto &bucket : m_tagBuckets)
                bucket.push_back(index);
        } else {
            m_tagBuckets[static_cast<unsigned char>(start[1])].push_back(index);
            // Upper-case bytes are never looked up: the text byte is lowered first.
        }
    }
    constexpr std::size_t splitFrom = 8;
    for (std::size_t b = 0; b < m_tagBuckets.size(); ++b) {
        if (m_tagBuckets[b].size() < splitFrom)
            continue;
        auto &parts = m_tagParts[b];
        parts.resize(257);
        for (std::uint16_t index : m_tagBuckets[b]) {
            const std::string &start = m_rules[index].start;
            if (start.size() > 2) {
                parts[static_cast<unsigned char>(start[2])].push_back(index);
                continue;
            }
            for (auto &part : parts)
                part.push_back(index);
        }
    }
    for (std::size_t b = 0; b < m_tagBuckets.size(); ++b)
        m_stateBuckets[b] = stateRules(m_tagBuckets[b]);
    if (keywords) {
        for (const char *k : entityKeywords()) {
            std::string key = lowered(k);
            assert(key.size() >= 2 && key[0] == keywordLead);
            bool seen = false;
            for (const std::string &known : m_keywords)
                seen = seen || known == key;
            if (seen)
                continue;
            m_keywordBuckets[static_cast<unsigned char>(key[1])].push_back(
                static_cast<std::uint16_t>(m_keywords.size()));
            m_keywords.push_back(std::move(key));
        }
    }
}

std::vector<std::uint16_t> TagColourer::stateRules(const std::vector<std::uint16_t> &bucket) const
{
    const auto closesAtAngle = [this](std::uint16_t i) { return m_rules[i].stop == ">"; };
    const auto matchesEvery = [this](std::uint16_t i) {
        const Rule &r = m_rules[i];
        return r.start.size() == 1 && !r.checkAfter && !r.checkBefore;
    };
    const auto overlap = [this](std::uint16_t a, std::uint16_t b) {
        const std::string &x = m_rules[a].start, &y = m_rules[b].start;
        const std::size_t n = std::min(x.size(), y.size());
        return x.compare(0, n, y, 0, n) == 0;
    };
    const auto last = std::find_if(bucket.begin(), bucket.end(), matchesEvery);
    if (last == bucket.end())
        return {};
    std::vector<std::uint16_t> kept;
    for (auto it = bucket.begin(); it != last; ++it) {
        bool needed = !closesAtAngle(*it);
        for (auto later = it + 1; !needed && later != last; ++later)
            needed = !closesAtAngle(*later) && overlap(*it, *later);
        if (needed)
            kept.push_back(*it);
    }
    kept.push_back(*last);
    return kept;
}

int TagColourer::matchRule(const char *text, std::size_t length, std::size_t at) const
{
    const std::size_t bucket = at + 1 < length ? lowerByte(text[at + 1]) : 256;
    const auto &parts = m_tagParts[bucket];
    const auto &candidates =
        parts.empty() ? m_tagBuckets[bucket]
                      : parts[at + 2 < length ? lowerByte(text[at + 2]) : std::size_t(256)];
    for (std::uint16_t index : candidates) {
        const Rule &r = m_rules[index];
        const std::size_t n = r.start.size();
        if (at + n > length || !sameFrom(text, at, r.start, 2))
            continue;
        if (r.checkBefore && at > 0 && !isSeparator(text[at - 1]))
            continue;
        if (r.checkAfter && at + n < length && !isSeparator(text[at + n]))
            continue;
        return index;
    }
    return -1;
}

std::size_t TagColourer::matchKeyword(const char *text, std::size_t length, std::size_t at) const
{
    if (at + 1 >= length)
        return 0;
    for (std::uint16_t index : m_keywordBuckets[lowerByte(text[at + 1])]) {
        const std::string &k = m_keywords[index];
        if (at + k.size() <= length && sameFrom(text, at, k, 2))
            return k.size();
    }
    return 0;
}

std::size_t TagColourer::findStop(const Rule &rule, const char *text, std::size_t from,
                                  std::size_t length)
{
    const std::string &stop = rule.stop;
    const std::size_t n = stop.size();
    const char first = stop[0];
    const bool letter = first >= 'a' && first <= 'z';
    while (from + n <= length) {
        std::size_t at;
        if (letter) {
            at = from;
            while (at + n <= length && lowerByte(text[at]) != static_cast<std::uint8_t>(first))
                ++at;
            if (at + n > length)
                return npos;
        } else {
            const void *hit = std::memchr(text + from, first, length - from - n + 1);
            if (!hit)
                return npos;
            at = static_cast<std::size_t>(static_cast<const char *>(hit) - text);
        }
        if (sameFrom(text, at, stop, 1))
            return at + n;
        from = at + 1;
    }
    return npos;
}

int TagColourer::stateRun(const char *text, std::size_t length, std::size_t at,
                          std::size_t &end) const
{
    const std::size_t bucket = at + 1 < length ? lowerByte(text[at + 1]) : 256;
    const auto &rules = m_stateBuckets[bucket];
    int index = -1;
    if (rules.empty()) {
        index = matchRule(text, length, at);
    } else {
        for (std::uint16_t candidate : rules) {
            const Rule &r = m_rules[candidate];
            const std::size_t n = r.start.size();
            if (at + n > length || !sameFrom(text, at, r.start, 1) ||
                (r.checkBefore && at > 0 && !isSeparator(text[at - 1])) ||
                (r.checkAfter && at + n < length && !isSeparator(text[at + n])))
                continue;
            index = candidate;
            break;
        }
    }
    if (index < 0) {
        end = at + 1;
        return 0;
    }
    const Rule &r = m_rules[static_cast<std::size_t>(index)];
    end = findStop(r, text, at + r.start.size(), length);
    if (end != npos)
        return 0;
    // Open at the end of the text: which of the rules that close at ">" it is matters now.
    return matchRule(text, length, at) + 1;
}

int TagColourer::endState(const char *text, std::size_t length, int state) const
{
    if (state < 0 || state > ruleCount())
        state = 0;
    std::size_t i = 0;
    if (state > 0) {
        i = findStop(m_rules[static_cast<std::size_t>(state - 1)], text, 0, length);
        if (i == npos)
            return state;
    }
    if (m_rules.empty())
        return 0;
    while (i < length) {
        const void *hit = std::memchr(text + i, tagLead, length - i);
        if (!hit)
            return 0;
        const auto at = static_cast<std::size_t>(static_cast<const char *>(hit) - text);
        if (const int open = stateRun(text, length, at, i))
            return open;
    }
    return 0;
}

int TagColourer::colour(const char *text, std::size_t length, std::uint8_t *styles, int state) const
{
    if (state < 0 || state > ruleCount())
        state = 0;
    std::size_t i = 0;
    if (state > 0) {
        const Rule &r = m_rules[static_cast<std::size_t>(state - 1)];
        const std::size_t end = findStop(r, text, 0, length);
        if (end == npos) {
            std::memset(styles, r.style, length);
            return state;
        }
        std::memset(styles, r.style, end);
        i = end;
    }

    // Only the two lead bytes can start a match: jump from one to the next with memchr and
    // remember where the next of each kind stands until the scan passes it.
    const char *const textEnd = text + length;
    auto next = [&](char lead, std::size_t from) {
        const void *hit = std::memchr(text + from, lead, length - from);
        return hit ? static_cast<const char *>(hit) : textEnd;
    };
    const char *nextTag = m_rules.empty() ? textEnd : next(tagLead, i);
    const char *nextKeyword = m_keywords.empty() ? textEnd : next(keywordLead, i);

    while (i < length) {
        if (nextTag < text + i)
            nextTag = next(tagLead, i);
        if (nextKeyword < text + i)
            nextKeyword = next(keywordLead, i);
        const char *p = std::min(nextTag, nextKeyword);
        if (p == textEnd)
            break;
        const auto at = static_cast<std::size_t>(p - text);
        std::memset(styles + i, 0, at - i);

        if (*p == tagLead) {
            const int index = matchRule(text, length, at);
            if (index >= 0) {
                const Rule &r = m_rules[static_cast<std::size_t>(index)];
                const std::size_t end = findStop(r, text, at + r.start.size(), length);
                if (end == npos) {
                    std::memset(styles + at, r.style, length - at);
                    return index + 1;
                }
                std::memset(styles + at, r.style, end - at);
                i = end;
                continue;
            }
        } else if (const std::size_t n = matchKeyword(text, length, at)) {
            std::memset(styles + at, static_cast<int>(TagCategory::General), n);
            i = at + n;
            continue;
        }
        styles[at] = 0;
        i = at + 1;
    }
    if (i < length)
        std::memset(styles + i, 0, length - i);
    return 0;
}
