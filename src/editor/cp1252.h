#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// Windows code page 1252, the encoding of every document that is not valid UTF-8. The five
// bytes the code page leaves undefined decode to the C1 controls of the same value, so any
// byte sequence decodes and encodes back to the very same bytes.
namespace Cp1252 {

QString decode(QByteArrayView bytes);
// The code page's byte for a character; none for a character it cannot hold.
std::optional<char> byteOf(char32_t c);
// The characters of a text that the code page cannot hold, each once, in the order they
// first appear; a surrogate pair is one character.
QStringList unstorable(QStringView text);

// The document editor keeps a Windows-1252 page as UTF-8: every byte becomes its character,
// and back. Characters outside the code page never reach a page (the editor refuses them);
// should one be there, it becomes '?'.
QByteArray toUtf8(QByteArrayView bytes);
QByteArray fromUtf8(QByteArrayView utf8);

} // namespace Cp1252

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF, no truncated
// sequences. A byte-order mark and NUL bytes are valid.
bool isValidUtf8(QByteArrayView bytes);

// The same check over a text that arrives in pieces: a sequence split between two pieces is
// judged whole.
class Utf8PieceCheck
{
public:
    bool add(QByteArrayView piece); // false once anything so far is not UTF-8
    bool finish() const { return m_valid && m_carry.isEmpty(); }

private:
    QByteArray m_carry; // the start of a sequence cut off at the end of the last piece
    bool m_valid = true;
};
