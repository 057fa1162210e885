#include "find/replacelist.h"

ReplaceList::ReplaceList(IsOpen isOpen, ProjectEntries projectEntries)
    : m_isOpen(std::move(isOpen)), m_projectEntries(std::move(projectEntries))
{
}

bool ReplaceList::isProject(const QString &path)
{
    return path.endsWith(QLatin1String(".qpj"), Qt::CaseInsensitive);
}

void ReplaceList::take(const QString &path, qsizetype &at, bool &refusedOpen)
{
    if (path.isEmpty() || m_paths.contains(path))
        return;
    if (m_isOpen && m_isOpen(path)) {
        refusedOpen = true;
        return;
    }
    m_paths.insert(at++, path);
}

QStringList ReplaceList::entriesOf(const QString &project, Added &added) const
{
    if (!m_projectEntries) {
        added.unreadProjects << project;
        return {};
    }
    return m_projectEntries(project);
}

ReplaceList::Added ReplaceList::addOne(const QString &path)
{
    Added added;
    if (path.isEmpty())
        return added;
    qsizetype at = 0;
    bool refusedOpen = false;
    if (!isProject(path)) {
        take(path, at, refusedOpen);
        if (refusedOpen)
            added.openLine = path;
        return added;
    }
    for (const QString &entry : entriesOf(path, added))
        take(entry, at, refusedOpen);
    if (refusedOpen)
        added.openLine = QStringLiteral("At least one of your project files");
    return added;
}

ReplaceList::Added ReplaceList::addAll(const QStringList &paths)
{
    Added added;
    qsizetype at = 0;
    bool refusedOpen = false;
    for (const QString &path : paths) {
        if (!isProject(path)) {
            take(path, at, refusedOpen);
            continue;
        }
        for (const QString &entry : entriesOf(path, added))
            take(entry, at, refusedOpen);
    }
    if (refusedOpen)
        added.openLine = QStringLiteral("At least one of your chosen files");
    return added;
}

void ReplaceList::removeAt(qsizetype index)
{
    if (index >= 0 && index < m_paths.size())
        m_paths.removeAt(index);
}
