#pragma once

#include "tagcolouring/tagcolourrules.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Finds the coloured runs of an HTML text: the start/stop keys of a colour scheme, tried in
// order at each position with the first match winning, and the entity keywords, which match
// anywhere outside a run. Works on bytes: every key is ASCII, so UTF-8 and Windows-1252 text
// alike are scanned byte by byte, letters compared without regard to ASCII case.
//
// A run may span lines, so colouring carries a state from one piece of text to the next:
// 0 outside any run, otherwise the number (from 1) of the rule whose run is still open. The
// document editor keeps that state per line and restyles line by line.
class TagColourer
{
public:
    TagColourer(); // colours nothing
    explicit TagColourer(const TagColourScheme &scheme);
    TagColourer(const std::vector<TagRule> &rules, bool keywords);

    // Writes one style byte per text byte (a TagCategory value, 0 for uncoloured) and returns
    // the state at the end. The text is one or more whole lines, or the whole document: the
    // start of the text counts as a line start and its end as a line end, so styling a text
    // line by line, handing each line's end state to the next, equals styling it at once.
    // A state that names no rule is taken as 0.
    int colour(const char *text, std::size_t length, std::uint8_t *styles, int state = 0) const;
    // The state colour() would return, without writing styles: entity keywords never hold a
    // '<', so skipping them changes no run. For text that is put off rather than shown.
    int endState(const char *text, std::size_t length, int state = 0) const;

    int ruleCount() const { return static_cast<int>(m_rules.size()); }

private:
    struct Rule
    {
        std::string start; // lower case
        std::string stop;  // lower case
        std::uint8_t style;
        bool checkBefore;
        bool checkAfter;
    };

    std::vector<std::uint16_t> stateRules(const std::vector<std::uint16_t> &bucket) const;
    // Returns the index of the first rule whose start key matches at `at`, or -1.
    int matchRule(const char *text, std::size_t length, std::size_t at) const;
    std::size_t matchKeyword(const char *text, std::size_t length, std::size_t at) const;
    // The position just after the next stop key of `rule` at or after `from`, or npos.
    static std::size_t findStop(const Rule &rule, const char *text, std::size_t from,
                                std::size_t length);

    // The run that starts at the '<' at `at` and ends past the line, for endState(): the
    // state it leaves, or 0 when none starts there; `end` gets the run's end.
    int stateRun(const char *text, std::size_t length, std::size_t at, std::size_t &end) const;

    std::vector<Rule> m_rules;
    // For endState(): per bucket, the rules that decide where a run ends. Runs that stop at
    // ">" all end alike, so only the rules of other stops and the ">" rules that could match
    // where one of those does are tried, up to a rule that matches every '<' ("<"). Empty
    // where the bucket has no such rule: the full bucket is tried.
    std::array<std::vector<std::uint16_t>, 257> m_stateBuckets;
    // Rule indexes by the lower-cased byte after the '<'; the last bucket serves a '<' at the
    // very end of the text. Each bucket keeps the rule order.
    std::array<std::vector<std::uint16_t>, 257> m_tagBuckets;
    // A bucket with many rules (the end tags after "</") is split again by the byte after
    // that, in the same order; rules too short to have that byte stand in every part.
    std::array<std::vector<std::vector<std::uint16_t>>, 257> m_tagParts;
    std::vector<std::string> m_keywords; // lower case
    std::array<std::vector<std::uint16_t>, 256> m_keywordBuckets;
};
