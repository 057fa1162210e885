#include "session/recoveryjournal.h"

#include "base/filebytes.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSet>

#include <algorithm>

namespace {

const QString SessionPrefix = QStringLiteral("run-");
const QString LockName = QStringLiteral("lock");
// Far larger than any list of open documents; a bigger index is not ours.
constexpr qint64 MaxIndexSize = 16 * 1024 * 1024;

// A lock is stale only when the process that holds it has gone, however long it has run.
std::unique_ptr<QLockFile> lockIn(const QString &session)
{
    auto lock = std::make_unique<QLockFile>(session + u'/' + LockName);
    lock->setStaleLockTime(0);
    return lock;
}

QJsonObject toJson(const JournalEntry &e, const QString &textFile)
{
    QJsonObject o{{"id", e.id},
                  {"identity", e.identity},
                  {"named", e.named},
                  {"modified", e.modified},
                  {"active", e.active},
                  {"encoding", e.encoding},
                  {"lineBreak", e.lineBreak},
                  {"caret", e.caret},
                  {"firstLine", e.firstLine}};
    if (!textFile.isEmpty())
        o.insert(QStringLiteral("text"), textFile);
    return o;
}

JournalEntry fromJson(const QJsonObject &o)
{
    JournalEntry e;
    e.id = o.value(QStringLiteral("id")).toInt();
    e.identity = o.value(QStringLiteral("identity")).toString();
    e.named = o.value(QStringLiteral("named")).toBool();
    e.modified = o.value(QStringLiteral("modified")).toBool();
    e.active = o.value(QStringLiteral("active")).toBool();
    e.encoding = o.value(QStringLiteral("encoding")).toString();
    e.lineBreak = o.value(QStringLiteral("lineBreak")).toString();
    e.caret = std::max(0, o.value(QStringLiteral("caret")).toInt());
    e.firstLine = std::max(0, o.value(QStringLiteral("firstLine")).toInt());
    return e;
}

// Only a plain name inside the session folder: an edited index never reaches another file.
bool isTextFileName(const QString &name)
{
    return !name.isEmpty() && !name.contains(u'/') && name.endsWith(QLatin1String(".text")) &&
           !name.startsWith(u'.');
}

} // namespace

RecoveryJournal::RecoveryJournal(QString folder) : m_folder(std::move(folder)) {}

RecoveryJournal::~RecoveryJournal() = default;

QString RecoveryJournal::textFileName(const JournalEntry &entry)
{
    return QStringLiteral("%1-%2.text").arg(entry.id).arg(entry.generation);
}

bool RecoveryJournal::open(QString *reason)
{
    if (m_lock)
        return true;
    const QString name = SessionPrefix + QStringLiteral("%1-%2")
                                             .arg(QCoreApplication::applicationPid())
                                             .arg(QDateTime::currentMSecsSinceEpoch());
    const QString session = QDir(m_folder).filePath(name);
    if (!QDir().mkpath(session)) {
        if (reason)
            *reason = QStringLiteral("the folder %1 could not be made")
                          .arg(QDir::toNativeSeparators(session));
        return false;
    }
    auto lock = lockIn(session);
    if (!lock->tryLock(0)) {
        if (reason)
            *reason = QStringLiteral("the folder %1 could not be locked")
                          .arg(QDir::toNativeSeparators(session));
        QDir(session).removeRecursively();
        return false;
    }
    m_session = session;
    m_lock = std::move(lock);
    return true;
}

bool RecoveryJournal::write(const QList<JournalEntry> &entries, QString *reason)
{
    if (!m_lock) {
        if (reason)
            *reason = QStringLiteral("the journal is not open");
        return false;
    }
    const QDir dir(m_session);
    QJsonArray list;
    QSet<QString> kept;
    QHash<int, Written> written;
    for (const JournalEntry &e : entries) {
        QString textFile;
        if (e.modified) {
            const Written known = m_written.value(e.id);
            if (!known.file.isEmpty() && known.generation == e.generation) {
                textFile = known.file;
            } else if (e.withText) {
                textFile = textFileName(e);
                if (!FileBytes::write(dir.filePath(textFile), e.bytes, reason)) {
                    m_written.clear();
                    return false;
                }
            } else {
                if (reason)
                    *reason = QStringLiteral("the text of %1 is missing").arg(e.identity);
                m_written.clear();
                return false;
            }
            written.insert(e.id, {e.generation, textFile});
            kept.insert(textFile);
        }
        list.append(toJson(e, textFile));
    }
    const QByteArray index =
        QJsonDocument(QJsonObject{{"documents", list}}).toJson(QJsonDocument::Indented);
    if (!FileBytes::write(dir.filePath(indexName()), index, reason)) {
        m_written.clear();
        return false;
    }
    m_written = written;
    // Only now that the list names the new texts may the old ones go.
    for (const QString &name : dir.entryList({QStringLiteral("*.text")}, QDir::Files))
        if (!kept.contains(name))
            QFile::remove(dir.filePath(name));
    return true;
}

void RecoveryJournal::close()
{
    if (!m_lock)
        return;
    const QDir dir(m_session);
    for (const QString &name : dir.entryList({QStringLiteral("*.text")}, QDir::Files))
        QFile::remove(dir.filePath(name));
    QFile::remove(dir.filePath(indexName()));
    m_lock->unlock();
    m_lock.reset();
    m_written.clear();
    QDir().rmdir(m_session);
    // The journal folder itself goes too once no other run uses it.
    QDir().rmdir(m_folder);
}

bool RecoveryJournal::Orphan::hasModified() const
{
    return std::any_of(entries.cbegin(), entries.cend(),
                       [](const JournalEntry &e) { return e.modified; });
}

QList<RecoveryJournal::Orphan> RecoveryJournal::takeOrphans(const QString &folder)
{
    QList<Orphan> orphans;
    const QDir dir(folder);
    const QFileInfoList sessions =
        dir.entryInfoList({SessionPrefix + u'*'}, QDir::Dirs | QDir::NoDotAndDotDot, QDir::Time);
    for (auto it = sessions.crbegin(); it != sessions.crend(); ++it) {
        if (it->isSymLink())
            continue;
        const QString session = it->absoluteFilePath();
        std::shared_ptr<QLockFile> lock = lockIn(session);
        // Held by a copy that still runs: its journal is its own.
        if (!lock->tryLock(0))
            continue;
        Orphan orphan{session, {}, lock};
        QByteArray index;
        QString reason;
        if (FileBytes::read(QDir(session).filePath(indexName()), &index, &reason, MaxIndexSize)) {
            const QJsonArray list = QJsonDocument::fromJson(index)
                                        .object()
                                        .value(QStringLiteral("documents"))
                                        .toArray();
            for (const QJsonValue &value : list) {
                const QJsonObject o = value.toObject();
                JournalEntry e = fromJson(o);
                if (e.identity.isEmpty())
                    continue;
                const QString textFile = o.value(QStringLiteral("text")).toString();
                if (e.modified) {
                    // A text that cannot be read leaves the document as a plain entry.
                    e.withText =
                        isTextFileName(textFile) &&
                        FileBytes::read(QDir(session).filePath(textFile), &e.bytes, &reason);
                    e.modified = e.withText;
                }
                orphan.entries.append(e);
            }
        }
        orphans.append(orphan);
    }
    return orphans;
}

void RecoveryJournal::discard(const Orphan &orphan)
{
    const QDir dir(orphan.folder);
    for (const QString &name : dir.entryList({QStringLiteral("*.text")}, QDir::Files))
        QFile::remove(dir.filePath(name));
    QFile::remove(dir.filePath(indexName()));
    if (orphan.lock)
        orphan.lock->unlock();
    // Whatever else lies there is not ours to delete; the folder stays then.
    QDir().rmdir(orphan.folder);
}
