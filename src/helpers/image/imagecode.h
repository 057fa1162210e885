#pragma once

#include "helpers/frame/tagreading.h"

#include <QSize>
#include <QString>

#include <optional>

// What the image helper's fields say, as plain data.
struct ImageFields
{
    QString reference;           // the picture's reference (the path rule's form), or empty
    bool background = false;     // "background=": the attribute alone, nothing else
    QString align;               // empty or "default": no align attribute
    bool sizeAttributes = false; // "height and width"
    QSize size;                  // the picture's size; invalid gives no size attributes
    std::optional<QString> hspace, vspace, alt; // off, or the value (the panel's is empty)
    QString border = QStringLiteral("0");       // exactly "1" gives no border attribute
    QList<TagAttribute> others;                 // attributes the panel does not know, kept
};

namespace ImageCode {

// `<IMG src="…" align width height hspace vspace border alt …>`, or `background="…"`.
QString build(const ImageFields &fields);
// The fields of an IMG tag; nothing for another tag.
std::optional<ImageFields> read(const FoundTag &tag);

} // namespace ImageCode
