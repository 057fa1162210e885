#include "checking/pagetags.h"

namespace {

bool isNameStart(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

// Elements whose text is not markup: the scan goes on after their end tag.
bool holdsRawText(const QString &name)
{
    return name == QLatin1String("script") || name == QLatin1String("style") ||
           name == QLatin1String("textarea") || name == QLatin1String("title") ||
           name == QLatin1String("xmp");
}

class Scanner
{
public:
    explicit Scanner(QStringView text) : t(text) {}

    QList<ScannedTag> run()
    {
        QList<ScannedTag> tags;
        while ((i = t.indexOf(u'<', i)) >= 0) {
            if (t.mid(i).startsWith(QLatin1String("<!--"))) {
                const qsizetype close = t.indexOf(QLatin1String("-->"), i + 4);
                i = close < 0 ? t.size() : close + 3;
            } else if (i + 1 < t.size() && (t[i + 1] == u'!' || t[i + 1] == u'?')) {
                const qsizetype close = t.indexOf(u'>', i);
                i = close < 0 ? t.size() : close + 1;
            } else if (i + 2 < t.size() && t[i + 1] == u'/' && isNameStart(t[i + 2])) {
                ScannedTag tag;
                tag.offset = i;
                tag.end = true;
                i += 2;
                tag.name = readName();
                const qsizetype close = t.indexOf(u'>', i);
                i = close < 0 ? t.size() : close + 1;
                tag.endOffset = i;
                tags.append(std::move(tag));
            } else if (i + 1 < t.size() && isNameStart(t[i + 1])) {
                ScannedTag tag;
                tag.offset = i;
                ++i;
                tag.name = readName();
                readAttributes(tag);
                tag.endOffset = i;
                const QString name = tag.name;
                tags.append(std::move(tag));
                if (holdsRawText(name))
                    skipRawText(name);
            } else {
                ++i;
            }
        }
        return tags;
    }

private:
    QString readName()
    {
        const qsizetype from = i;
        while (i < t.size() && !isBlank(t[i]) && t[i] != u'>' && t[i] != u'/')
            ++i;
        return t.mid(from, i - from).toString().toLower();
    }

    void readAttributes(ScannedTag &tag)
    {
        while (i < t.size()) {
            while (i < t.size() && (isBlank(t[i]) || t[i] == u'/'))
                ++i;
            if (i >= t.size())
                return;
            if (t[i] == u'>') {
                ++i;
                return;
            }
            ScannedAttribute a;
            const qsizetype from = i;
            while (i < t.size() && !isBlank(t[i]) && t[i] != u'>' && t[i] != u'=' &&
                   (t[i] != u'/' || i == from))
                ++i;
            if (i == from) // a lone '=' or a stray character
                ++i;
            a.name = t.mid(from, i - from).toString().toLower();
            qsizetype j = i;
            while (j < t.size() && isBlank(t[j]))
                ++j;
            if (j < t.size() && t[j] == u'=') {
                i = j + 1;
                while (i < t.size() && isBlank(t[i]))
                    ++i;
                readValue(a);
            }
            tag.attributes.append(std::move(a));
        }
    }

    void readValue(ScannedAttribute &a)
    {
        a.hasValue = true;
        if (i < t.size() && (t[i] == u'"' || t[i] == u'\'')) {
            const QChar quote = t[i];
            a.valueOffset = ++i;
            qsizetype close = t.indexOf(quote, i);
            if (close < 0)
                close = t.size();
            a.value = t.mid(i, close - i).toString();
            i = qMin(close + 1, t.size());
            return;
        }
        a.valueOffset = i;
        while (i < t.size() && !isBlank(t[i]) && t[i] != u'>')
            ++i;
        a.value = t.mid(a.valueOffset, i - a.valueOffset).toString();
    }

    void skipRawText(const QString &name)
    {
        const QString endTag = QStringLiteral("</") + name;
        qsizetype at = i;
        while ((at = t.indexOf(endTag, at, Qt::CaseInsensitive)) >= 0) {
            const qsizetype after = at + endTag.size();
            if (after >= t.size() || isBlank(t[after]) || t[after] == u'>' || t[after] == u'/') {
                i = at;
                return;
            }
            at = after;
        }
        i = t.size();
    }

    QStringView t;
    qsizetype i = 0;
};

} // namespace

const ScannedAttribute *ScannedTag::attribute(QLatin1StringView wanted) const
{
    for (const ScannedAttribute &a : attributes)
        if (a.name == wanted)
            return &a;
    return nullptr;
}

QList<ScannedTag> scanTags(QStringView text)
{
    return Scanner(text).run();
}
