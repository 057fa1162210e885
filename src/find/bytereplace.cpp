#include "find/bytereplace.h"

#include "editor/cp1252.h"

#include <QByteArrayMatcher>

#include <array>
#include <optional>
#include <string_view>

namespace ByteReplace {

namespace {

const QByteArray ByteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");

// The document editor's word separators; every one is ASCII, so a byte of a multi-byte
// character is never one.
constexpr std::array<bool, 256> separatorTable()
{
    std::array<bool, 256> table{};
    for (const char c : std::string_view(" \"!(),./:;<=>?[\\]{}\t\r\n"))
        table[static_cast<unsigned char>(c)] = true;
    return table;
}
constexpr std::array<bool, 256> Separators = separatorTable();

constexpr std::array<char, 256> upperTable()
{
    std::array<char, 256> table{};
    for (int i = 0; i < 256; ++i)
        table[i] = char(i >= 'a' && i <= 'z' ? i - 32 : i);
    return table;
}
constexpr std::array<char, 256> Upper = upperTable();

QByteArray asciiUpper(QByteArrayView bytes)
{
    QByteArray out(bytes.size(), Qt::Uninitialized);
    char *d = out.data();
    for (const char b : bytes)
        *d++ = Upper[static_cast<unsigned char>(b)];
    return out;
}

// The text in Windows-1252, or none when the code page cannot hold one of its characters.
std::optional<QByteArray> toCp1252(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const auto byte = c.isSurrogate() ? std::nullopt : Cp1252::byteOf(c.unicode());
        if (!byte)
            return std::nullopt;
        out += *byte;
    }
    return out;
}

bool isBoundary(int byte)
{
    return byte < 0 || Separators[static_cast<unsigned char>(byte)];
}

} // namespace

Outcome replace(QByteArrayView bytes, const Options &options)
{
    Outcome outcome;
    const QString &find = options.find;
    // The editor searches line by line: a search text with a line break never matches.
    if (find.isEmpty() || find.contains(u'\r') || find.contains(u'\n'))
        return outcome;

    const bool hasBom = bytes.startsWith(ByteOrderMark);
    const QByteArrayView text = hasBom ? bytes.sliced(ByteOrderMark.size()) : bytes;
    const bool utf8 = isValidUtf8(text);
    const auto needle = utf8 ? std::optional(find.toUtf8()) : toCp1252(find);
    if (!needle) // a character the page cannot hold is nowhere in it
        return outcome;

    // Case-blind search works on a copy upper-cased on a to z, which keeps every offset.
    const QByteArray hayCopy = options.matchCase ? QByteArray() : asciiUpper(text);
    const QByteArrayView hay = options.matchCase ? text : QByteArrayView(hayCopy);
    const QByteArray key = options.matchCase ? *needle : asciiUpper(*needle);
    const QByteArrayMatcher matcher(key);

    std::optional<QByteArray> with;
    QByteArray out;
    qsizetype copied = 0; // text before this is in out
    int lastPut = -1;     // the byte before `copied` in the text as it is by now; -1: the start
    qsizetype pos = 0;
    while ((pos = matcher.indexIn(hay, pos)) >= 0) {
        const qsizetype end = pos + key.size();
        const int before = pos > copied ? static_cast<unsigned char>(text[pos - 1]) : lastPut;
        if (options.wholeWord) {
            const int after = end < text.size() ? static_cast<unsigned char>(text[end]) : -1;
            if (!isBoundary(before) || !isBoundary(after)) {
                ++pos;
                continue;
            }
        }
        if (!with) {
            with =
                utf8 ? std::optional(options.replacement.toUtf8()) : toCp1252(options.replacement);
            if (!with) {
                outcome.failure =
                    QStringLiteral("the page is in Windows-1252, which cannot hold every "
                                   "character of the replacement text");
                return outcome;
            }
            out.reserve(bytes.size() + bytes.size() / 8);
            if (hasBom)
                out += ByteOrderMark;
        }
        out += text.sliced(copied, pos - copied);
        out += *with;
        lastPut = with->isEmpty() ? before : static_cast<unsigned char>(with->back());
        copied = pos = end;
        ++outcome.count;
    }
    if (outcome.count == 0)
        return outcome;
    out += text.sliced(copied);
    outcome.bytes = std::move(out);
    return outcome;
}

} // namespace ByteReplace
