#include "helpers/frame/tagreading.h"

#include <algorithm>

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f';
}

bool isNameChar(QChar c)
{
    return !isBlank(c) && c != u'>' && c != u'<' && c != u'=' && c != u'"' && c != u'\'' &&
           c != u'/';
}

// A tag as long as this is not something a panel built; a caret this far from a "<" is not
// in one of its tags.
constexpr int LongestTag = 8192;

} // namespace

QString TagAttribute::build(const QString &name, const QString &value)
{
    if (!value.contains(u'"'))
        return u' ' + name + QStringLiteral("=\"") + value + u'"';
    if (!value.contains(u'\''))
        return u' ' + name + QStringLiteral("='") + value + u'\'';
    // Both quote characters: the double ones become entities, so the tag stays valid.
    return u' ' + name + QStringLiteral("=\"") +
           QString(value).replace(u'"', QLatin1String("&quot;")) + u'"';
}

QString TagAttribute::buildNumber(const QString &name, const QString &value)
{
    const bool number = !value.isEmpty() && std::all_of(value.begin(), value.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || c == u'%';
    });
    return number ? u' ' + name + u'=' + value : build(name, value);
}

const TagAttribute *FoundTag::attribute(QStringView attributeName) const
{
    for (const TagAttribute &a : attributes)
        if (a.name.compare(attributeName, Qt::CaseInsensitive) == 0)
            return &a;
    return nullptr;
}

const TagAttribute *FoundTag::attribute(QLatin1String attributeName) const
{
    for (const TagAttribute &a : attributes)
        if (a.name.compare(attributeName, Qt::CaseInsensitive) == 0)
            return &a;
    return nullptr;
}

QList<TagAttribute> FoundTag::others(std::initializer_list<const char *> known) const
{
    QList<TagAttribute> result;
    for (const TagAttribute &a : attributes) {
        bool isKnown = false;
        for (const char *k : known)
            isKnown = isKnown || a.name.compare(QLatin1String(k), Qt::CaseInsensitive) == 0;
        // A second copy of a known attribute is kept as well: nothing written is lost.
        if (!isKnown || attribute(a.name) != &a)
            result.append(a);
    }
    return result;
}

namespace TagReading {

std::optional<FoundTag> parseAt(const QString &text, int start)
{
    const int n = int(text.size());
    if (start < 0 || start >= n || text.at(start) != u'<')
        return std::nullopt;
    int i = start + 1;
    FoundTag tag;
    tag.start = start;
    while (i < n && isNameChar(text.at(i)))
        tag.name += text.at(i++);
    if (tag.name.isEmpty() || !tag.name.at(0).isLetter())
        return std::nullopt;
    while (i < n) {
        while (i < n && (isBlank(text.at(i)) || text.at(i) == u'/'))
            ++i;
        if (i >= n)
            return std::nullopt;
        if (text.at(i) == u'>') {
            tag.end = i + 1;
            return tag;
        }
        if (text.at(i) == u'<')
            return std::nullopt;
        TagAttribute a;
        const int from = i;
        while (i < n && isNameChar(text.at(i)))
            a.name += text.at(i++);
        if (a.name.isEmpty()) // a stray quote or "="
            return std::nullopt;
        int j = i;
        while (j < n && isBlank(text.at(j)))
            ++j;
        if (j < n && text.at(j) == u'=') {
            ++j;
            while (j < n && isBlank(text.at(j)))
                ++j;
            if (j >= n)
                return std::nullopt;
            a.hasValue = true;
            const QChar q = text.at(j);
            if (q == u'"' || q == u'\'') {
                const int close = int(text.indexOf(q, j + 1));
                if (close < 0)
                    return std::nullopt;
                a.quote = q;
                a.value = text.mid(j + 1, close - j - 1);
                i = close + 1;
            } else {
                int k = j;
                while (k < n && !isBlank(text.at(k)) && text.at(k) != u'>')
                    ++k;
                a.value = text.mid(j, k - j);
                i = k;
            }
        }
        a.text = text.mid(from, i - from);
        tag.attributes.append(a);
    }
    return std::nullopt;
}

std::optional<FoundTag> tagAround(const QString &text, int selectionStart, int selectionEnd,
                                  QStringView name)
{
    // The tag itself selected.
    if (selectionEnd > selectionStart)
        if (std::optional<FoundTag> tag = parseAt(text, selectionStart))
            if (tag->end == selectionEnd && tag->name.compare(name, Qt::CaseInsensitive) == 0)
                return tag;
    const int caret = selectionStart;
    const int stop = std::max(0, caret - LongestTag);
    for (int i = std::min(caret, int(text.size())) - 1; i >= stop; --i) {
        if (text.at(i) != u'<')
            continue;
        std::optional<FoundTag> tag = parseAt(text, i);
        if (!tag || tag->name.compare(name, Qt::CaseInsensitive) != 0)
            return std::nullopt;
        if (selectionEnd < tag->end || (selectionEnd == tag->end && selectionEnd > caret))
            return tag;
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<FoundTag> parseWhole(const QString &text)
{
    int start = 0;
    while (start < text.size() && isBlank(text.at(start)))
        ++start;
    std::optional<FoundTag> tag = parseAt(text, start);
    if (!tag)
        return std::nullopt;
    for (int i = tag->end; i < text.size(); ++i)
        if (!isBlank(text.at(i)))
            return std::nullopt;
    return tag;
}

QString othersText(const QList<TagAttribute> &others)
{
    QString result;
    for (const TagAttribute &a : others)
        result += u' ' + a.text;
    return result;
}

} // namespace TagReading
