#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Reading and writing document files byte for byte. Only regular files are read or written:
// a device or a pipe is refused before anything is read from it. A write is complete on the
// disk, flushed and checked before it replaces the old file, so a failed save (a full disk
// too) leaves the old file whole. The old file's permissions and owner are kept; where a
// replace would break something (a folder we may not write in, a file with several hard
// links, an owner we cannot give back), the file is written in place after a safety copy.
namespace FileBytes {

// Larger files are refused: the editor addresses its text with 32-bit positions.
inline constexpr qint64 MaxSize = qint64(1) << 30;

// On failure returns false and sets a readable reason.
bool read(const QString &path, QByteArray *bytes, QString *reason, qint64 maxSize = MaxSize);
bool write(const QString &path, const QByteArrayView &bytes, QString *reason);

// The words for a failed system call's error number, e.g. "the disk is full".
QString describeError(int error);

enum class LineEnding { CrLf, Lf, Cr };
// The ending of the first line break in the text; fallback when there is none.
LineEnding detectLineEnding(const QByteArrayView &bytes, LineEnding fallback = LineEnding::CrLf);

} // namespace FileBytes
