#pragma once

#include "base/editingoptions.h"

#include <QString>

#include <utility>
#include <vector>

// Text rules of tag insertion: letter case, quote character and auto-indent. All of them
// work on plain strings so that insert and wrap can compose in memory before touching a
// document.
namespace TagText {

// Upper-cases a to z only, so that every offset into the text stays valid.
QString asciiUpper(QString text);
// The letter case and "apostrophe" rules, for markup the program builds: tag and attribute
// names take the letter case asked for (a to z only) and double quotes around attribute values
// become apostrophes, unless the value holds an apostrophe itself. Values, entities, comments
// and the text between tags keep their letter case and quote characters, so that every offset
// into the text stays valid and no tag is broken. The stretch keepFrom..keepTo (the user's
// text being wrapped) is read for context but left as it is. A text without tags that starts
// with "name=" is read as attributes.
QString caseAndQuote(QString text, TagCase letters, bool apostrophe, int keepFrom = -1,
                     int keepTo = -1);
QString tagNames(QString text, TagCase letters);
QString apostrophes(QString text);

// The indent that auto-indent puts in front of the second and later lines of an insertion:
// the leading tabs (or blanks) of the line the insertion starts in, less those the replaced
// text itself starts with. Empty when the line is empty or starts with neither.
QString indentPrefix(const QString &line, const QString &selected);

// A text with the prefix put in front of each line after the first, unless the line already
// starts with it, and a way to find where an offset of the original text went.
class IndentedText
{
public:
    IndentedText(const QString &text, const QString &prefix);

    const QString &text() const { return m_text; }
    // An offset at the start of an indented line goes after the added prefix when
    // afterPrefix is true, before it otherwise.
    int map(int offset, bool afterPrefix) const;

private:
    QString m_text;
    std::vector<std::pair<int, int>> m_added; // original line start, characters added
};

// Lines as the editors count them: CR LF, LF and CR each end one; an empty text has one.
int lineCount(const QString &text);

} // namespace TagText
