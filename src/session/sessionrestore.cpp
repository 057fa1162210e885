#include "session/sessionrestore.h"

#include "base/prompter.h"
#include "base/settingsfile.h"
#include "documents/documentregistry.h"
#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "session/documentjournal.h"
#include "session/recoveryjournal.h"
#include "session/storedsession.h"

#include <QDir>

SessionRestore::SessionRestore(DocumentRegistry &registry, DocumentFiles &files,
                               DocumentJournal &journal, SettingsFile &settings, Prompter &prompter)
    : m_registry(registry), m_files(files), m_journal(journal), m_settings(settings),
      m_prompter(prompter)
{
}

QString SessionRestore::question(const QStringList &names)
{
    // However many there are, the question and its buttons stay on the screen.
    constexpr qsizetype MaxNamed = 15;
    QStringList shown = names.mid(0, MaxNamed);
    if (names.size() > MaxNamed)
        shown << QStringLiteral("… and %1 more").arg(names.size() - MaxNamed);
    return QStringLiteral("Quillmark was not closed properly. These documents had changes "
                          "that were not saved:\n\n%1\n\nYes: restore them.\nNo: discard the "
                          "changes.\nCancel: keep them for the next start.")
        .arg(shown.join(u'\n'));
}

bool SessionRestore::atStart()
{
    const bool reopen = m_settings.read(Keys::Reopen);
    QList<RecoveryJournal::Orphan> orphans = RecoveryJournal::takeOrphans(m_journal.folder());
    QStringList unsaved;
    for (const RecoveryJournal::Orphan &orphan : orphans)
        for (const JournalEntry &e : orphan.entries)
            if (e.modified)
                unsaved << (e.named ? QDir::toNativeSeparators(e.identity) : e.identity);

    PromptAnswer answer = PromptAnswer::No;
    if (!unsaved.isEmpty())
        answer = m_prompter.yesNoCancel(question(unsaved));
    if (answer == PromptAnswer::Cancel) {
        // Kept as they are; their locks go with the list.
        orphans.clear();
    }

    int made = 0;
    DocumentWindow *active = nullptr;
    const auto opened = [&](DocumentWindow *doc, bool wasActive) {
        if (!doc)
            return;
        ++made;
        if (wasActive)
            active = doc;
    };
    if (!orphans.isEmpty()) {
        // The journal's list is newer than the one the last clean end left.
        for (const RecoveryJournal::Orphan &orphan : orphans) {
            for (const JournalEntry &e : orphan.entries) {
                if (e.modified && answer == PromptAnswer::Yes)
                    opened(
                        m_files.restore({e.identity, e.named, e.bytes,
                                         e.encoding == QLatin1String("Windows-1252"), e.lineBreak,
                                         e.caret, e.firstLine, e.baseHash, e.baseSize}),
                        e.active);
                else if (reopen && e.named)
                    opened(m_files.reopen(e.identity, e.modified ? 0 : e.caret,
                                          e.modified ? 0 : e.firstLine),
                           e.active);
            }
        }
        // The restored texts are in this run's journal before the old ones go.
        m_journal.flush();
        for (const RecoveryJournal::Orphan &orphan : orphans)
            RecoveryJournal::discard(orphan);
    } else if (reopen) {
        const StoredSession session = StoredSession::read(m_settings);
        for (int i = 0; i < session.documents.size(); ++i) {
            const StoredSession::Document &d = session.documents[i];
            opened(m_files.reopen(d.path, d.caret, d.firstLine), i == session.active);
        }
    }
    if (active)
        m_files.activate(active);
    return made > 0;
}

void SessionRestore::atEnd()
{
    StoredSession session;
    if (m_settings.read(Keys::Reopen)) {
        DocumentWindow *active = m_registry.active();
        for (DocumentWindow *doc : m_registry.documents()) {
            if (doc->document().isUntitled())
                continue;
            if (doc == active)
                session.active = int(session.documents.size());
            const ScintillaEditor &ed = doc->editor();
            session.documents.append({doc->document().path(), ed.caret(), ed.firstVisibleLine()});
        }
    }
    session.write(m_settings);
}
