#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// What the spelling leaves out: markup (tags, comments, attribute values other than alt and
// title, script and style blocks) and Internet addresses. Entities are read as the characters
// they stand for either way; a letter entity is part of its word, and one standing alone is
// no word at all.
struct SpellingScope
{
    bool skipHtml = false;
    bool skipInternet = false;
    friend bool operator==(const SpellingScope &, const SpellingScope &) = default;
};

// A word to check. start and length cover the word as it stands in the text, entities
// included; text is the word as a reader sees it, with each entity decoded.
struct FoundWord
{
    qsizetype start = 0;
    qsizetype length = 0;
    QString text;
    qsizetype end() const { return start + length; }
};

// Finds the words that spelling checks in a page of HTML, one line at a time. A line starts
// in the state the line before it ended in (0 for the first line), so a caller that keeps
// each line's end state can rescan a changed line without reading the text before it.
// Words holding a digit or an underscore (names, numbers, code) are not words to check.
// Used by the checking dialog's walk through a document and by live spelling.
class WordScanner
{
public:
    static constexpr int StartState = 0;

    explicit WordScanner(SpellingScope scope = {}) : m_scope(scope) {}
    const SpellingScope &scope() const { return m_scope; }

    // Appends the words of `line` (without its line break) to `words` and returns the state
    // at its end.
    int scanLine(QStringView line, int state, QList<FoundWord> &words) const;
    // The state at the end of `line`, without collecting words.
    int endState(QStringView line, int state) const;
    // Every word of a whole text, lines split at CR, LF and CR LF; starts count from the
    // beginning of the text.
    QList<FoundWord> words(QStringView text) const;

    // The character an entity stands for when it is a letter or an apostrophe (so that it
    // belongs to a word), or a null QChar. `entity` runs from '&' to ';'.
    static QChar entityLetter(QStringView entity);

private:
    struct Run;
    int scan(QStringView line, int state, QList<FoundWord> *words) const;

    SpellingScope m_scope;
};
