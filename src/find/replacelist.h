#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The files a multi-file replace will work on, as the user picks them: full paths in order,
// each once. A project file stands for its entries. A file open in the editor is refused,
// so that the editor's copy and the disk copy cannot drift apart.
class ReplaceList
{
public:
    using IsOpen = std::function<bool(const QString &path)>;
    // The entries of a project file; unset while projects cannot be read.
    using ProjectEntries = std::function<QStringList(const QString &projectPath)>;

    struct Added
    {
        // The first line of the message about open files; empty when none was refused.
        QString openLine;
        // Project files whose entries could not be taken.
        QStringList unreadProjects;
    };

    ReplaceList(IsOpen isOpen, ProjectEntries projectEntries);

    // ">": a page goes to the top; a project's entries go to the top in their own order.
    Added addOne(const QString &path);
    // ">>": every file given, in order, above the files listed before.
    Added addAll(const QStringList &paths);
    void removeAt(qsizetype index);
    void clear() { m_paths.clear(); }

    const QStringList &paths() const { return m_paths; }
    static bool isProject(const QString &path);

private:
    // Adds one page at the running position unless it is listed or open.
    void take(const QString &path, qsizetype &at, bool &refusedOpen);
    QStringList entriesOf(const QString &project, Added &added) const;

    IsOpen m_isOpen;
    ProjectEntries m_projectEntries;
    QStringList m_paths;
};
