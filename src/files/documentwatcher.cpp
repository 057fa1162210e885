#include "files/documentwatcher.h"

#include <QFileInfo>

DocumentWatcher::DocumentWatcher(QObject *parent) : QObject(parent)
{
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &DocumentWatcher::fileChanged);
}

DocumentWatcher::Stamp DocumentWatcher::stampOf(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return {true, info.size(), info.lastModified()};
}

void DocumentWatcher::watch(TMDIsub *document, const QString &path)
{
    forget(document);
    m_entries.insert(document, {path, stampOf(path)});
    // A file replaced by a rename (as our own saves do) drops out of the watcher: add again.
    if (!m_watcher.files().contains(path))
        m_watcher.addPath(path);
}

void DocumentWatcher::forget(TMDIsub *document)
{
    const auto it = m_entries.constFind(document);
    if (it == m_entries.cend())
        return;
    const QString path = it->path;
    m_entries.erase(it);
    for (const Entry &entry : std::as_const(m_entries))
        if (entry.path == path)
            return;
    m_watcher.removePath(path);
}

void DocumentWatcher::release()
{
    if (--m_held > 0)
        return;
    const QSet<QString> pending = std::exchange(m_pending, {});
    for (const QString &path : pending)
        fileChanged(path);
}

void DocumentWatcher::fileChanged(const QString &path)
{
    if (m_held > 0) {
        m_pending.insert(path);
        return;
    }
    const Stamp now = stampOf(path);
    QList<TMDIsub *> changed;
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
        if (it->path != path || it->stamp == now)
            continue;
        // Reported once: the next report needs another change.
        it->stamp = now;
        changed << it.key();
    }
    if (now.exists && !m_watcher.files().contains(path))
        m_watcher.addPath(path);
    hold();
    for (TMDIsub *document : changed) {
        if (!m_entries.contains(document))
            continue; // closed while an earlier one was asked about
        if (now.exists)
            Q_EMIT changedOutside(document);
        else
            Q_EMIT deletedOutside(document);
    }
    release();
}
