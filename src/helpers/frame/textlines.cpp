#include "helpers/frame/textlines.h"

#include "base/filebytes.h"
#include "editor/cp1252.h"

#include <QFileInfo>

namespace TextLines {

Text decode(const QByteArray &bytes)
{
    Text text;
    text.utf8 = isValidUtf8(bytes);
    QString all = text.utf8 ? QString::fromUtf8(bytes) : Cp1252::decode(bytes);
    if (text.utf8 && all.startsWith(QChar(0xFEFF))) {
        text.byteOrderMark = true;
        all.remove(0, 1);
    }
    switch (FileBytes::detectLineEnding(bytes, FileBytes::LineEnding::Lf)) {
    case FileBytes::LineEnding::CrLf:
        text.lineBreak = "\r\n";
        break;
    case FileBytes::LineEnding::Cr:
        text.lineBreak = "\r";
        break;
    case FileBytes::LineEnding::Lf:
        text.lineBreak = "\n";
        break;
    }
    qsizetype from = 0;
    const qsizetype size = all.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = all.at(i);
        if (c != u'\n' && c != u'\r')
            continue;
        text.lines << all.mid(from, i - from);
        if (c == u'\r' && i + 1 < size && all.at(i + 1) == u'\n')
            ++i;
        from = i + 1;
    }
    if (from < size)
        text.lines << all.mid(from);
    return text;
}

ReadResult read(const QString &path, Text *text, QString *reason, qint64 maxSize)
{
    *text = Text();
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return ReadResult::Missing;
    QByteArray bytes;
    if (!FileBytes::read(path, &bytes, reason, maxSize))
        return ReadResult::Failed;
    if (bytes.contains('\0')) {
        *reason = QStringLiteral("it holds binary data");
        return ReadResult::Failed;
    }
    *text = decode(bytes);
    return ReadResult::Read;
}

QByteArray encode(const Text &text)
{
    QString all;
    for (const QString &line : text.lines) {
        all += line;
        all += QString::fromLatin1(text.lineBreak);
    }
    if (!text.utf8 && Cp1252::unstorable(all).isEmpty())
        return Cp1252::fromUtf8(all.toUtf8());
    QByteArray bytes = all.toUtf8();
    if (text.byteOrderMark)
        bytes.prepend("\xEF\xBB\xBF");
    return bytes;
}

} // namespace TextLines
