#include "markup/tagtext.h"

namespace TagText {

QString asciiUpper(QString text)
{
    for (QChar &c : text)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
    return text;
}

namespace {

bool isAttributeNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'-' || c == u'_' || c == u':' || c == u'.';
}

// Attributes whose values name files or addresses.
bool keepsValueCase(QStringView name)
{
    static const char *const Names[] = {"src", "href", "background", "action", "data"};
    for (const char *n : Names)
        if (name.compare(QLatin1String(n), Qt::CaseInsensitive) == 0)
            return true;
    return name.startsWith(QLatin1String("data-"), Qt::CaseInsensitive);
}

// The end of the value that starts at `from` (after "=" and blanks): past its closing quote,
// or at the first blank or ">" of an unquoted value; the text's end when a quote is open.
int valueEnd(const QString &text, int from)
{
    const int n = int(text.size());
    if (from >= n)
        return n;
    const QChar q = text.at(from);
    if (q == u'"' || q == u'\'') {
        const int close = int(text.indexOf(q, from + 1));
        return close < 0 ? n : close + 1;
    }
    int i = from;
    while (i < n && !text.at(i).isSpace() && text.at(i) != u'>')
        ++i;
    return i;
}

// The end of a character entity starting at `from` ("&"), or -1 when there is none.
int entityEnd(const QString &text, int from)
{
    int i = from + 1;
    const int n = int(text.size());
    if (i < n && text.at(i) == u'#')
        ++i;
    const int first = i;
    while (i < n && i - first < 32 && text.at(i).isLetterOrNumber() && text.at(i).unicode() < 128)
        ++i;
    return i > first && i < n && text.at(i) == u';' ? i + 1 : -1;
}

} // namespace

QString tagUpper(QString text)
{
    const int n = int(text.size());
    int i = 0;
    while (i < n) {
        const QChar c = text.at(i);
        if (c == u'&') {
            const int end = entityEnd(text, i);
            if (end > 0) {
                i = end;
                continue;
            }
        } else if (isAttributeNameChar(c) && (i == 0 || !isAttributeNameChar(text.at(i - 1)))) {
            int end = i;
            while (end < n && isAttributeNameChar(text.at(end)))
                ++end;
            const bool keep = keepsValueCase(QStringView(text).mid(i, end - i));
            for (int k = i; k < end; ++k)
                if (text.at(k) >= u'a' && text.at(k) <= u'z')
                    text[k] = QChar(text.at(k).unicode() - 32);
            i = end;
            if (!keep)
                continue;
            int j = i;
            while (j < n && text.at(j).isSpace())
                ++j;
            if (j >= n || text.at(j) != u'=')
                continue;
            ++j;
            while (j < n && text.at(j).isSpace())
                ++j;
            i = valueEnd(text, j);
            continue;
        }
        if (c >= u'a' && c <= u'z')
            text[i] = QChar(c.unicode() - 32);
        ++i;
    }
    return text;
}

QString apostrophes(QString text)
{
    return text.replace(u'"', u'\'');
}

namespace {

int leadingRun(const QString &text, QChar c)
{
    int n = 0;
    while (n < text.size() && text.at(n) == c)
        ++n;
    return n;
}

} // namespace

QString indentPrefix(const QString &line, const QString &selected)
{
    if (line.isEmpty())
        return {};
    const QChar first = line.at(0);
    if (first != u'\t' && first != u' ')
        return {};
    // The replaced text's own indent counts tabs and blanks of its whole leading run.
    int own = 0;
    for (const QChar c : selected) {
        if (c == first)
            ++own;
        else if (c != u'\t' && c != u' ')
            break;
    }
    const int missing = leadingRun(line, first) - own;
    return missing > 0 ? QString(missing, first) : QString();
}

IndentedText::IndentedText(const QString &text, const QString &prefix)
{
    if (prefix.isEmpty()) {
        m_text = text;
        return;
    }
    m_text.reserve(text.size());
    const int n = int(text.size());
    int start = 0;
    while (start <= n) {
        int end = start;
        while (end < n && text.at(end) != u'\r' && text.at(end) != u'\n')
            ++end;
        if (start > 0 && !QStringView(text).mid(start).startsWith(prefix)) {
            m_text += prefix;
            m_added.emplace_back(start, int(prefix.size()));
        }
        if (end == n) {
            m_text += QStringView(text).mid(start);
            break;
        }
        int next = end + 1;
        if (text.at(end) == u'\r' && next < n && text.at(next) == u'\n')
            ++next;
        m_text += QStringView(text).mid(start, next - start);
        start = next;
    }
}

int IndentedText::map(int offset, bool afterPrefix) const
{
    int shift = 0;
    for (const auto &[lineStart, added] : m_added) {
        if (lineStart > offset || (lineStart == offset && !afterPrefix))
            break;
        shift += added;
    }
    return offset + shift;
}

int lineCount(const QString &text)
{
    int lines = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'\n' ||
            (text.at(i) == u'\r' && (i + 1 == text.size() || text.at(i + 1) != u'\n')))
            ++lines;
    }
    return lines;
}

} // namespace TagText
