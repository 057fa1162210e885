#include "helpers/document/documentcode.h"

#include "colours/namedcolours.h"

namespace DocumentCode {

namespace {

struct ColourAttribute
{
    const char *name;
    std::optional<std::uint32_t> BodyFields::*field;
};

constexpr ColourAttribute Colours[] = {
    {"bgcolor", &BodyFields::back}, {"text", &BodyFields::text},   {"link", &BodyFields::link},
    {"alink", &BodyFields::alink},  {"vlink", &BodyFields::vlink},
};

} // namespace

QString build(const BodyFields &f)
{
    QString code = QStringLiteral("<BODY");
    if (!f.background.isEmpty())
        code += TagAttribute::build(QStringLiteral("background"), f.background);
    for (std::size_t i = 0; i < std::size(Colours); ++i) {
        const ColourAttribute &c = Colours[i];
        const std::optional<std::uint32_t> &rgb = f.*c.field;
        if (!rgb)
            continue;
        const QString &written = f.written[i];
        const bool keep = !written.isEmpty() && NamedColours::parseColourText(written) == rgb;
        code += TagAttribute::build(QLatin1String(c.name),
                                    keep ? written : NamedColours::colourText(*rgb, f.useNames));
    }
    return code + TagReading::othersText(f.others) + u'>';
}

std::optional<BodyFields> read(const FoundTag &tag)
{
    if (tag.name.compare(QLatin1String("body"), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    BodyFields f;
    if (const TagAttribute *a = tag.attribute(u"background"))
        f.background = a->value;
    QList<const char *> unread;
    for (std::size_t i = 0; i < std::size(Colours); ++i) {
        const ColourAttribute &c = Colours[i];
        const TagAttribute *a = tag.attribute(QLatin1String(c.name));
        if (!a)
            continue;
        const std::optional<std::uint32_t> rgb = NamedColours::parseColourText(a->value);
        if (!rgb) {
            // A colour the panel cannot show stays as it was written.
            unread.append(c.name);
            continue;
        }
        f.*c.field = rgb;
        f.written[i] = a->value;
        f.useNames = f.useNames || NamedColours::valueOf(a->value.trimmed()).has_value();
    }
    for (const TagAttribute &a :
         tag.others({"background", "bgcolor", "text", "link", "alink", "vlink"}))
        f.others.append(a);
    for (const TagAttribute &a : tag.attributes)
        for (const char *name : unread)
            if (a.name.compare(QLatin1String(name), Qt::CaseInsensitive) == 0 &&
                tag.attribute(a.name) == &a)
                f.others.append(a);
    return f;
}

} // namespace DocumentCode
