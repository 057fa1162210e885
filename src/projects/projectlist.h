#pragma once

#include <QString>
#include <QStringList>

// The list the project manager builds: full paths in the order the files will open. A path is
// listed once (letter case counts); adding a project file adds the files it lists instead of
// itself. Lives as long as the manager window.
class ProjectList
{
public:
    const QStringList &entries() const { return m_entries; }
    bool isEmpty() const { return m_entries.isEmpty(); }

    // Puts the files at the top, in the order given, skipping those listed already; a project
    // file among them contributes its entries. On a project file that cannot be read, false
    // with a message naming it; the others are added all the same.
    bool add(const QStringList &paths, QString *error);
    void removeAt(int index);
    void clear() { m_entries.clear(); }

    // Replaces the list by a project file's entries; on failure the list stays as it was.
    bool load(const QString &path, QString *error);
    bool save(const QString &path, QString *error) const;

private:
    void insertAt(int &position, const QString &path);

    QStringList m_entries;
};
