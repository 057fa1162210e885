#include "find/filesreplace.h"

#include "base/filebytes.h"
#include "files/savechecks.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>

namespace {

// Paths that lead to the same file are one file.
QString identity(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

// Long lists are cut in the summary; a message box is no place for thousands of lines.
constexpr int ChangedShown = 20;
constexpr int FailedShown = 50;

QString counted(qsizetype n, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

} // namespace

FileReplaceResult replaceInFile(const QString &path, const ByteReplace::Options &options)
{
    FileReplaceResult result{path, 0, {}};
    if (!QFileInfo::exists(path)) {
        result.failure = QStringLiteral("doesn't exist and can't be searched");
        return result;
    }
    QByteArray bytes;
    if (!FileBytes::read(path, &bytes, &result.failure))
        return result;
    ByteReplace::Outcome outcome = ByteReplace::replace(bytes, options);
    if (!outcome.failure.isEmpty()) {
        result.failure = outcome.failure;
        return result;
    }
    if (outcome.count == 0)
        return result;
    // A page the user made read-only is not written over behind their back.
    if (SaveChecks::isReadOnly(path)) {
        result.failure = QStringLiteral("the file is read-only");
        return result;
    }
    if (FileBytes::write(path, outcome.bytes, &result.failure))
        result.count = outcome.count;
    return result;
}

QString ReplaceSummary::text() const
{
    QString out = QStringLiteral("%1 in %2 of %3.")
                      .arg(counted(replacements, "replacement", "replacements"))
                      .arg(changed.size())
                      .arg(counted(searched + failed.size(), "file", "files"));
    if (!changed.isEmpty()) {
        out += QStringLiteral("\n\nChanged:");
        for (qsizetype i = 0; i < changed.size() && i < ChangedShown; ++i)
            out += QStringLiteral("\n %1 (%2)").arg(changed[i].path).arg(changed[i].count);
        if (changed.size() > ChangedShown)
            out += QStringLiteral("\n and %1 more").arg(changed.size() - ChangedShown);
    }
    if (!failed.isEmpty()) {
        out += QStringLiteral("\n\nNot changed:");
        for (qsizetype i = 0; i < failed.size() && i < FailedShown; ++i)
            out += QStringLiteral("\n %1: %2").arg(failed[i].path, failed[i].failure);
        if (failed.size() > FailedShown)
            out += QStringLiteral("\n and %1 more").arg(failed.size() - FailedShown);
    }
    if (cancelled)
        out += QStringLiteral("\n\nCancelled: %1 not searched.")
                   .arg(counted(notReached.size(), "file was", "files were"));
    return out;
}

FilesReplaceRun::FilesReplaceRun(const QStringList &paths, ByteReplace::Options options,
                                 int threads, QObject *parent)
    : QObject(parent), m_options(std::move(options))
{
    QSet<QString> seen;
    for (const QString &path : paths)
        if (!seen.contains(identity(path))) {
            seen.insert(identity(path));
            m_paths << path;
        }
    m_results.resize(size_t(m_paths.size()));
    m_reached.assign(size_t(m_paths.size()), 0);
    // Reading, writing and flushing wait on the disk: a few more workers than cores keep
    // the cores busy meanwhile.
    m_pool.setMaxThreadCount(threads > 0 ? threads : qMax(4, 2 * QThread::idealThreadCount()));
}

FilesReplaceRun::~FilesReplaceRun()
{
    cancel();
    m_pool.waitForDone();
}

void FilesReplaceRun::start()
{
    if (m_paths.isEmpty()) {
        Q_EMIT finished(summary());
        return;
    }
    for (qsizetype i = 0; i < m_paths.size(); ++i) {
        m_pool.start([this, i] {
            if (!m_cancelled.load()) {
                m_reached[size_t(i)] = 1;
                m_results[size_t(i)] = replaceInFile(m_paths.at(i), m_options);
            }
            QMetaObject::invokeMethod(this, &FilesReplaceRun::fileDone, Qt::QueuedConnection);
        });
    }
}

void FilesReplaceRun::cancel()
{
    m_cancelled = true;
}

void FilesReplaceRun::fileDone()
{
    ++m_done;
    Q_EMIT progress(m_done, total());
    if (m_done == total())
        Q_EMIT finished(summary());
}

ReplaceSummary FilesReplaceRun::summary() const
{
    ReplaceSummary s;
    s.cancelled = m_cancelled.load();
    for (size_t i = 0; i < m_results.size(); ++i) {
        if (!m_reached[i]) {
            s.notReached << m_paths.at(qsizetype(i));
            continue;
        }
        const FileReplaceResult &r = m_results[i];
        if (!r.failure.isEmpty()) {
            s.failed << r;
            continue;
        }
        ++s.searched;
        if (r.count > 0) {
            s.changed << r;
            s.replacements += r.count;
        }
    }
    // A run cancelled after its last file had started reached everything.
    s.cancelled = s.cancelled && !s.notReached.isEmpty();
    return s;
}
