#include "preview/backgroundsound.h"

#include <QDir>
#include <QRegularExpression>
#include <QUrl>

namespace BackgroundSound {

Request find(const QByteArray &page, const QString &folder)
{
    static const QRegularExpression tag(QStringLiteral(R"(<bgsound\b[^>]*>)"),
                                        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression source(
        QStringLiteral(R"re(\bsrc\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s>]+)))re"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression loop(
        QStringLiteral(R"re(\bloop\s*=\s*["']?\s*(-?\d+|infinite))re"),
        QRegularExpression::CaseInsensitiveOption);
    // Only the markup matters here; a sound name outside ASCII is read as UTF-8.
    const QString text = QString::fromUtf8(page);
    const QRegularExpressionMatch t = tag.match(text);
    if (!t.hasMatch())
        return {};
    const QString attributes = t.captured(0);
    const QRegularExpressionMatch s = source.match(attributes);
    if (!s.hasMatch())
        return {};
    QString name = s.captured(1) + s.captured(2) + s.captured(3);
    if (name.isEmpty())
        return {};
    const QUrl url(name);
    name = url.isLocalFile() ? url.toLocalFile() : QUrl::fromPercentEncoding(name.toUtf8());
    Request r;
    r.file = QDir::cleanPath(QDir(folder).absoluteFilePath(name));
    const QRegularExpressionMatch l = loop.match(attributes);
    if (l.hasMatch()) {
        const QString count = l.captured(1);
        const int n =
            count.compare(QLatin1String("infinite"), Qt::CaseInsensitive) == 0 ? -1 : count.toInt();
        r.loops = n < 0 ? -1 : qMax(1, n);
    }
    return r;
}

} // namespace BackgroundSound
