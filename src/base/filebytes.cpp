#include "base/filebytes.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstring>

namespace FileBytes {

bool read(const QString &path, QByteArray *bytes, QString *reason)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        *reason = QStringLiteral("the file does not exist");
        return false;
    }
    if (info.isDir()) {
        *reason = QStringLiteral("it is a folder");
        return false;
    }
    if (info.size() > MaxSize) {
        *reason = QStringLiteral("the file is too large (%1 MB; at most %2 MB can be edited)")
                      .arg(info.size() >> 20)
                      .arg(MaxSize >> 20);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = file.errorString();
        return false;
    }
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *reason = file.errorString();
        return false;
    }
    return true;
}

bool write(const QString &path, const QByteArrayView &bytes, QString *reason)
{
    if (QFileInfo(path).isDir()) {
        *reason = QStringLiteral("it is a folder");
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *reason = file.errorString();
        return false;
    }
    if (file.write(bytes.data(), bytes.size()) != bytes.size()) {
        *reason = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *reason = file.errorString();
        return false;
    }
    return true;
}

LineEnding detectLineEnding(const QByteArrayView &bytes, LineEnding fallback)
{
    const char *data = bytes.data();
    const qsizetype n = bytes.size();
    if (n == 0)
        return fallback;
    // memchr for both bytes keeps this fast on huge one-line files.
    const void *lf = std::memchr(data, '\n', size_t(n));
    const void *cr = std::memchr(data, '\r', size_t(n));
    if (!cr)
        return lf ? LineEnding::Lf : fallback;
    if (lf && lf < cr)
        return LineEnding::Lf;
    const auto at = static_cast<const char *>(cr) - data;
    return at + 1 < n && data[at + 1] == '\n' ? LineEnding::CrLf : LineEnding::Cr;
}

} // namespace FileBytes
