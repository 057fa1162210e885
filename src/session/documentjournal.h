#pragma once

#include "session/recoveryjournal.h"

#include <QHash>
#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <memory>

class DocumentRegistry;
class DocumentWatcher;
class DocumentWindow;

// Keeps the open documents in the recovery journal while the program runs. A change starts a
// timer; when it runs out, the list of documents and the texts changed since the last write
// are taken from the editors and written by a worker thread, so typing never waits for the
// disk. A clean end deletes the journal. Owned by the main frame.
class DocumentJournal : public QObject
{
    Q_OBJECT

public:
    static constexpr int DelayMs = 2000;

    // What each named document's file held when last read or written comes from the watcher:
    // a restore compares it with the file as it is then.
    DocumentJournal(DocumentRegistry &registry, const DocumentWatcher &watcher, QString folder,
                    QObject *parent = nullptr);
    ~DocumentJournal() override;

    const QString &folder() const { return m_folder; }
    // Starts journaling (opening this run's session) or stops it (deleting the session).
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_journal != nullptr; }
    // Writes what is pending now and waits for the write.
    void flush();
    // The run ends cleanly: nothing more is written and the journal goes.
    void finish();

    // What the next write would hold; texts only of documents changed since the last write.
    QList<JournalEntry> snapshot();
    // The number of writes that ended, and whether the last one worked.
    int writesDone() const { return m_writesDone; }
    bool lastWriteFailed() const { return m_lastFailed; }

Q_SIGNALS:
    void written(bool ok);
    // Crash recovery cannot work (its folder cannot be made, the disk is full): said once a
    // run, with the reason.
    void failed(const QString &message);

private:
    struct Tracked
    {
        int id = 0;
        quint64 generation = 1;
        quint64 sent = 0; // the generation whose text went to the writer
    };
    void track(DocumentWindow *document);
    void changed(DocumentWindow *document);
    void schedule();
    void writeNow();
    void writeDone(bool ok, const QString &reason);
    void reportOnce(const QString &reason);

    DocumentRegistry &m_registry;
    const DocumentWatcher &m_watcher;
    QString m_folder;
    std::shared_ptr<RecoveryJournal> m_journal;
    QThreadPool m_writer;
    QTimer m_timer;
    QHash<DocumentWindow *, Tracked> m_tracked;
    int m_nextId = 1;
    bool m_writing = false;
    bool m_again = false;
    bool m_finished = false;
    int m_writesDone = 0;
    bool m_lastFailed = false;
    bool m_reported = false;
};
