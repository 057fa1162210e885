#pragma once

#include <QList>
#include <QString>

#include <optional>

// One attribute of a tag as it was written: name, value and quote character, and its text.
struct TagAttribute
{
    QString name;
    QString value; // as written, entities and all
    bool hasValue = false;
    QChar quote;  // '"', '\'' or none
    QString text; // the attribute as written, without the blanks before it

    // ` name="value"`: apostrophes when the value holds a double quote, and `&quot;` for its
    // double quotes when it holds apostrophes too.
    static QString build(const QString &name, const QString &value);
    // ` name=value` for a number ("20", "50%"), written bare as such attributes were; any
    // other typed text is quoted as build() does, so that it cannot break the tag.
    static QString buildNumber(const QString &name, const QString &value);
    friend bool operator==(const TagAttribute &, const TagAttribute &) = default;
};

// A start tag found in a text.
struct FoundTag
{
    int start = 0; // offset of "<"
    int end = 0;   // offset after ">"
    QString name;  // as written
    QList<TagAttribute> attributes;

    // The first attribute of that name, letter case ignored.
    const TagAttribute *attribute(QStringView attributeName) const;
    const TagAttribute *attribute(QLatin1String attributeName) const;
    // The attributes not named in `known`, in their order: what a panel keeps untouched.
    QList<TagAttribute> others(std::initializer_list<const char *> known) const;
};

// Reads the tags that panels build, so that a panel can take over the tag under the caret.
namespace TagReading {

// Parses the start tag that begins at `start` ("<NAME attributes>"); nothing when the text
// there is no complete start tag.
std::optional<FoundTag> parseAt(const QString &text, int start);
// The start tag named `name` (letter case ignored) that the caret stands in: after its "<"
// and not after its ">". A selection of exactly the tag counts too.
std::optional<FoundTag> tagAround(const QString &text, int selectionStart, int selectionEnd,
                                  QStringView name);
// Parses a text that should be one start tag and nothing else (blanks around allowed).
std::optional<FoundTag> parseWhole(const QString &text);
// The text of extra attributes, each with one blank in front.
QString othersText(const QList<TagAttribute> &others);

} // namespace TagReading
