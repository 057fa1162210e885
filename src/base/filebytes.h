#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <optional>

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
// Reads as read() does, handing the file to `take` in pieces of pieceSize bytes (the last may
// be shorter), so that a large file is never held whole beside what it is read into.
using PieceSink = std::function<void(QByteArrayView piece)>;
bool readPieces(const QString &path, qsizetype pieceSize, const PieceSink &take, QString *reason,
                qint64 maxSize = MaxSize);

// Whether read() could read the file, told without reading it: false with the reason (the
// words read() would give) for a missing file, a folder, a device, a pipe, a file too large or
// one that may not be read.
bool isReadable(const QString &path, QString *reason, qint64 maxSize = MaxSize);

// For the program's own files (journal, previews): the name is looked at without following a
// link, and only a regular file is read.
bool readOwn(const QString &path, QByteArray *bytes, QString *reason, qint64 maxSize = MaxSize);
// Writes a new file beside the name with exactly this mode (0600 for the journal; a preview
// takes its page's mode), flushes it and renames it to the name. Whatever the name held (a
// link, a file with other hard links) is replaced, never written through.
bool writeFresh(const QString &path, const QByteArrayView &bytes, int mode, QString *reason);

// The words for a failed system call's error number, e.g. "the disk is full".
QString describeError(int error);

enum class LineEnding { CrLf, Lf, Cr };
// The ending of the first line break in the text; fallback when there is none.
LineEnding detectLineEnding(const QByteArrayView &bytes, LineEnding fallback = LineEnding::CrLf);

// The same, told from the text's pieces in order: a CR at the end of one piece and an LF at
// the start of the next are one CR LF.
class LineEndingScan
{
public:
    void add(QByteArrayView piece);
    LineEnding result(LineEnding fallback) const;

private:
    std::optional<LineEnding> m_found;
    bool m_crAtEnd = false;
};

} // namespace FileBytes
