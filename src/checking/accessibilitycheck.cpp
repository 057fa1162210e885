#include "checking/accessibilitycheck.h"

#include <QSet>

namespace {

// Buttons carry their own caption and a hidden field is never seen.
bool needsLabel(const ScannedTag &tag)
{
    if (tag.name == QLatin1String("select") || tag.name == QLatin1String("textarea"))
        return true;
    if (tag.name != QLatin1String("input"))
        return false;
    const ScannedAttribute *type = tag.attribute(QLatin1StringView("type"));
    const QString t = type ? type->value.trimmed().toLower() : QString();
    static const QSet<QString> captioned = {QStringLiteral("hidden"), QStringLiteral("submit"),
                                            QStringLiteral("reset"), QStringLiteral("button"),
                                            QStringLiteral("image")};
    return !captioned.contains(t);
}

bool namedByItself(const ScannedTag &tag)
{
    for (const char *name : {"aria-label", "aria-labelledby", "title"})
        if (const ScannedAttribute *a = tag.attribute(QLatin1StringView(name));
            a && !a->value.trimmed().isEmpty())
            return true;
    return false;
}

} // namespace

void checkAccessibility(const QList<ScannedTag> &tags, const TextPlaces &places,
                        QList<PageProblem> &problems)
{
    QSet<QString> labelled;
    for (const ScannedTag &tag : tags)
        if (!tag.end && tag.name == QLatin1String("label"))
            if (const ScannedAttribute *f = tag.attribute(QLatin1StringView("for")))
                labelled.insert(f->value.trimmed());

    int openLabels = 0;
    for (const ScannedTag &tag : tags) {
        if (tag.name == QLatin1String("label")) {
            openLabels = qMax(0, openLabels + (tag.end ? -1 : 1));
            continue;
        }
        if (tag.end)
            continue;
        const auto place = places.at(tag.offset);
        if (tag.name == QLatin1String("img") && !tag.attribute(QLatin1StringView("alt"))) {
            problems.append({place.line, place.column, PageProblem::Kind::Warning,
                             QStringLiteral("the image has no alt text")});
            continue;
        }
        if (!needsLabel(tag) || openLabels > 0 || namedByItself(tag))
            continue;
        const ScannedAttribute *id = tag.attribute(QLatin1StringView("id"));
        if (id && labelled.contains(id->value.trimmed()))
            continue;
        problems.append({place.line, place.column, PageProblem::Kind::Warning,
                         QStringLiteral("the form control <%1> has no label").arg(tag.name)});
    }
}
