#include "files/documentwatcher.h"

#include "base/filebytes.h"

#include <QCryptographicHash>
#include <QFileInfo>

DocumentWatcher::DocumentWatcher(QObject *parent) : QObject(parent)
{
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &DocumentWatcher::fileChanged);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this,
            &DocumentWatcher::folderChanged);
}

QByteArray DocumentWatcher::hashOf(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, HashAlgorithm);
}

void DocumentWatcher::watch(DocumentWindow *document, const QString &path, const QByteArray &bytes)
{
    forget(document);
    watchKnown(document, path, hashOf(bytes), bytes.size());
}

void DocumentWatcher::watchKnown(DocumentWindow *document, const QString &path,
                                 const QByteArray &hash, qint64 size)
{
    forget(document);
    m_entries.insert(document, {path, hash, {}, false, size});
    // A file replaced by a rename (as our own saves do) drops out of the watcher: add again.
    if (!m_watcher.files().contains(path))
        m_watcher.addPath(path);
}

QByteArray DocumentWatcher::knownHash(DocumentWindow *document) const
{
    const auto it = m_entries.constFind(document);
    return it == m_entries.cend() ? QByteArray() : it->hash;
}

qint64 DocumentWatcher::knownSize(DocumentWindow *document) const
{
    const auto it = m_entries.constFind(document);
    return it == m_entries.cend() ? -1 : it->size;
}

void DocumentWatcher::forget(DocumentWindow *document)
{
    const auto it = m_entries.constFind(document);
    if (it == m_entries.cend())
        return;
    const QString path = it->path;
    const QString folder = QFileInfo(path).absolutePath();
    m_entries.erase(it);
    bool pathUsed = false;
    bool folderUsed = false;
    for (const Entry &entry : std::as_const(m_entries)) {
        pathUsed = pathUsed || entry.path == path;
        folderUsed = folderUsed || (entry.gone && QFileInfo(entry.path).absolutePath() == folder);
    }
    if (!pathUsed)
        m_watcher.removePath(path);
    if (!folderUsed && m_watcher.directories().contains(folder))
        m_watcher.removePath(folder);
}

DocumentWatcher::DiskState DocumentWatcher::diskState(DocumentWindow *document) const
{
    const auto it = m_entries.constFind(document);
    if (it == m_entries.cend())
        return DiskState::AsKnown;
    if (!QFileInfo::exists(it->path))
        return DiskState::Missing;
    QByteArray bytes;
    QString reason;
    if (!FileBytes::read(it->path, &bytes, &reason))
        return DiskState::Unreadable;
    return hashOf(bytes) == it->hash ? DiskState::AsKnown : DiskState::Changed;
}

void DocumentWatcher::release()
{
    if (--m_held > 0)
        return;
    const QSet<QString> pending = std::exchange(m_pending, {});
    for (const QString &path : pending)
        fileChanged(path);
}

void DocumentWatcher::watchFolderOf(const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!m_watcher.directories().contains(folder))
        m_watcher.addPath(folder);
}

void DocumentWatcher::folderChanged(const QString &folder)
{
    // A file that was gone may be back.
    QSet<QString> back;
    for (const Entry &entry : std::as_const(m_entries))
        if (entry.gone && QFileInfo(entry.path).absolutePath() == folder &&
            QFileInfo::exists(entry.path))
            back.insert(entry.path);
    for (const QString &path : std::as_const(back))
        fileChanged(path);
    for (const Entry &entry : std::as_const(m_entries))
        if (entry.gone && QFileInfo(entry.path).absolutePath() == folder)
            return;
    m_watcher.removePath(folder);
}

void DocumentWatcher::fileChanged(const QString &path)
{
    if (m_held > 0) {
        m_pending.insert(path);
        return;
    }
    const bool exists = QFileInfo::exists(path);
    // Read once for every document of this file. The content decides, not the time stamp:
    // a copy that keeps size and time is a change, a touch is none.
    bool read = false;
    QByteArray bytes;
    QByteArray hash;
    QList<DocumentWindow *> changed;
    QList<DocumentWindow *> deleted;
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
        if (it->path != path)
            continue;
        if (!exists) {
            if (!it->gone)
                deleted << it.key();
            it->gone = true;
            it->seen.clear();
            continue;
        }
        it->gone = false;
        if (!read) {
            read = true;
            QString reason;
            if (FileBytes::read(path, &bytes, &reason))
                hash = hashOf(bytes);
        }
        // Unreadable for now (half written, say): the next change tells. A change already
        // reported is not reported again.
        if (hash.isEmpty() || hash == it->hash || hash == it->seen)
            continue;
        it->seen = hash;
        changed << it.key();
    }
    if (exists && !m_watcher.files().contains(path))
        m_watcher.addPath(path);
    if (!exists)
        watchFolderOf(path);
    hold();
    for (DocumentWindow *document : std::as_const(deleted))
        if (m_entries.contains(document)) // closed while an earlier one was asked about
            Q_EMIT deletedOutside(document);
    for (DocumentWindow *document : std::as_const(changed))
        if (m_entries.contains(document))
            Q_EMIT changedOutside(document, bytes);
    release();
}
