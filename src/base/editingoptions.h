#pragma once

#include <cstdint>

class SettingsFile;

// The letter case of the tag and attribute names the program builds.
enum class TagCase : std::uint8_t {
    AsWritten, // as the commands' tables write them
    Lower,     // every built name in lower case
    Upper,     // "ucase": the names of the wrapped parts and the case-and-quote inserts upper-cased
};

// The switches that editing commands follow, read from the settings file at the moment of
// use: a change through the preferences counts at once, and there is no copy to drift from
// the file. Each is a text switch in the file: on when not empty, unless said otherwise.
class EditingOptions
{
public:
    explicit EditingOptions(const SettingsFile &settings) : m_settings(settings) {}

    // "ai": Enter and inserted blocks take the line's indent.
    bool autoIndent() const;
    // "ctrlb" = "strong": Bold inserts STRONG instead of B; "ctrli" = "em": EM instead of I.
    bool boldIsStrong() const;
    bool italicIsEm() const;
    // "pop" empty: typing tips show.
    bool tipsShown() const;
    // "newt" not empty: New HTML Document makes a plain document.
    bool newHtmlIsPlain() const;
    // "tagcase" ("table", "lower", "upper"); without it (or with another value) "ucase" on
    // means Upper, off AsWritten, as before the choice existed.
    TagCase tagCase() const;
    // "tabloc" not empty: the tab strip is at the top.
    bool tabsAtTop() const;

private:
    const SettingsFile &m_settings;
};
