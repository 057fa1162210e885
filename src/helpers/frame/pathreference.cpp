#include "helpers/frame/pathreference.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace PathRule {

namespace {

// Percent-encodes what a URL path may not hold (blanks, "#", "?", "%", non-ASCII letters as
// UTF-8), keeping "/" and the letter case. "&" and "'" are encoded too: in an attribute value
// they could start an entity or end a value quoted with apostrophes.
QString encodedPath(const QString &path)
{
    QString encoded = QString::fromLatin1(QUrl::toPercentEncoding(path, "/!$()*+,;=:@~"));
    // A first segment with a colon would read as a scheme ("c:x.gif").
    const qsizetype slash = encoded.indexOf(u'/');
    if (encoded.left(slash < 0 ? encoded.size() : slash).contains(u':'))
        encoded.prepend(QStringLiteral("./"));
    return encoded;
}

PathReference absolute(const QString &file)
{
    QString url = QUrl::fromLocalFile(QDir::cleanPath(file)).toString(QUrl::FullyEncoded);
    url.replace(u'&', QLatin1String("%26")).replace(u'\'', QLatin1String("%27"));
    return {url, QDir::cleanPath(file)};
}

} // namespace

PathReference reference(const QString &file, const QString &document, PathMode mode)
{
    if (file.isEmpty())
        return {};
    if (mode == PathMode::None) {
        const QString name = encodedPath(QFileInfo(file).fileName());
        return {name, name};
    }
    if (mode == PathMode::Absolute || document.isEmpty() || !QDir::isAbsolutePath(document))
        return absolute(file);
    const QString relative = QFileInfo(document).dir().relativeFilePath(file);
    if (QDir::isAbsolutePath(relative))
        return absolute(file);
    const QString encoded = encodedPath(relative);
    return {encoded, encoded};
}

QString resolve(const QString &reference, const QString &document, PathMode *mode)
{
    const QUrl url(reference.trimmed(), QUrl::TolerantMode);
    if (!url.isValid())
        return {};
    if (url.isLocalFile()) {
        if (mode)
            *mode = PathMode::Absolute;
        return QDir::cleanPath(url.toLocalFile());
    }
    if (!url.scheme().isEmpty() || !url.host().isEmpty() || url.path().isEmpty())
        return {};
    if (mode)
        *mode = PathMode::Relative;
    if (document.isEmpty() || !QDir::isAbsolutePath(document))
        return {};
    const QString path = url.path(QUrl::FullyDecoded);
    // "/img/a.gif" starts at the web site's root, which the page does not tell.
    if (QDir::isAbsolutePath(path))
        return {};
    return QDir::cleanPath(QFileInfo(document).dir().absoluteFilePath(path));
}

} // namespace PathRule
