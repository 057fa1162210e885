#include "helpers/usertags/taglistfile.h"

#include "base/filebytes.h"

#include <array>

namespace TagLists {

namespace {
constexpr std::array<TagListRow, 3> Rows{{
    {TagList::Block, "Block", "tags.dat"},
    {TagList::Single, "Single", "fillers.dat"},
    {TagList::Library, "Mult Line", "library.dat"},
}};
} // namespace

std::span<const TagListRow> all()
{
    return Rows;
}

const TagListRow &row(TagList list)
{
    return Rows[std::size_t(list)];
}

} // namespace TagLists

namespace {
const QString Separator = QStringLiteral("..");

// The entries without the empty rows at their end, which are no change.
QStringList trimmed(QStringList entries)
{
    while (!entries.isEmpty() && entries.back().isEmpty())
        entries.removeLast();
    return entries;
}
} // namespace

BlockParts BlockParts::of(const QString &entry)
{
    const qsizetype at = entry.indexOf(Separator);
    if (at < 0)
        return {QString(), entry};
    return {entry.left(at), entry.mid(at + 2)};
}

LibraryLine LibraryLine::of(const QString &line)
{
    const qsizetype at = line.indexOf(Separator);
    if (at < 0)
        return {QString(), line};
    return {line.left(at), line.mid(at + 2)};
}

QString LibraryLine::text() const
{
    if (item.isEmpty() && !description.contains(Separator))
        return description;
    return item + Separator + description;
}

TagListFile::TagListFile(QString path) : m_path(std::move(path)) {}

bool TagListFile::load(QString *reason)
{
    m_loadError.reset();
    QString why;
    switch (TextLines::read(m_path, &m_text, &why)) {
    case TextLines::ReadResult::Missing:
        return true;
    case TextLines::ReadResult::Failed:
        break;
    case TextLines::ReadResult::Read:
        if (m_text.lines.size() <= MaxRows)
            return true;
        why = QStringLiteral("it has more than %1 lines").arg(MaxRows);
        break;
    }
    m_text = TextLines::Text();
    m_loadError = why;
    *reason = why;
    return false;
}

QStringList TagListFile::entries() const
{
    QStringList entries = m_text.lines;
    while (entries.size() < Rows)
        entries << QString();
    return entries;
}

bool TagListFile::save(const QStringList &entries, QString *reason)
{
    // A list that could not be read holds nothing until the user types something.
    if (m_loadError && trimmed(entries).isEmpty())
        return true;
    if (m_loadError) {
        *reason =
            QStringLiteral("it could not be read (%1), so it was left as it is").arg(*m_loadError);
        return false;
    }
    TextLines::Text text = m_text;
    text.lines = entries;
    // Empty rows past the usual count are no lines of the file.
    while (text.lines.size() > Rows && text.lines.back().isEmpty())
        text.lines.removeLast();
    while (text.lines.size() < Rows)
        text.lines << QString();
    // A list saved unchanged leaves its file alone, and no file is made for an empty list.
    if (trimmed(text.lines) == trimmed(m_text.lines))
        return true;
    if (!FileBytes::write(m_path, TextLines::encode(text), reason))
        return false;
    m_text = text;
    return true;
}
