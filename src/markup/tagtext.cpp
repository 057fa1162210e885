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

int skipBlanks(const QString &text, int i)
{
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    return i;
}

// A text without tags that starts with `name=` is a bare attribute ("background=…").
bool startsAsAttribute(const QString &text)
{
    if (text.contains(u'<'))
        return false;
    int i = skipBlanks(text, 0);
    const int first = i;
    while (i < text.size() && isAttributeNameChar(text.at(i)))
        ++i;
    return i > first && text.at(first).isLetter() && skipBlanks(text, i) < text.size() &&
           text.at(skipBlanks(text, i)) == u'=';
}

class MarkupRules
{
public:
    MarkupRules(QString &text, TagCase letters, bool apostrophe, int keepFrom, int keepTo)
        : m_text(text), m_letters(letters), m_apostrophe(apostrophe), m_keepFrom(keepFrom),
          m_keepTo(keepTo)
    {
    }

    void run()
    {
        const int n = int(m_text.size());
        int i = 0;
        bool inTag = startsAsAttribute(m_text);
        while (i < n) {
            if (!inTag) {
                const int open = int(m_text.indexOf(u'<', i));
                if (open < 0)
                    return;
                if (QStringView(m_text).mid(open + 1).startsWith(QLatin1String("!--"))) {
                    const int close = int(m_text.indexOf(QLatin1String("-->"), open + 4));
                    i = close < 0 ? n : close + 3;
                    continue;
                }
                int j = open + 1;
                if (j < n && (m_text.at(j) == u'/' || m_text.at(j) == u'!' || m_text.at(j) == u'?'))
                    ++j;
                if (j < n && m_text.at(j).isLetter()) {
                    i = name(j);
                    inTag = true;
                } else {
                    i = j;
                }
                continue;
            }
            const QChar c = m_text.at(i);
            if (c == u'>') {
                inTag = false;
                ++i;
            } else if (c == u'"' || c == u'\'') {
                i = quotedValue(i);
            } else if (isAttributeNameChar(c)) {
                i = skipBlanks(m_text, name(i));
                if (i < n && m_text.at(i) == u'=') {
                    i = skipBlanks(m_text, i + 1);
                    i = i < n && (m_text.at(i) == u'"' || m_text.at(i) == u'\'')
                            ? quotedValue(i)
                            : valueEnd(m_text, i);
                }
            } else {
                ++i;
            }
        }
    }

private:
    bool changeable(int i) const { return i < m_keepFrom || i >= m_keepTo; }

    // Gives the name that starts at `from` the letter case asked for; returns its end.
    int name(int from)
    {
        int end = from;
        while (end < m_text.size() && isAttributeNameChar(m_text.at(end))) {
            const QChar c = m_text.at(end);
            if (changeable(end)) {
                if (m_letters == TagCase::Upper && c >= u'a' && c <= u'z')
                    m_text[end] = QChar(c.unicode() - 32);
                else if (m_letters == TagCase::Lower && c >= u'A' && c <= u'Z')
                    m_text[end] = QChar(c.unicode() + 32);
            }
            ++end;
        }
        return end;
    }

    // A value in double quotes goes into apostrophes when asked to, unless it holds one: the
    // tag must stay valid. The value itself is never touched.
    int quotedValue(int open)
    {
        const QChar q = m_text.at(open);
        const int close = int(m_text.indexOf(q, open + 1));
        if (close < 0)
            return int(m_text.size());
        if (m_apostrophe && q == u'"' && changeable(open) && changeable(close) &&
            !QStringView(m_text).mid(open + 1, close - open - 1).contains(u'\'')) {
            m_text[open] = u'\'';
            m_text[close] = u'\'';
        }
        return close + 1;
    }

    QString &m_text;
    TagCase m_letters;
    bool m_apostrophe;
    int m_keepFrom, m_keepTo;
};

} // namespace

QString caseAndQuote(QString text, TagCase letters, bool apostrophe, int keepFrom, int keepTo)
{
    if (letters != TagCase::AsWritten || apostrophe)
        MarkupRules(text, letters, apostrophe, keepFrom, keepTo).run();
    return text;
}

QString tagNames(QString text, TagCase letters)
{
    return caseAndQuote(std::move(text), letters, false);
}

QString apostrophes(QString text)
{
    return caseAndQuote(std::move(text), TagCase::AsWritten, true);
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
