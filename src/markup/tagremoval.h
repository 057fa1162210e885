#pragma once

#include <QString>
#include <QStringList>

// Remove Tags: markup back to plain text.
namespace TagRemoval {

// The character table: the lines of library/chars, each "shown text..code". A missing or
// unusable file gives an empty table; for a file that is there but cannot serve (too large,
// not a regular file, unreadable) `problem` says why.
QStringList readCharTable(const QString &path, QString *problem = nullptr);

// Deletes every tag from "<" through the next ">" (a "<" without a later ">" keeps the rest
// as it is), then turns each entity of at most 8 characters that a table line holds into
// that line's character.
QString removeTags(const QString &text, const QStringList &charTable);

} // namespace TagRemoval
