#pragma once

#include "helpers/frame/tagreading.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// What the font helper's fields say, as plain data.
struct FontFields
{
    bool faceOn = false;
    QString faces; // the face list as typed: "Arial;Verdana"
    bool colourOn = false;
    std::uint32_t rgb = 0xFFFFFF;
    bool useNames = false;
    int size = 0;               // 1 to 7; 0 writes none
    QList<TagAttribute> others; // attributes of a read tag the panel does not know, kept
};

namespace FontCode {

inline constexpr int LargestSize = 7;

// `<FONT face="…" color="…" size=4>`, each part only when chosen.
QString startTag(const FontFields &fields);
inline QString endTag()
{
    return QStringLiteral("</FONT>");
}
// The face list after choosing a face from the list: appended after ";", or the whole list
// when it was empty.
QString withFace(const QString &faces, const QString &chosen);
// The family names of the font database as the list shows them: the "[foundry]" that tells
// two families of one name apart is left off, and each name comes once.
QStringList faceNames(const QStringList &families);
// The fields of a FONT tag; nothing for another tag.
std::optional<FontFields> read(const FoundTag &tag);

} // namespace FontCode
