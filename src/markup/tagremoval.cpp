#include "markup/tagremoval.h"

#include "base/filebytes.h"
#include "editor/cp1252.h"

#include <QFileInfo>
#include <QHash>

#include <optional>

namespace TagRemoval {

namespace {

constexpr qsizetype LongestEntity = 8;
// The shipped table is a few kilobytes.
constexpr qint64 MaxCharTableSize = qint64(16) << 20;

QString withoutTags(const QString &text)
{
    QString out;
    out.reserve(text.size());
    qsizetype copied = 0;
    while (true) {
        const qsizetype open = text.indexOf(u'<', copied);
        const qsizetype close = open < 0 ? -1 : text.indexOf(u'>', open + 1);
        if (close < 0)
            break;
        out += QStringView(text).mid(copied, open - copied);
        copied = close + 1;
    }
    out += QStringView(text).mid(copied);
    return out;
}

// The entity texts of at most LongestEntity characters that the text holds: each "&" up to the
// first ";" after it.
QHash<QStringView, std::optional<QChar>> entitiesIn(const QString &text)
{
    QHash<QStringView, std::optional<QChar>> entities;
    qsizetype semi = -1;
    for (qsizetype amp = text.indexOf(u'&'); amp >= 0; amp = text.indexOf(u'&', amp + 1)) {
        if (semi <= amp)
            semi = text.indexOf(u';', amp + 1);
        if (semi < 0)
            break;
        if (semi - amp + 1 <= LongestEntity)
            entities.insert(QStringView(text).mid(amp, semi - amp + 1), std::nullopt);
    }
    return entities;
}

// Gives each entity the character of the first table line that holds it, or a null
// character. One pass over the table, whatever its size and however many entities there are.
void lookUp(QHash<QStringView, std::optional<QChar>> &entities, const QStringList &charTable)
{
    qsizetype pending = entities.size();
    for (const QString &line : charTable) {
        if (pending == 0)
            return;
        for (qsizetype i = line.indexOf(u'&'); i >= 0; i = line.indexOf(u'&', i + 1)) {
            for (qsizetype length = 2; length <= LongestEntity && i + length <= line.size();
                 ++length) {
                if (line.at(i + length - 1) != u';')
                    continue;
                const auto it = entities.find(QStringView(line).mid(i, length));
                if (it == entities.end() || it->has_value())
                    continue;
                // The broken bar's line shows a blank in front of its character.
                const qsizetype at = it.key().contains(u"rvbar") ? 1 : 0;
                *it = at < line.size() ? line.at(at) : QChar();
                --pending;
            }
        }
    }
}

QString withCharacters(const QString &text, const QStringList &charTable)
{
    QHash<QStringView, std::optional<QChar>> known = entitiesIn(text);
    if (known.isEmpty())
        return text;
    lookUp(known, charTable);
    QString out;
    out.reserve(text.size());
    qsizetype copied = 0;
    qsizetype from = 0;
    qsizetype semi = -1;
    while (true) {
        const qsizetype amp = text.indexOf(u'&', from);
        if (amp < 0)
            break;
        if (semi <= amp)
            semi = text.indexOf(u';', amp + 1);
        if (semi < 0)
            break;
        const QStringView entity = QStringView(text).mid(amp, semi - amp + 1);
        QChar c;
        if (entity.size() <= LongestEntity)
            c = known.value(entity).value_or(QChar());
        if (c.isNull()) {
            // An "&" that starts no known entity may still be followed by one.
            from = amp + 1;
            continue;
        }
        out += QStringView(text).mid(copied, amp - copied);
        out += c;
        copied = from = semi + 1;
    }
    out += QStringView(text).mid(copied);
    return out;
}

} // namespace

QStringList readCharTable(const QString &path, QString *problem)
{
    // A regular file of a sensible size only: a pipe or a device by that name would never end.
    QByteArray bytes;
    QString reason;
    if (!FileBytes::read(path, &bytes, &reason, MaxCharTableSize)) {
        if (problem && (QFileInfo::exists(path) || QFileInfo(path).isSymLink()))
            *problem = reason;
        return {};
    }
    // A table written by hand in the old code page reads as well as the shipped UTF-8 one.
    QString text = isValidUtf8(bytes) ? QString::fromUtf8(bytes) : Cp1252::decode(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QStringList lines = text.split(u'\n');
    for (QString &line : lines)
        if (line.endsWith(u'\r'))
            line.chop(1);
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

QString removeTags(const QString &text, const QStringList &charTable)
{
    const QString plain = withoutTags(text);
    return charTable.isEmpty() ? plain : withCharacters(plain, charTable);
}

} // namespace TagRemoval
