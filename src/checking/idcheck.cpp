#include "checking/idcheck.h"

#include <QHash>
#include <QUrl>

void checkIds(const QList<ScannedTag> &tags, const TextPlaces &places, QList<PageProblem> &problems)
{
    QHash<QString, int> firstLine;
    for (const ScannedTag &tag : tags) {
        if (tag.end)
            continue;
        for (const ScannedAttribute &a : tag.attributes) {
            const bool anchorName =
                a.name == QLatin1String("name") && tag.name == QLatin1String("a");
            if ((a.name != QLatin1String("id") && !anchorName) || a.value.isEmpty())
                continue;
            const auto place = places.at(a.valueOffset);
            const auto seen = firstLine.constFind(a.value);
            if (seen == firstLine.cend())
                firstLine.insert(a.value, place.line);
            else if (a.name == QLatin1String("id"))
                problems.append({place.line, place.column, PageProblem::Kind::Error,
                                 QStringLiteral("the id \"%1\" is already used on line %2")
                                     .arg(a.value)
                                     .arg(seen.value())});
        }
    }
    for (const ScannedTag &tag : tags) {
        if (tag.end)
            continue;
        const ScannedAttribute *href = tag.attribute(QLatin1StringView("href"));
        if (!href || !href->value.startsWith(u'#') || tag.name == QLatin1String("base"))
            continue;
        const QString target = QUrl::fromPercentEncoding(href->value.mid(1).toUtf8());
        if (target.isEmpty() || target.compare(QLatin1String("top"), Qt::CaseInsensitive) == 0 ||
            firstLine.contains(target))
            continue;
        const auto place = places.at(href->valueOffset);
        problems.append({place.line, place.column, PageProblem::Kind::Error,
                         QStringLiteral("the page has no id \"%1\"").arg(target)});
    }
}
