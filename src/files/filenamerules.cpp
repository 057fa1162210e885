#include "files/filenamerules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <sys/stat.h>

namespace FileNameRules {

QString saveAsName(const QString &chosen, const QString &defExt)
{
    if (chosen.endsWith(u'.'))
        return chosen.chopped(1);
    if (QFileInfo(chosen).fileName().contains(u'.'))
        return chosen;
    return chosen +
           (defExt == QLatin1String("html") ? QStringLiteral(".html") : QStringLiteral(".htm"));
}

bool sameFile(const QString &a, const QString &b)
{
    if (a == b)
        return true;
    // An Untitled name is no path.
    if (!QFileInfo(a).isAbsolute() || !QFileInfo(b).isAbsolute())
        return false;
    struct stat sa, sb;
    if (::stat(QFile::encodeName(a).constData(), &sa) != 0 ||
        ::stat(QFile::encodeName(b).constData(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool isProjectFile(const QString &name)
{
    return QFileInfo(name).suffix().compare(QLatin1String("qpj"), Qt::CaseInsensitive) == 0;
}

QString qtFilter(const QString &stored)
{
    const QStringList parts = stored.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (QString pattern : parts[i + 1].split(u';', Qt::SkipEmptyParts)) {
            pattern = pattern.trimmed();
            // "*.*" would hide files without an extension here.
            if (pattern == QLatin1String("*.*"))
                pattern = QStringLiteral("*");
            if (!pattern.isEmpty() && !patterns.contains(pattern))
                patterns << pattern;
        }
        if (patterns.isEmpty())
            continue;
        // Parentheses in the description would be read as the pattern list.
        QString description = parts[i].trimmed();
        description.replace(u'(', u'[').replace(u')', u']');
        filters << QStringLiteral("%1 (%2)").arg(description, patterns.join(u' '));
    }
    return filters.join(QStringLiteral(";;"));
}

QString fullPath(const QString &name)
{
    return QDir::cleanPath(QFileInfo(name).absoluteFilePath());
}

} // namespace FileNameRules
