#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// A start or end tag as the page's own scan reads it: names in lower case, each attribute
// with its value and where the value starts, so that a problem with a value is shown there.
struct ScannedAttribute
{
    QString name;
    QString value;
    qsizetype valueOffset = 0; // of the value's first character (inside the quotes)
    bool hasValue = false;
};

struct ScannedTag
{
    QString name;
    qsizetype offset = 0;    // of the '<'
    qsizetype endOffset = 0; // just after the '>' (or the end of the text)
    bool end = false;
    QList<ScannedAttribute> attributes;

    const ScannedAttribute *attribute(QLatin1StringView name) const;
};

// The tags of a page in order. Comments, declarations and processing instructions are passed
// over, and so is the text of script, style, textarea and title, which holds no tags. A tag
// cut off by the end of the text is taken as far as it goes.
QList<ScannedTag> scanTags(QStringView text);
