#include "checking/localreferences.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

namespace {

bool namesAFile(const QString &attribute)
{
    return attribute == QLatin1String("src") || attribute == QLatin1String("href") ||
           attribute == QLatin1String("background") || attribute == QLatin1String("data");
}

bool hasScheme(const QString &value)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:"));
    return scheme.match(value).hasMatch();
}

// Values a server or a template fills in later ("{{page}}", "<?php ... ?>", "${x}") are no
// file names yet.
bool isFilledInLater(const QString &value)
{
    return value.contains(QLatin1String("{{")) || value.contains(QLatin1String("<?")) ||
           value.contains(QLatin1String("${")) || value.contains(QLatin1String("<%"));
}

// The path of a "/" address below the site's folder, as a browser resolves it: "." and ".."
// fall away, and ".." never climbs above the site's root.
QString withinSite(QStringView path)
{
    QStringList kept;
    for (const QStringView segment : path.split(u'/')) {
        if (segment == u"..") {
            if (!kept.isEmpty())
                kept.removeLast();
        } else if (!segment.isEmpty() && segment != u".") {
            kept << segment.toString();
        }
    }
    return kept.join(u'/');
}

// The local path a reference names, or empty when it names none that can be checked.
QString localPath(QString value, const ReferenceBase &base)
{
    value = value.trimmed();
    if (value.isEmpty() || value.startsWith(u'#') || value.startsWith(QLatin1String("//")) ||
        isFilledInLater(value))
        return {};
    if (hasScheme(value)) {
        const QUrl url(value);
        return url.isLocalFile() ? url.toLocalFile() : QString();
    }
    value = value.left(value.indexOf(u'#')).left(value.indexOf(u'?'));
    value = QUrl::fromPercentEncoding(value.toUtf8());
    if (value.isEmpty())
        return {};
    if (value.startsWith(u'/'))
        return base.siteRoot.isEmpty() ? QString()
                                       : QDir::cleanPath(base.siteRoot + u'/' + withinSite(value));
    // Cleaned as a browser resolves an address: "a/../b" needs no folder "a".
    return base.folder.isEmpty() ? QString() : QDir::cleanPath(base.folder + u'/' + value);
}

// A name in the same folder that differs only in letter case, to say what was meant.
QString caseTwin(const QString &path)
{
    const QFileInfo info(path);
    const QDir folder = info.dir();
    if (!folder.exists())
        return {};
    const QString name = info.fileName();
    for (const QString &entry : folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System))
        if (entry.compare(name, Qt::CaseInsensitive) == 0 && entry != name)
            return entry;
    return {};
}

} // namespace

void checkLocalReferences(const QList<ScannedTag> &tags, const TextPlaces &places,
                          const ReferenceBase &base, QList<PageProblem> &problems)
{
    for (const ScannedTag &tag : tags)
        if (!tag.end && tag.name == QLatin1String("base") &&
            tag.attribute(QLatin1StringView("href")))
            return;
    for (const ScannedTag &tag : tags) {
        if (tag.end)
            continue;
        for (const ScannedAttribute &a : tag.attributes) {
            if (!a.hasValue || !namesAFile(a.name))
                continue;
            const QString path = localPath(a.value, base);
            if (path.isEmpty() || QFileInfo::exists(path))
                continue;
            const auto place = places.at(a.valueOffset);
            QString message = QStringLiteral("\"%1\" is not there").arg(a.value.trimmed());
            const QString twin = caseTwin(path);
            if (!twin.isEmpty())
                message += QStringLiteral(" (there is \"%1\": letter case counts)").arg(twin);
            problems.append({place.line, place.column, PageProblem::Kind::Error, message});
        }
    }
}
