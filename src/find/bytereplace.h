#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Replacing a text in one file's bytes, matching as Find and Replace does in a document: no
// match across a line break, case compared on a to z only, whole words bounded by the
// editor's separators, a line break or either end of the text. The file keeps its encoding
// (valid UTF-8, else Windows-1252), its byte-order mark and its line breaks: only the bytes
// of each hit change. Needs no file and no widget, so it runs on any thread.
namespace ByteReplace {

struct Options
{
    QString find;
    QString replacement;
    bool wholeWord = false;
    bool matchCase = false;
};

struct Outcome
{
    QByteArray bytes; // the new content; empty when nothing was replaced
    qsizetype count = 0;
    // Set when the file cannot take the replacement; the file must then stay as it is.
    QString failure;
};

// Every hit from the start to the end, left to right; text put in is never searched again.
Outcome replace(QByteArrayView bytes, const Options &options);

} // namespace ByteReplace
