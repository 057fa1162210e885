#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>

class DocumentWindow;

// Notices when another program changes or deletes the file of an open document. A hash of
// the content last read or written here is kept per document: a change that leaves the
// content as it was (a touch, our own save) raises nothing, and one that keeps size and time
// stamp (a copy with times kept, a restore from backup) is still found before a save. A file
// deleted and made again is watched again. Owned by the document files controller, which
// asks the user.
class DocumentWatcher : public QObject
{
    Q_OBJECT

public:
    explicit DocumentWatcher(QObject *parent = nullptr);

    static constexpr QCryptographicHash::Algorithm HashAlgorithm = QCryptographicHash::Sha1;
    static QByteArray hashOf(const QByteArray &bytes);

    // Starts or renews watching the document's file, whose content is now these bytes.
    void watch(DocumentWindow *document, const QString &path, const QByteArray &bytes);
    // The same for a document whose text was made from content known only by its hash and
    // size (a text brought back by crash recovery): what is on the disk now may differ.
    void watchKnown(DocumentWindow *document, const QString &path, const QByteArray &hash,
                    qint64 size);
    // The hash and size of the content last read or written here; empty and -1 when the
    // document's file is not watched.
    QByteArray knownHash(DocumentWindow *document) const;
    qint64 knownSize(DocumentWindow *document) const;
    void forget(DocumentWindow *document);

    enum class DiskState { AsKnown, Changed, Missing, Unreadable };
    // Reads the document's file and compares it with the content last read or written here.
    DiskState diskState(DocumentWindow *document) const;

    // While held, changes are collected and reported when released.
    void hold() { ++m_held; }
    void release();

Q_SIGNALS:
    // The file holds other content than was read or written here: these bytes.
    void changedOutside(DocumentWindow *document, const QByteArray &bytes);
    void deletedOutside(DocumentWindow *document);

private:
    struct Entry
    {
        QString path;
        // The content last read or written here, and the other content last reported.
        QByteArray hash;
        QByteArray seen;
        bool gone = false;
        qint64 size = -1;
    };
    void fileChanged(const QString &path);
    void folderChanged(const QString &folder);
    void watchFolderOf(const QString &path);

    QFileSystemWatcher m_watcher;
    QHash<DocumentWindow *, Entry> m_entries;
    QSet<QString> m_pending;
    int m_held = 0;
};
