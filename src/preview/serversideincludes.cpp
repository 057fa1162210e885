#include "preview/serversideincludes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace ServerSideIncludes {

namespace {

const QByteArray Open = QByteArrayLiteral("<!--#");
const QByteArray Close = QByteArrayLiteral("-->");

// The file named by FILE="..." in the parameters, found from the page's folder.
QByteArray included(const QByteArray &parameters, const QString &folder)
{
    static const QByteArray marker = QByteArrayLiteral("FILE=\"");
    const qsizetype at = parameters.toUpper().indexOf(marker);
    if (at < 0)
        return {};
    const qsizetype start = at + marker.size();
    const qsizetype end = parameters.indexOf('"', start);
    if (end < 0)
        return {};
    const QString name = QString::fromUtf8(parameters.mid(start, end - start));
    if (name.isEmpty())
        return {};
    const QFileInfo info(QDir(folder), name);
    if (!info.isFile() || !info.isReadable() || info.size() > MaxIncludeSize)
        return {};
    QFile file(info.absoluteFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // A file that grew since it was looked at is still read only up to the limit.
    return file.read(MaxIncludeSize);
}

} // namespace

bool hasDirectives(const QByteArray &page)
{
    return page.contains(Open);
}

QByteArray expand(const QByteArray &page, const Context &context)
{
    QByteArray out;
    qsizetype from = 0;
    for (;;) {
        const qsizetype open = page.indexOf(Open, from);
        const qsizetype close = open < 0 ? -1 : page.indexOf(Close, open + Open.size());
        if (close < 0) {
            out += QByteArrayView(page).sliced(from);
            return out;
        }
        const QByteArray directive = page.mid(open + Open.size(), close - open - Open.size());
        qsizetype nameEnd = 0;
        while (nameEnd < directive.size() && !QChar::isSpace(uchar(directive[nameEnd])))
            ++nameEnd;
        const QByteArray name = directive.left(nameEnd).toLower();
        out += QByteArrayView(page).sliced(from, open - from);
        if (name == "date")
            out += context.date;
        else if (name == "time")
            out += context.time;
        else if (name == "include")
            out += included(directive.mid(nameEnd), context.folder);
        else
            out += QByteArrayView(page).sliced(open, close + Close.size() - open);
        from = close + Close.size();
    }
}

} // namespace ServerSideIncludes
