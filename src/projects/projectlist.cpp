#include "projects/projectlist.h"

#include "projects/projectfile.h"

#include <QDir>

namespace {

bool isProjectFile(const QString &path)
{
    return path.endsWith(QLatin1String(".qpj"), Qt::CaseInsensitive);
}

QString readError(const QString &path, const QString &reason)
{
    return QStringLiteral("%1 could not be read: %2").arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

void ProjectList::insertAt(int &position, const QString &path)
{
    if (m_entries.contains(path))
        return;
    m_entries.insert(position++, path);
}

bool ProjectList::add(const QStringList &paths, QString *error)
{
    QStringList problems;
    int position = 0;
    for (const QString &path : paths) {
        if (!isProjectFile(path)) {
            insertAt(position, path);
            continue;
        }
        QStringList listed;
        QString reason;
        if (!ProjectFile::read(path, &listed, &reason)) {
            problems << readError(path, reason);
            continue;
        }
        for (const QString &entry : std::as_const(listed))
            insertAt(position, entry);
    }
    *error = problems.join(u'\n');
    return problems.isEmpty();
}

void ProjectList::removeAt(int index)
{
    if (index >= 0 && index < m_entries.size())
        m_entries.removeAt(index);
}

bool ProjectList::load(const QString &path, QString *error)
{
    QStringList entries;
    QString reason;
    if (!ProjectFile::read(path, &entries, &reason)) {
        *error = readError(path, reason);
        return false;
    }
    m_entries = entries;
    return true;
}

bool ProjectList::save(const QString &path, QString *error) const
{
    QString reason;
    if (ProjectFile::write(path, m_entries, &reason))
        return true;
    *error =
        QStringLiteral("%1 could not be saved: %2").arg(QDir::toNativeSeparators(path), reason);
    return false;
}
