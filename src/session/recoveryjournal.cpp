#include "session/recoveryjournal.h"

#include "base/filebytes.h"
#include "base/ownfiles.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSet>
#include <QStringDecoder>

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
    if (!e.baseHash.isEmpty()) {
        o.insert(QStringLiteral("baseHash"), QString::fromLatin1(e.baseHash.toHex()));
        o.insert(QStringLiteral("baseSize"), double(e.baseSize));
    }
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
    e.baseHash = QByteArray::fromHex(o.value(QStringLiteral("baseHash")).toString().toLatin1());
    e.baseSize =
        e.baseHash.isEmpty() ? -1 : qint64(o.value(QStringLiteral("baseSize")).toDouble(-1));
    return e;
}

// Texts and the list are the user's private pages: nobody else may read them.
constexpr int PrivateMode = 0600;

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
    // Made 0700, each missing folder on the way: only this user may look into the journal.
    if (!OwnFiles::makeFolder(session, reason))
        return false;
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
                if (!FileBytes::writeFresh(dir.filePath(textFile), e.bytes, PrivateMode, reason)) {
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
    if (!FileBytes::writeFresh(dir.filePath(indexName()), index, PrivateMode, reason)) {
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
        const QString session = it->absoluteFilePath();
        // Only a folder of this user's own, and a lock that is a regular file of its own or
        // none: a pipe there would hold the start for ever, a link would lead elsewhere.
        if (OwnFiles::kindAt(session) != OwnFiles::Kind::OwnFolder)
            continue;
        const OwnFiles::Kind lockKind = OwnFiles::kindAt(session + u'/' + LockName);
        if (lockKind != OwnFiles::Kind::Absent && lockKind != OwnFiles::Kind::OwnFile)
            continue;
        std::shared_ptr<QLockFile> lock = lockIn(session);
        // Held by a copy that still runs: its journal is its own.
        if (!lock->tryLock(0))
            continue;
        Orphan orphan{session, {}, lock};
        QByteArray index;
        QString reason;
        bool listed = false;
        if (FileBytes::readOwn(QDir(session).filePath(indexName()), &index, &reason,
                               MaxIndexSize)) {
            QJsonParseError error;
            const QJsonDocument document = QJsonDocument::fromJson(index, &error);
            const QJsonValue documents = document.object().value(QStringLiteral("documents"));
            listed = error.error == QJsonParseError::NoError && documents.isArray();
            for (const QJsonValue &value : documents.toArray()) {
                const QJsonObject o = value.toObject();
                JournalEntry e = fromJson(o);
                if (e.identity.isEmpty())
                    continue;
                const QString textFile = o.value(QStringLiteral("text")).toString();
                if (e.modified) {
                    // A text that cannot be read leaves the document as a plain entry.
                    e.withText =
                        isTextFileName(textFile) &&
                        FileBytes::readOwn(QDir(session).filePath(textFile), &e.bytes, &reason);
                    e.modified = e.withText;
                }
                orphan.entries.append(e);
            }
        }
        // A list that cannot be read loses the names, never the texts: each comes back as an
        // Untitled document.
        if (!listed)
            orphan.entries = unlistedTexts(session);
        orphans.append(orphan);
    }
    return orphans;
}

QList<JournalEntry> RecoveryJournal::unlistedTexts(const QString &session)
{
    QList<JournalEntry> entries;
    const QDir dir(session);
    int id = 1;
    for (const QString &name : dir.entryList({QStringLiteral("*.text")}, QDir::Files, QDir::Name)) {
        JournalEntry e;
        QString reason;
        if (!isTextFileName(name) || !FileBytes::readOwn(dir.filePath(name), &e.bytes, &reason))
            continue;
        e.id = id++;
        e.identity = QStringLiteral("Untitled (recovered text %1)").arg(name);
        e.modified = true;
        e.withText = true;
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString text = utf8.decode(e.bytes);
        Q_UNUSED(text);
        e.encoding = utf8.hasError() ? QStringLiteral("Windows-1252") : QStringLiteral("UTF-8");
        entries.append(e);
    }
    return entries;
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
