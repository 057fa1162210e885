#include "editor/cp1252.h"

#include <cstdint>
#include <cstring>

#include <algorithm>
#include <array>

namespace {

// Bytes 0x80 to 0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

namespace Cp1252 {

QString decode(QByteArrayView bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *d = out.data();
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *d++ = QChar(u >= 0x80 && u < 0xA0 ? kHighControls[u - 0x80] : char16_t(u));
    }
    return out;
}

std::optional<char> byteOf(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == c)
            return char(0x80 + i);
    return std::nullopt;
}

QStringList unstorable(QStringView text)
{
    QStringList out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.unicode() < 0x80)
            continue;
        const bool pair =
            c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const QString character = text.mid(i, pair ? 2 : 1).toString();
        if (pair)
            ++i;
        // A lone surrogate has no character to store either.
        const bool held = !pair && !c.isSurrogate() && byteOf(c.unicode());
        if (!held && !out.contains(character))
            out << character;
    }
    return out;
}

// Both directions write through a pointer into a buffer sized once: a 50 MB page goes
// through them on every open and save.
QByteArray toUtf8(QByteArrayView bytes)
{
    qsizetype size = bytes.size();
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        if (u >= 0x80)
            size += u < 0xA0 && kHighControls[u - 0x80] >= 0x800 ? 2 : 1;
    }
    QByteArray out(size, Qt::Uninitialized);
    char *d = out.data();
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        if (u < 0x80) {
            *d++ = b;
            continue;
        }
        const char16_t c = u < 0xA0 ? kHighControls[u - 0x80] : char16_t(u);
        if (c < 0x800) {
            *d++ = char(0xC0 | (c >> 6));
        } else {
            *d++ = char(0xE0 | (c >> 12));
            *d++ = char(0x80 | ((c >> 6) & 0x3F));
        }
        *d++ = char(0x80 | (c & 0x3F));
    }
    return out;
}

QByteArray fromUtf8(QByteArrayView utf8)
{
    QByteArray out(utf8.size(), Qt::Uninitialized);
    char *d = out.data();
    const auto *p = reinterpret_cast<const unsigned char *>(utf8.data());
    const auto *end = p + utf8.size();
    while (p < end) {
        const unsigned char lead = *p++;
        if (lead < 0x80) {
            *d++ = char(lead);
            continue;
        }
        int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
        char32_t c = lead & (0x3F >> more);
        for (; more > 0 && p < end && (*p & 0xC0) == 0x80; --more)
            c = (c << 6) | (*p++ & 0x3F);
        const std::optional<char> byte = more == 0 && lead >= 0xC0 ? byteOf(c) : std::nullopt;
        *d++ = byte.value_or('?');
    }
    out.truncate(d - out.constData());
    return out;
}

} // namespace Cp1252

bool isValidUtf8(QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *end = p + bytes.size();
    while (p < end) {
        // Runs of ASCII, the bulk of a page, go eight bytes at a time.
        while (end - p >= 8) {
            std::uint64_t word;
            std::memcpy(&word, p, sizeof word);
            if (word & 0x8080808080808080ULL)
                break;
            p += 8;
        }
        if (p == end)
            break;
        const unsigned char lead = *p++;
        if (lead < 0x80)
            continue;
        int more;
        unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
        if (lead >= 0xC2 && lead <= 0xDF) {
            more = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            more = 2;
            if (lead == 0xE0)
                low = 0xA0; // overlong
            else if (lead == 0xED)
                high = 0x9F; // surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            more = 3;
            if (lead == 0xF0)
                low = 0x90; // overlong
            else if (lead == 0xF4)
                high = 0x8F; // above U+10FFFF
        } else {
            return false;
        }
        if (end - p < more || *p < low || *p > high)
            return false;
        for (int i = 1; i < more; ++i)
            if ((p[i] & 0xC0) != 0x80)
                return false;
        p += more;
    }
    return true;
}

namespace {

// How many bytes the sequence a lead byte starts takes; 1 for a byte no sequence starts with,
// which the check then refuses.
qsizetype sequenceLength(unsigned char lead)
{
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    if (lead >= 0xE0 && lead < 0xF0)
        return 3;
    if (lead >= 0xC2 && lead < 0xE0)
        return 2;
    return 1;
}

// The length of a piece without a sequence its end cuts off.
qsizetype wholeSequences(QByteArrayView piece)
{
    const qsizetype n = piece.size();
    for (qsizetype i = n - 1; i >= 0 && i >= n - 4; --i) {
        const auto byte = static_cast<unsigned char>(piece[i]);
        if ((byte & 0xC0) == 0x80)
            continue; // a continuation byte: its lead comes earlier
        return n - i < sequenceLength(byte) ? i : n;
    }
    return n;
}

} // namespace

bool Utf8PieceCheck::add(QByteArrayView piece)
{
    if (!m_valid)
        return false;
    if (!m_carry.isEmpty()) {
        const qsizetype missing =
            sequenceLength(static_cast<unsigned char>(m_carry.front())) - m_carry.size();
        const qsizetype taken = std::min(missing, piece.size());
        m_carry.append(piece.first(taken));
        piece = piece.sliced(taken);
        if (taken < missing)
            return true;
        m_valid = isValidUtf8(m_carry);
        m_carry.clear();
        if (!m_valid)
            return false;
    }
    const qsizetype whole = wholeSequences(piece);
    m_valid = isValidUtf8(piece.first(whole));
    if (m_valid)
        m_carry = piece.sliced(whole).toByteArray();
    return m_valid;
}
