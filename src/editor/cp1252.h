#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Windows code page 1252, the encoding of every document that is not valid UTF-8. The five
// bytes the code page leaves undefined decode to the C1 controls of the same value, so any
// byte sequence decodes and encodes back to the very same bytes.
namespace Cp1252 {

QString decode(QByteArrayView bytes);
// A character outside the code page (a surrogate pair counts as one) becomes '?'.
QByteArray encode(QStringView text);

} // namespace Cp1252

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF, no truncated
// sequences. A byte-order mark and NUL bytes are valid.
bool isValidUtf8(QByteArrayView bytes);
