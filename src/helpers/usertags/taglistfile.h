#pragma once

#include "helpers/frame/textlines.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <span>

// The three lists of the user tags panel.
enum class TagList { Block, Single, Library };

struct TagListRow
{
    TagList list;
    const char *label;    // the tab that shows it
    const char *fileName; // in the library folder
};

namespace TagLists {
std::span<const TagListRow> all();
const TagListRow &row(TagList list);
} // namespace TagLists

// A Block entry: the start part, "..", the end part. Without "..", the whole entry is the end
// part.
struct BlockParts
{
    QString start;
    QString end;
    static BlockParts of(const QString &entry);
};

// A line of library.dat: the item's file name, "..", its description. A line without ".."
// names no item.
struct LibraryLine
{
    QString item;
    QString description;
    static LibraryLine of(const QString &line);
    // The line again; one without an item keeps its description readable as such.
    QString text() const;
};

// One list as its file in the library folder: an entry per line, read into the rows in order
// and written as at least Rows lines (empty rows give empty lines). A longer file keeps all
// its lines. A file that cannot be read leaves the list empty and is never written over.
class TagListFile
{
public:
    static constexpr int Rows = 256;
    // More lines than a hand-kept list ever needs: refused rather than shown.
    static constexpr int MaxRows = 10000;

    explicit TagListFile(QString path);

    const QString &path() const { return m_path; }
    // Reads the file; a missing one is an empty list. False with the reason otherwise.
    bool load(QString *reason);
    // At least Rows entries.
    QStringList entries() const;
    // Why the file was not read, while it stays so.
    const std::optional<QString> &loadError() const { return m_loadError; }
    // Writes the entries when they differ from what the file holds. False with the reason
    // when the file could not be read before, or the write fails; the file is then as it was.
    bool save(const QStringList &entries, QString *reason);

private:
    QString m_path;
    TextLines::Text m_text; // as the file holds it
    std::optional<QString> m_loadError;
};
