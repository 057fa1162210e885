#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

// The project file (".qpj"): the list of a project's files, one full path a line, nothing
// else. Lines may end in CR, LF or CR LF when read; a final line break makes no extra entry,
// and an empty line is an entry with an empty path. Written with CR LF after every line and
// the paths in UTF-8; a file that is not valid UTF-8 was written by an older editor in
// Windows-1252 and is read as such. Paths are compared exactly: letter case counts.
namespace ProjectFile {

// Project files are lists of paths: anything larger is not one.
inline constexpr qint64 MaxSize = qint64(16) << 20;

QStringList parse(QByteArrayView bytes);
QByteArray serialise(const QStringList &entries);

// On failure false, with a reason in words; the list is then left as it was.
bool read(const QString &path, QStringList *entries, QString *reason);
// Replaces the file as a whole: a failed write leaves the old file intact.
bool write(const QString &path, const QStringList &entries, QString *reason);
// Adds an entry at the end of the project file, creating the file when it does not exist;
// an entry it holds already is not added again (false in *added then).
bool append(const QString &path, const QString &entry, bool *added, QString *reason);

} // namespace ProjectFile
