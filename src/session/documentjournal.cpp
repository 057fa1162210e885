#include "session/documentjournal.h"

#include "documents/documentregistry.h"
#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "files/documentwatcher.h"

#include <QDir>

DocumentJournal::DocumentJournal(DocumentRegistry &registry, const DocumentWatcher &watcher,
                                 QString folder, QObject *parent)
    : QObject(parent), m_registry(registry), m_watcher(watcher), m_folder(std::move(folder))
{
    // One writer: the writes reach the disk in the order they were taken.
    m_writer.setMaxThreadCount(1);
    m_timer.setSingleShot(true);
    m_timer.setInterval(DelayMs);
    connect(&m_timer, &QTimer::timeout, this, &DocumentJournal::writeNow);
    connect(&m_registry, &DocumentRegistry::opened, this, &DocumentJournal::track);
    connect(&m_registry, &DocumentRegistry::closed, this, [this](DocumentWindow *doc) {
        m_tracked.remove(doc);
        schedule();
    });
    connect(&m_registry, &DocumentRegistry::identityChanged, this, &DocumentJournal::changed);
    connect(&m_registry, &DocumentRegistry::modifiedChanged, this, &DocumentJournal::changed);
    for (DocumentWindow *doc : m_registry.documents())
        track(doc);
}

DocumentJournal::~DocumentJournal()
{
    m_writer.waitForDone();
}

void DocumentJournal::track(DocumentWindow *doc)
{
    if (m_tracked.contains(doc))
        return;
    m_tracked.insert(doc, {m_nextId++, 1, 0});
    // An edit only counts and arms the timer, so a keystroke costs nothing more. Loading and
    // reloading change the modified state, which counts too.
    connect(doc, &DocumentWindow::edited, this, &DocumentJournal::changed);
    connect(doc, &DocumentWindow::formatChanged, this, &DocumentJournal::changed);
    connect(doc, &QObject::destroyed, this, [this, doc] {
        if (m_tracked.remove(doc))
            schedule();
    });
    schedule();
}

void DocumentJournal::changed(DocumentWindow *doc)
{
    auto it = m_tracked.find(doc);
    if (it == m_tracked.end())
        return;
    ++it->generation;
    schedule();
}

void DocumentJournal::schedule()
{
    // Not restarted by later changes: steady typing is written every few seconds too.
    if (m_journal && !m_finished && !m_timer.isActive())
        m_timer.start();
}

void DocumentJournal::setEnabled(bool enabled)
{
    if (enabled == isEnabled() || m_finished)
        return;
    if (!enabled) {
        m_timer.stop();
        m_writer.waitForDone();
        m_journal->close();
        m_journal.reset();
        return;
    }
    auto journal = std::make_shared<RecoveryJournal>(m_folder);
    QString reason;
    if (!journal->open(&reason)) {
        reportOnce(reason);
        return;
    }
    m_journal = journal;
    for (Tracked &t : m_tracked)
        t.sent = 0;
    writeNow();
}

QList<JournalEntry> DocumentJournal::snapshot()
{
    QList<JournalEntry> entries;
    DocumentWindow *active = m_registry.active();
    for (DocumentWindow *doc : m_registry.documents()) {
        auto it = m_tracked.find(doc);
        if (it == m_tracked.end())
            continue;
        const ScintillaEditor &ed = doc->editor();
        JournalEntry e;
        e.id = it->id;
        const Document &document = doc->document();
        e.identity = document.identity();
        e.named = !document.isUntitled();
        e.modified = document.isModified();
        e.active = doc == active;
        e.encoding = document.encoding() == Document::Encoding::Utf8
                         ? QStringLiteral("UTF-8")
                         : QStringLiteral("Windows-1252");
        e.lineBreak = document.lineBreak();
        e.caret = ed.caret();
        e.firstLine = ed.firstVisibleLine();
        e.generation = it->generation;
        if (e.named) {
            e.baseHash = m_watcher.knownHash(doc);
            e.baseSize = m_watcher.knownSize(doc);
        }
        if (e.modified && it->sent != it->generation) {
            e.withText = true;
            e.bytes = ed.bytes();
            it->sent = it->generation;
        }
        entries.append(e);
    }
    return entries;
}

void DocumentJournal::writeNow()
{
    if (!m_journal || m_finished)
        return;
    if (m_writing) {
        m_again = true;
        return;
    }
    m_writing = true;
    std::shared_ptr<RecoveryJournal> journal = m_journal;
    m_writer.start([this, journal, entries = snapshot()] {
        QString reason;
        const bool ok = journal->write(entries, &reason);
        QMetaObject::invokeMethod(
            this, [this, ok, reason] { writeDone(ok, reason); }, Qt::QueuedConnection);
    });
}

void DocumentJournal::reportOnce(const QString &reason)
{
    if (std::exchange(m_reported, true))
        return;
    Q_EMIT failed(QStringLiteral("Crash recovery is not working: %1").arg(reason));
}

void DocumentJournal::writeDone(bool ok, const QString &reason)
{
    if (!ok)
        reportOnce(reason);
    m_writing = false;
    ++m_writesDone;
    m_lastFailed = !ok;
    if (!ok) {
        // The journal holds no texts now: the next write sends every one.
        for (Tracked &t : m_tracked)
            t.sent = 0;
        schedule();
    }
    if (std::exchange(m_again, false))
        schedule();
    Q_EMIT written(ok);
}

void DocumentJournal::flush()
{
    if (!m_journal || m_finished)
        return;
    m_timer.stop();
    m_writer.waitForDone();
    std::shared_ptr<RecoveryJournal> journal = m_journal;
    QString reason;
    const bool ok = journal->write(snapshot(), &reason);
    if (!ok)
        reportOnce(reason);
    m_writing = false;
    m_again = false;
    // Answers of writes that ended meanwhile are still queued; this one is the latest.
    ++m_writesDone;
    m_lastFailed = !ok;
    if (!ok)
        for (Tracked &t : m_tracked)
            t.sent = 0;
}

void DocumentJournal::finish()
{
    m_timer.stop();
    m_writer.waitForDone();
    m_finished = true;
    if (m_journal)
        m_journal->close();
    m_journal.reset();
}
