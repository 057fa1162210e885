// Replace in multiple files against sed: a generated tree of 5,000 pages of 20 KB with a few
// hits each, replaced by the program's run (every core, atomic writes that are flushed to the
// disk) and by `sed -i` over the same tree, on fresh copies, alternating, in the same run.
// Prints the median time and throughput of each; never fails on time.
//
// usage: bench_multireplace [PAGES] [RUNS]   (defaults 5000 and 3)

#include "find/filesreplace.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr qint64 PageBytes = 20 * 1000;
constexpr int PagesPerFolder = 100;

// About 20 KB of markup in CR LF lines with five hits of "oldword".
QByteArray page(int number)
{
    QByteArray text = "<html>\r\n<head><title>Page " + QByteArray::number(number) +
                      "</title></head>\r\n<body>\r\n";
    for (int line = 0; text.size() < PageBytes - 40; ++line)
        text += (line % 40 == 7 ? QByteArray("<p>The oldword stays <b>here</b>, line ")
                                : QByteArray("<p>Plain text in a paragraph, line ")) +
                QByteArray::number(line) + " caf\xC3\xA9.</p>\r\n";
    return text + "</body>\r\n</html>\r\n";
}

QStringList makeTree(const QString &root, int pages, qint64 *bytes)
{
    QStringList paths;
    *bytes = 0;
    for (int i = 0; i < pages; ++i) {
        const QString folder = QStringLiteral("%1/f%2").arg(root).arg(i / PagesPerFolder);
        if (i % PagesPerFolder == 0)
            QDir().mkpath(folder);
        const QString path = QStringLiteral("%1/p%2.htm").arg(folder).arg(i);
        QFile f(path);
        const QByteArray text = page(i);
        if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size())
            qFatal("cannot write %s", qPrintable(path));
        *bytes += text.size();
        paths << path;
    }
    return paths;
}

double runProgram(const QStringList &paths, qint64 *replacements)
{
    QElapsedTimer clock;
    clock.start();
    FilesReplaceRun run(paths, {QStringLiteral("oldword"), QStringLiteral("newword"), true, true});
    QEventLoop loop;
    ReplaceSummary summary;
    QObject::connect(&run, &FilesReplaceRun::finished, &loop, [&](const ReplaceSummary &s) {
        summary = s;
        loop.quit();
    });
    run.start();
    loop.exec();
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    *replacements = summary.replacements;
    if (!summary.failed.isEmpty())
        std::printf("  %lld files failed, e.g. %s\n", qint64(summary.failed.size()),
                    qPrintable(summary.failed.first().failure));
    return seconds;
}

double runSed(const QString &root)
{
    QElapsedTimer clock;
    clock.start();
    QProcess shell;
    shell.start(QStringLiteral("sh"),
                {QStringLiteral("-c"),
                 QStringLiteral("find \"$0\" -name '*.htm' -print0 | xargs -0 sed -i "
                                "'s/oldword/newword/g'"),
                 root});
    if (!shell.waitForFinished(-1) || shell.exitCode() != 0)
        return -1;
    return double(clock.nsecsElapsed()) / 1e9;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int pages = argc > 1 ? QByteArray(argv[1]).toInt() : 5000;
    const int runs = argc > 2 ? QByteArray(argv[2]).toInt() : 3;
    const bool haveSed =
        QProcess::execute(QStringLiteral("sh"),
                          {QStringLiteral("-c"), QStringLiteral("command -v sed >/dev/null")}) == 0;
    QTemporaryDir dir;
    std::vector<double> ours, sed;
    qint64 bytes = 0, replacements = 0;
    for (int i = 0; i < runs; ++i) {
        {
            const QString root = dir.filePath(QStringLiteral("ours%1").arg(i));
            const QStringList paths = makeTree(root, pages, &bytes);
            ours.push_back(runProgram(paths, &replacements));
            QDir(root).removeRecursively();
        }
        if (haveSed) {
            const QString root = dir.filePath(QStringLiteral("sed%1").arg(i));
            makeTree(root, pages, &bytes);
            sed.push_back(runSed(root));
            QDir(root).removeRecursively();
        }
    }
    const double mb = double(bytes) / 1e6;
    std::printf("Replace in %d files of 20 KB (%.0f MB, %lld replacements), %d cores, medians "
                "of %d runs (target: at least sed's throughput):\n",
                pages, mb, replacements, QThread::idealThreadCount(), runs);
    std::printf("  program: %7.3f s  %7.1f MB/s\n", median(ours), mb / median(ours));
    if (haveSed)
        std::printf("  sed -i:  %7.3f s  %7.1f MB/s\n", median(sed), mb / median(sed));
    else
        std::printf("  sed -i:  not installed\n");
    return 0;
}
