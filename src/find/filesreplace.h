#pragma once

#include "find/bytereplace.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QThreadPool>

#include <atomic>
#include <vector>

// What became of one file of a multi-file replace.
struct FileReplaceResult
{
    QString path;
    qsizetype count = 0; // replacements written to the file
    QString failure;     // why the file was left as it was; empty when it was fine
};

// Reads one file, replaces, and writes it back only when something was replaced: a file
// without a hit keeps its bytes and its modification time. The write is atomic and keeps the
// file's owner and permissions; a read-only file is reported, never written over.
FileReplaceResult replaceInFile(const QString &path, const ByteReplace::Options &options);

// The end of a run: the files changed, the replacements, each failure with its reason, and
// on Cancel the files never reached.
struct ReplaceSummary
{
    QList<FileReplaceResult> changed;
    QList<FileReplaceResult> failed;
    QStringList notReached;
    qsizetype replacements = 0;
    int searched = 0;
    bool cancelled = false;

    QString text() const;
};

// One multi-file replace, run off the caller's thread on a pool of its own. Each path that
// leads to the same file is processed once. Cancel lets the files under way finish (none is
// left half-written) and skips the rest. Progress and the end are signalled on the thread
// that made the run. Destroying the run cancels it and waits for the files under way.
class FilesReplaceRun : public QObject
{
    Q_OBJECT

public:
    // threads: how many files are worked on at once; 0 for a default suited to the machine.
    FilesReplaceRun(const QStringList &paths, ByteReplace::Options options, int threads = 0,
                    QObject *parent = nullptr);
    ~FilesReplaceRun() override;

    void start();
    void cancel();
    // Waits for the files under way; after cancel() the run is then over.
    void wait() { m_pool.waitForDone(); }
    int total() const { return int(m_paths.size()); }
    // What has been done so far; complete once finished() was signalled or after wait().
    ReplaceSummary summary() const;

Q_SIGNALS:
    void progress(int done, int total);
    void finished(const ReplaceSummary &summary);

private:
    void fileDone();

    QStringList m_paths;
    ByteReplace::Options m_options;
    std::vector<FileReplaceResult> m_results; // one per path, each written by one worker
    std::vector<char> m_reached;
    std::atomic<bool> m_cancelled{false};
    int m_done = 0;
    QThreadPool m_pool;
};
