#include "projects/projectfile.h"

#include "base/filebytes.h"
#include "editor/cp1252.h"

#include <QFileInfo>

namespace ProjectFile {

QStringList parse(QByteArrayView bytes)
{
    const QString text = isValidUtf8(bytes) ? QString::fromUtf8(bytes) : Cp1252::decode(bytes);
    QStringList entries;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        entries.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        entries.append(text.mid(start));
    // A byte-order mark written by another editor is no part of the first path.
    if (!entries.isEmpty() && entries.front().startsWith(QChar(0xFEFF)))
        entries.front().remove(0, 1);
    return entries;
}

QByteArray serialise(const QStringList &entries)
{
    QByteArray bytes;
    for (const QString &entry : entries) {
        bytes += entry.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

bool read(const QString &path, QStringList *entries, QString *reason)
{
    QByteArray bytes;
    if (!FileBytes::read(path, &bytes, reason, MaxSize))
        return false;
    if (bytes.contains('\0')) {
        *reason = QStringLiteral("it is not a project file (it holds binary data)");
        return false;
    }
    *entries = parse(bytes);
    return true;
}

bool write(const QString &path, const QStringList &entries, QString *reason)
{
    return FileBytes::write(path, serialise(entries), reason);
}

bool append(const QString &path, const QString &entry, bool *added, QString *reason)
{
    QStringList entries;
    if (QFileInfo::exists(path) && !read(path, &entries, reason))
        return false;
    *added = !entries.contains(entry);
    if (!*added)
        return true;
    entries.append(entry);
    return write(path, entries, reason);
}

} // namespace ProjectFile
