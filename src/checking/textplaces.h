#pragma once

#include <QStringView>

#include <vector>

// Turns offsets into a text (UTF-16 code units) into lines and columns counted from 1, the
// column in characters. A line ends at LF, CR LF or a lone CR, as the editor counts lines.
class TextPlaces
{
public:
    explicit TextPlaces(QStringView text);

    struct Place
    {
        int line;
        int column;
    };
    Place at(qsizetype offset) const;

private:
    QStringView m_text;
    std::vector<qsizetype> m_lineStarts;
};
