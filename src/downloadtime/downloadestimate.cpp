#include "downloadtime/downloadestimate.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QUrl>

#include <algorithm>

#include <cmath>

namespace DownloadEstimate {

namespace {

const LineSpeed Speeds[] = {
    {"14.4 k", "modem", 1440}, {"28.8 k", "modem", 2880}, {"33.6 k", "modem", 3360},
    {"56 k", "modem", 5600},   {"64 k", "ISDN", 6400},    {"128 k", "ISDN", 12800},
    {"256 k", "DSL", 25600},   {"500 k", "Cable", 50000}, {"512 k", "DSL", 51200},
    {"1.54 m", "T1", 154000},  {"44.7 m", "T3", 4470000},
};

void collect(const QString &line, QLatin1StringView attribute, QStringList *values)
{
    qsizetype from = 0;
    while ((from = line.indexOf(attribute, from, Qt::CaseInsensitive)) >= 0) {
        const qsizetype start = from + attribute.size();
        const qsizetype end = line.indexOf(QLatin1Char('"'), start);
        if (end < 0)
            return;
        values->append(line.mid(start, end - start));
        from = end + 1;
    }
}

bool isWebAddress(const QString &reference)
{
    // A scheme of two letters or more ("http:", "mailto:"); one letter is a drive.
    const qsizetype colon = reference.indexOf(QLatin1Char(':'));
    if (colon >= 2) {
        const QStringView scheme = QStringView(reference).left(colon);
        if (std::all_of(scheme.begin(), scheme.end(),
                        [](QChar c) { return c.isLetterOrNumber() || c == u'+' || c == u'-'; }))
            return true;
    }
    return reference.startsWith(QLatin1String("//"));
}

QString withoutQuery(QString reference)
{
    const qsizetype cut = reference.indexOf(QRegularExpression(QStringLiteral("[?#]")));
    return cut < 0 ? reference : reference.left(cut);
}

} // namespace

std::span<const LineSpeed> lineSpeeds()
{
    return Speeds;
}

QStringList references(const QString &text)
{
    QStringList values;
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    for (const QString &line : lines) {
        collect(line, QLatin1StringView("background=\""), &values);
        collect(line, QLatin1StringView("src=\""), &values);
    }
    return values;
}

QString fileName(const QString &reference)
{
    QString path = withoutQuery(reference.trimmed());
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    // The name as it is on disk: "My%20Pic.gif" is the file "My Pic.gif".
    return QUrl::fromPercentEncoding(path.mid(path.lastIndexOf(QLatin1Char('/')) + 1).toUtf8());
}

QString resolve(const QString &reference, const QString &pageFolder)
{
    QString value = reference.trimmed();
    if (value.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        const QUrl url(value.replace(QLatin1Char('\\'), QLatin1Char('/')));
        return url.isLocalFile() ? QDir::cleanPath(url.toLocalFile()) : QString();
    }
    if (isWebAddress(value))
        return {};
    value = QUrl::fromPercentEncoding(withoutQuery(value).toUtf8());
    value.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (QDir::isAbsolutePath(value))
        return QDir::cleanPath(value);
    if (pageFolder.isEmpty())
        return {};
    return QDir::cleanPath(QDir(pageFolder).filePath(value));
}

QList<FileRow> measure(const QString &documentName, qint64 documentBytes, const QString &text,
                       const QString &pageFolder)
{
    QList<FileRow> rows{{documentName, QString(), FileState::Found, documentBytes}};
    for (const QString &reference : references(text)) {
        const QString name = fileName(reference);
        if (name.isEmpty())
            continue; // names a folder, not a file
        FileRow row{name, resolve(reference, pageFolder), FileState::Missing, -1};
        const QFileInfo info(row.path);
        if (!row.path.isEmpty() && info.isFile()) {
            if (info.isReadable()) {
                row.state = FileState::Found;
                row.size = info.size();
            } else {
                row.state = FileState::Unreadable;
            }
        }
        rows.append(row);
    }
    return rows;
}

qint64 totalSize(const QList<FileRow> &rows)
{
    qint64 total = 0;
    for (const FileRow &row : rows)
        if (row.state == FileState::Found)
            total += row.size;
    return total;
}

QString timeText(qint64 bytes, int rate, bool roundSeconds)
{
    const double t = double(bytes) / rate;
    // Rounding before splitting keeps 59.6 seconds from showing as 0:00:60.
    const qint64 seconds = t < 0.01 ? 0 : qint64(roundSeconds ? std::llround(t) : std::floor(t));
    const qint64 minutes = seconds / 60;
    return QStringLiteral("%1:%2:%3")
        .arg(minutes / 60)
        .arg(minutes % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QStringList sizeLines(qint64 bytes)
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    return {english.toString(double(bytes) / 1048576, 'f', 1),
            english.toString(double(bytes) / 1024, 'f', 1), english.toString(bytes)};
}

} // namespace DownloadEstimate
