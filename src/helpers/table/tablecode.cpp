#include "helpers/table/tablecode.h"

#include "colours/namedcolours.h"

namespace TableCode {

namespace {

const QString Break = QStringLiteral("\n");

QString attribute(const char *name, const QString &value)
{
    return TagAttribute::build(QLatin1String(name), value);
}

QString size(const char *name, const QString &value, bool percent)
{
    return value.isEmpty() ? QString() : attribute(name, percent ? value + u'%' : value);
}

std::optional<int> number(const TagAttribute *a)
{
    if (!a || !a->hasValue)
        return std::nullopt;
    bool ok = false;
    const int v = a->value.trimmed().toInt(&ok);
    return ok && v >= 0 ? std::optional<int>(v) : std::nullopt;
}

// A width or height as the fields hold it: digits, with "%" apart.
bool readSize(const TagAttribute *a, QString &value, bool &percent)
{
    if (!a)
        return true;
    QString v = a->value.trimmed();
    percent = v.endsWith(u'%');
    if (percent)
        v.chop(1);
    bool ok = false;
    const int n = v.toInt(&ok);
    if (!ok || n < 1 || (percent && n > 100))
        return false;
    value = QString::number(n);
    return true;
}

bool oneOf(const QString &value, std::initializer_list<const char *> choices)
{
    for (const char *c : choices)
        if (value.compare(QLatin1String(c), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace

std::optional<TableParts> build(const TableFields &f)
{
    const QString width = size("width", f.width, f.widthPercent);
    const QString height = size("height", f.height, f.heightPercent);
    const QString bgcolor =
        f.colour ? attribute("bgcolor", NamedColours::colourText(*f.colour, f.useNames))
                 : QString();
    const bool centred = f.mode == TableMode::Table && f.align == QLatin1String("center");
    const QString align = f.align.isEmpty() || centred ? QString() : attribute("align", f.align);
    const QString valign = f.valign.isEmpty() ? QString() : attribute("valign", f.valign);
    const QString others = TagReading::othersText(f.others);
    TableParts parts;
    switch (f.mode) {
    case TableMode::Table: {
        const QString spacing =
            f.spaceRow == 2 ? QString() : attribute("cellspacing", QString::number(f.spaceRow));
        const QString padding =
            f.items == 2 ? QString() : attribute("cellpadding", QString::number(f.items));
        const QString border = attribute("border", QString::number(f.borderCol));
        parts.tag = QStringLiteral("<TABLE") + width + height + bgcolor + align + valign + spacing +
                    padding + border + others + u'>';
        parts.start = parts.tag + Break;
        if (f.captionNowrap)
            parts.start += (f.belowTable ? QStringLiteral("<CAPTION align=\"bottom\"></CAPTION>")
                                         : QStringLiteral("<CAPTION></CAPTION>")) +
                           Break;
        parts.end = Break + QStringLiteral("</TABLE>");
        if (centred) {
            parts.start.prepend(QStringLiteral("<CENTER>") + Break);
            parts.end += Break + QStringLiteral("</CENTER>");
        }
        return parts;
    }
    case TableMode::Row: {
        if (f.items <= 0)
            return std::nullopt;
        parts.tag = QStringLiteral("<TR") + align + valign + bgcolor + others + u'>';
        const QString rowEnd = f.endTr ? Break + QStringLiteral("</TR>") : QString();
        parts.start = parts.tag + Break;
        parts.end = rowEnd;
        for (int i = 1; i < f.items; ++i)
            parts.end += Break + parts.tag + Break + rowEnd;
        return parts;
    }
    case TableMode::Cell: {
        if (f.items <= 0)
            return std::nullopt;
        const QString colspan =
            f.borderCol > 0 ? attribute("colspan", QString::number(f.borderCol)) : QString();
        const QString rowspan =
            f.spaceRow > 0 ? attribute("rowspan", QString::number(f.spaceRow)) : QString();
        const QString nowrap = f.captionNowrap ? QStringLiteral(" nowrap") : QString();
        parts.tag = QStringLiteral("<TD") + width + height + bgcolor + colspan + rowspan + align +
                    valign + nowrap + others + u'>';
        const QString cellEnd = f.endTd ? QStringLiteral("</TD>") : QString();
        parts.start = parts.tag;
        parts.end = cellEnd;
        for (int i = 1; i < f.items; ++i)
            parts.end += Break + parts.tag + cellEnd;
        return parts;
    }
    }
    return std::nullopt;
}

std::optional<TableFields> read(const FoundTag &tag)
{
    TableFields f;
    QStringList known{QStringLiteral("bgcolor"), QStringLiteral("align"), QStringLiteral("valign")};
    if (tag.name.compare(QLatin1String("table"), Qt::CaseInsensitive) == 0) {
        f.mode = TableMode::Table;
        // No border attribute draws none.
        f.borderCol = 0;
        if (const auto v = number(tag.attribute(u"border")); v || !tag.attribute(u"border")) {
            f.borderCol = v.value_or(0);
            known << QStringLiteral("border");
        }
        if (const auto v = number(tag.attribute(u"cellspacing"))) {
            f.spaceRow = *v;
            known << QStringLiteral("cellspacing");
        }
        if (const auto v = number(tag.attribute(u"cellpadding"))) {
            f.items = *v;
            known << QStringLiteral("cellpadding");
        } else if (!tag.attribute(u"cellpadding")) {
            f.items = 2; // writes none
        }
    } else if (tag.name.compare(QLatin1String("tr"), Qt::CaseInsensitive) == 0) {
        f.mode = TableMode::Row;
    } else if (tag.name.compare(QLatin1String("td"), Qt::CaseInsensitive) == 0) {
        f.mode = TableMode::Cell;
        f.borderCol = f.spaceRow = 0;
        if (const auto v = number(tag.attribute(u"colspan"))) {
            f.borderCol = *v;
            known << QStringLiteral("colspan");
        }
        if (const auto v = number(tag.attribute(u"rowspan"))) {
            f.spaceRow = *v;
            known << QStringLiteral("rowspan");
        }
        if (const TagAttribute *a = tag.attribute(u"nowrap"); a && !a->hasValue) {
            f.captionNowrap = true;
            known << QStringLiteral("nowrap");
        }
    } else {
        return std::nullopt;
    }
    if (f.mode != TableMode::Row) {
        if (readSize(tag.attribute(u"width"), f.width, f.widthPercent))
            known << QStringLiteral("width");
        if (readSize(tag.attribute(u"height"), f.height, f.heightPercent))
            known << QStringLiteral("height");
    }
    if (const TagAttribute *a = tag.attribute(u"bgcolor")) {
        f.colour = NamedColours::parseColourText(a->value);
        f.useNames = f.colour && NamedColours::valueOf(a->value.trimmed()).has_value();
        if (!f.colour)
            known.removeOne(QStringLiteral("bgcolor"));
    }
    if (const TagAttribute *a = tag.attribute(u"align")) {
        const bool table = f.mode == TableMode::Table;
        if (oneOf(a->value, {"left", "right"}) || (!table && oneOf(a->value, {"center"})))
            f.align = a->value.toLower();
        else
            known.removeOne(QStringLiteral("align"));
    }
    if (const TagAttribute *a = tag.attribute(u"valign")) {
        if (oneOf(a->value, {"top", "bottom", "middle", "baseline"}))
            f.valign = a->value.toLower();
        else
            known.removeOne(QStringLiteral("valign"));
    }
    for (const TagAttribute &a : tag.attributes)
        if (!known.contains(a.name, Qt::CaseInsensitive) || tag.attribute(a.name) != &a)
            f.others.append(a);
    return f;
}

QString sizeProblem(const QString &what, const QString &value, bool percent)
{
    if (value.isEmpty())
        return {};
    bool ok = false;
    const int n = value.toInt(&ok);
    if (percent && ok && n > 100)
        return what + QStringLiteral(" cannot exceed 100%");
    // A size in pixels: no screen is wider; the typed digits are refused whole, never cut.
    if (!percent && (value.size() > 9 || (ok && n > MaxPixels)))
        return what + QStringLiteral(" cannot exceed %1").arg(MaxPixels);
    if (!ok || n < 1)
        return what + (percent ? QStringLiteral(" cannot be less than 1%")
                               : QStringLiteral(" cannot be less than 1"));
    return {};
}

} // namespace TableCode
