#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Reading and writing document files byte for byte. A write goes to a temporary file that
// replaces the old one only when complete, so a failed save leaves the old file whole; the
// old file's permissions are kept.
namespace FileBytes {

// Larger files are refused: the editor addresses its text with 32-bit positions.
inline constexpr qint64 MaxSize = qint64(1) << 30;

// On failure returns false and sets a readable reason.
bool read(const QString &path, QByteArray *bytes, QString *reason);
bool write(const QString &path, const QByteArrayView &bytes, QString *reason);

enum class LineEnding { CrLf, Lf, Cr };
// The ending of the first line break in the text; fallback when there is none.
LineEnding detectLineEnding(const QByteArrayView &bytes, LineEnding fallback = LineEnding::CrLf);

} // namespace FileBytes
