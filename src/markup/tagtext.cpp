#include "markup/tagtext.h"

namespace TagText {

QString asciiUpper(QString text)
{
    for (QChar &c : text)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
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
