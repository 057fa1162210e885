#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <memory>

class QLockFile;

// One open document as the recovery journal keeps it. Every open document is listed, in tab
// order, so that the documents of a run that ended without closing can come back; the text
// is kept only for a modified one.
struct JournalEntry
{
    // Tells the documents of one run apart; names the file that holds the text.
    int id = 0;
    // The full path of a named document, or the Untitled name.
    QString identity;
    bool named = false;
    bool modified = false;
    bool active = false;
    // "UTF-8" or "Windows-1252", and the document's own line break ("\n", "\r\n", "\r").
    QString encoding;
    QString lineBreak;
    int caret = 0;
    int firstLine = 0;
    // Counts the changes of the text; bytes are written only when it differs from the last
    // written one.
    quint64 generation = 0;
    // A named document's file as last read or saved (DocumentWatcher::hashOf, size); empty
    // and -1 when not known.
    QByteArray baseHash;
    qint64 baseSize = -1;
    // The file's bytes (byte-order mark included) of a modified document. A write leaves them
    // out (withText false) when the text is unchanged since the last write.
    bool withText = false;
    QByteArray bytes;
};

// The recovery journal in a folder of the home folder. Each run writes into a session folder
// of its own, which a lock file inside marks as alive; the lock of a run that was killed is
// left behind by a process that no longer exists, so the next run can tell that session is an
// orphan. Two copies running at once never take each other's session. Every file is written
// whole beside its final name and then renamed, the list of documents last, so a crash in the
// middle of a write leaves the previous list and the texts it names. Nothing outside the
// journal folder is ever written or deleted. Used by one thread at a time.
class RecoveryJournal
{
public:
    explicit RecoveryJournal(QString folder);
    ~RecoveryJournal();
    RecoveryJournal(const RecoveryJournal &) = delete;
    RecoveryJournal &operator=(const RecoveryJournal &) = delete;

    // Makes this run's session folder and takes its lock. False, with a reason, when the
    // folder cannot be written.
    bool open(QString *reason = nullptr);
    bool isOpen() const { return m_lock != nullptr; }
    QString sessionFolder() const { return m_session; }

    // Writes the list of documents; the texts of entries whose generation changed since the
    // last write (those entries carry their bytes). Texts no longer listed are deleted. False,
    // with a reason, when something could not be written, or when a modified entry comes
    // without the text this journal does not hold yet: the next write must then carry every
    // modified entry's text.
    bool write(const QList<JournalEntry> &entries, QString *reason = nullptr);
    // The run ends cleanly: its session folder goes.
    void close();

    // The session of a run that ended without closing, held locked while it is looked at.
    struct Orphan
    {
        QString folder;
        QList<JournalEntry> entries; // with the bytes of every modified entry
        std::shared_ptr<QLockFile> lock;
        bool hasModified() const;
    };
    // The orphaned sessions in the folder, oldest first. A session whose list cannot be read
    // comes with each of its texts as an unnamed entry. A session folder or lock that is not
    // this user's own folder or regular file is passed over untouched.
    static QList<Orphan> takeOrphans(const QString &folder);
    // Deletes an orphan's session folder.
    static void discard(const Orphan &orphan);

    static QString indexName() { return QStringLiteral("documents.json"); }

private:
    static QString textFileName(const JournalEntry &entry);
    static QList<JournalEntry> unlistedTexts(const QString &session);

    QString m_folder;
    QString m_session;
    std::unique_ptr<QLockFile> m_lock;
    // The text file last written for each document id, and its generation.
    struct Written
    {
        quint64 generation = 0;
        QString file;
    };
    QHash<int, Written> m_written;
};
