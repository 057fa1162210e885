#include "checking/textplaces.h"

#include <algorithm>

TextPlaces::TextPlaces(QStringView text) : m_text(text)
{
    m_lineStarts.push_back(0);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        if (c == u'\n' || c == u'\r')
            m_lineStarts.push_back(i + 1);
    }
}

TextPlaces::Place TextPlaces::at(qsizetype offset) const
{
    offset = std::clamp<qsizetype>(offset, 0, m_text.size());
    const auto next = std::upper_bound(m_lineStarts.begin(), m_lineStarts.end(), offset);
    const qsizetype start = *(next - 1);
    int column = 1;
    for (qsizetype i = start; i < offset; ++i)
        if (!m_text[i].isLowSurrogate())
            ++column;
    return {int(next - m_lineStarts.begin()), column};
}
