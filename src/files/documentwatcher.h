#pragma once

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>

class TMDIsub;

// Notices when another program changes or deletes the file of an open document. What the
// file looked like after our own last read or write is remembered, so that our own saves
// raise nothing. Owned by the document files controller, which asks the user.
class DocumentWatcher : public QObject
{
    Q_OBJECT

public:
    explicit DocumentWatcher(QObject *parent = nullptr);

    // Starts or renews watching the document's file as it is now.
    void watch(TMDIsub *document, const QString &path);
    void forget(TMDIsub *document);

    // While held, changes are collected and reported when released.
    void hold() { ++m_held; }
    void release();

Q_SIGNALS:
    void changedOutside(TMDIsub *document);
    void deletedOutside(TMDIsub *document);

private:
    struct Stamp
    {
        bool exists = false;
        qint64 size = 0;
        QDateTime modified;
        bool operator==(const Stamp &) const = default;
    };
    struct Entry
    {
        QString path;
        Stamp stamp;
    };
    static Stamp stampOf(const QString &path);
    void fileChanged(const QString &path);

    QFileSystemWatcher m_watcher;
    QHash<TMDIsub *, Entry> m_entries;
    QSet<QString> m_pending;
    int m_held = 0;
};
