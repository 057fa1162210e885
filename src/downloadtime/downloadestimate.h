#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <span>

// How long a page and the files it names take to download at the usual line speeds. Files
// are only measured: nothing is read beyond their size and nothing is written.
namespace DownloadEstimate {

struct LineSpeed
{
    const char *speed; // first heading line, "14.4 k"
    const char *kind;  // second heading line, "modem"
    int bytesPerSecond;
};

// The eleven speeds, slowest first.
std::span<const LineSpeed> lineSpeeds();

enum class FileState { Found, Missing, Unreadable };

struct FileRow
{
    QString name; // the file name alone; the document's name for the page itself
    QString path; // where it was looked for; empty for the page and for web addresses
    FileState state = FileState::Missing;
    qint64 size = -1; // bytes; -1 unless found
};

// The values of every double-quoted background and src attribute of the page, line by line,
// the background values of a line before its src values. Attribute names match in any letter
// case; a value without its closing quote on the same line is left out.
QStringList references(const QString &text);

// The full path a reference stands for, seen from the page's folder: file URLs give their
// path, relative references are joined to the folder. Empty for web addresses and for
// relative references when the page has no folder (never saved).
QString resolve(const QString &reference, const QString &pageFolder);

// The file name part of a reference ("b.gif" for "../img/b.gif?x=1").
QString fileName(const QString &reference);

// The page's own row (its bytes as they would be saved) followed by one row per reference in
// the page's order; a file named twice gets two rows.
QList<FileRow> measure(const QString &documentName, qint64 documentBytes, const QString &text,
                       const QString &pageFolder);

// The sum of the rows whose files were found.
qint64 totalSize(const QList<FileRow> &rows);

// H:MM:SS for the time `bytes` take at `rate` bytes per second; seconds rounded to the
// nearest one, or cut off when `roundSeconds` is false. Below a hundredth of a second: 0:00:00.
QString timeText(qint64 bytes, int rate, bool roundSeconds);

// The size in megabytes, kilobytes (one decimal) and bytes, with thousands separators.
QStringList sizeLines(qint64 bytes);

} // namespace DownloadEstimate
