#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The small text files of the helper panels (the user tag lists, the character table) as
// lines. Valid UTF-8 is read as UTF-8, anything else as Windows-1252, the code page such files
// were once written in; the line break and a byte-order mark are remembered, so that a file
// written back keeps them.
namespace TextLines {

// Larger files are refused: these are lists a user types by hand.
inline constexpr qint64 MaxSize = qint64(4) << 20;

struct Text
{
    QStringList lines;
    bool utf8 = true; // else Windows-1252
    bool byteOrderMark = false;
    QByteArray lineBreak = "\n";
};

enum class ReadResult { Read, Missing, Failed };

// A missing file reads as no lines. A file that is not a regular one, too large, unreadable or
// holding binary data (a NUL byte) fails with the reason in words.
ReadResult read(const QString &path, Text *text, QString *reason, qint64 maxSize = MaxSize);
// The lines split at CR LF, LF or CR; a final line break ends the last line.
Text decode(const QByteArray &bytes);
// Each line ended by the text's line break. A Windows-1252 text holding a character the code
// page has not becomes UTF-8 as a whole.
QByteArray encode(const Text &text);

} // namespace TextLines
