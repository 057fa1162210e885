#include "helpers/font/fontcode.h"

#include "colours/namedcolours.h"

namespace FontCode {

QString startTag(const FontFields &f)
{
    QString tag = QStringLiteral("<FONT");
    if (f.faceOn)
        tag += TagAttribute::build(QStringLiteral("face"), f.faces);
    if (f.colourOn)
        tag += TagAttribute::build(QStringLiteral("color"),
                                   NamedColours::colourText(f.rgb, f.useNames));
    if (f.size >= 1 && f.size <= LargestSize)
        tag += QStringLiteral(" size=") + QString::number(f.size);
    return tag + TagReading::othersText(f.others) + u'>';
}

QString withFace(const QString &faces, const QString &chosen)
{
    return faces.isEmpty() ? chosen : faces + u';' + chosen;
}

QStringList faceNames(const QStringList &families)
{
    QStringList names;
    for (QString family : families) {
        if (const qsizetype foundry = family.indexOf(QLatin1String(" [")); foundry > 0)
            family.truncate(foundry);
        if (!names.contains(family))
            names.append(family);
    }
    return names;
}

std::optional<FontFields> read(const FoundTag &tag)
{
    if (tag.name.compare(QLatin1String("font"), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    FontFields f;
    QStringList known;
    if (const TagAttribute *face = tag.attribute(u"face"); face && face->hasValue) {
        f.faceOn = true;
        f.faces = face->value;
        known << QStringLiteral("face");
    }
    if (const TagAttribute *color = tag.attribute(u"color")) {
        const QString value = color->value.trimmed();
        if (const std::optional<std::uint32_t> rgb = NamedColours::parseColourText(value)) {
            f.colourOn = true;
            f.rgb = *rgb;
            f.useNames = !value.startsWith(u'#') && NamedColours::valueOf(value).has_value();
            known << QStringLiteral("color");
        }
    }
    if (const TagAttribute *size = tag.attribute(u"size")) {
        // "+1" and "-1" are sizes the radios cannot show: they stay as written.
        const QString value = size->value.trimmed();
        if (value.size() == 1 && value.at(0) >= u'1' && value.at(0) <= u'7') {
            f.size = value.toInt();
            known << QStringLiteral("size");
        }
    }
    for (const TagAttribute &a : tag.attributes)
        if (!known.contains(a.name, Qt::CaseInsensitive) || tag.attribute(a.name) != &a)
            f.others.append(a);
    return f;
}

} // namespace FontCode
