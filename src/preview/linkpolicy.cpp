#include "preview/linkpolicy.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace LinkPolicy {

namespace {

// Files with these extensions are never taken for programs, whatever their permissions say
// (files on some shared drives are all marked executable).
const QStringList DocumentSuffixes = {
    QStringLiteral("htm"), QStringLiteral("html"), QStringLiteral("shtml"), QStringLiteral("xhtml"),
    QStringLiteral("txt"), QStringLiteral("css"),  QStringLiteral("js"),    QStringLiteral("png"),
    QStringLiteral("gif"), QStringLiteral("jpg"),  QStringLiteral("jpeg"),  QStringLiteral("svg"),
    QStringLiteral("bmp"), QStringLiteral("ico"),  QStringLiteral("webp"),  QStringLiteral("wav"),
    QStringLiteral("mid"), QStringLiteral("midi"), QStringLiteral("avi"),   QStringLiteral("mp3"),
    QStringLiteral("ogg"), QStringLiteral("pdf"),  QStringLiteral("xml"),   QStringLiteral("qpj"),
};

bool isExternal(const QString &upper)
{
    // A scheme of two letters or more; "C:" of a drive path is one letter.
    const qsizetype colon = upper.indexOf(u':');
    return colon >= 2 && !upper.contains(QLatin1String("FILE:"));
}

// A "file:" address as a path, its query kept behind a "?" as parameter text.
QString plainLink(const QString &address)
{
    if (!address.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        return address;
    const QUrl url(address);
    QString text = url.toLocalFile();
    if (url.hasQuery())
        text += u'?' + url.query(QUrl::FullyDecoded);
    return text;
}

QString expanded(const QString &file, const QString &baseFolder)
{
    return file.isEmpty() ? QString() : QDir::cleanPath(QDir(baseFolder).absoluteFilePath(file));
}

void splitFileAndParameters(const QString &link, const QString &baseFolder, QString *file,
                            QString *parameters)
{
    const auto isFile = [&](const QString &part) {
        return QFileInfo(expanded(part, baseFolder)).isFile();
    };
    if (isFile(link)) {
        *file = link;
        parameters->clear();
        return;
    }
    // A folder name with blanks in it: the first blank that ends the name of an existing
    // file ends the file part.
    for (qsizetype at = link.indexOf(u' '); at > 0; at = link.indexOf(u' ', at + 1)) {
        if (isFile(link.left(at))) {
            *file = link.left(at);
            *parameters = link.mid(at + 1);
            return;
        }
    }
    splitParameters(link, file, parameters);
}

} // namespace

void splitParameters(const QString &link, QString *file, QString *parameters)
{
    qsizetype end = link.indexOf(u' ');
    if (end < 0)
        end = link.indexOf(u'?');
    if (end < 0) {
        *file = link;
        parameters->clear();
        return;
    }
    *file = link.left(end);
    *parameters = link.mid(end + 1);
}

bool isProgramFile(const QString &path)
{
    const QFileInfo info(path);
    const QString suffix = info.suffix().toLower();
    if (suffix == QLatin1String("exe"))
        return true;
    return info.isFile() && info.isExecutable() && !DocumentSuffixes.contains(suffix);
}

Decision classify(const QString &address, const QString &baseFolder,
                  bool (*isProgram)(const QString &path))
{
    const QString upper = address.toUpper();
    Decision d;
    if (isExternal(upper)) {
        if (upper.contains(QLatin1String("MAILTO:")) || upper.contains(QLatin1String("HTTP://")) ||
            upper.contains(QLatin1String("HTTPS://")) || upper.contains(QLatin1String("FTP://")))
            d.action = Action::Ignore;
        return d;
    }
    const QString link = plainLink(address);
    QString file, parameters;
    splitFileAndParameters(link, baseFolder, &file, &parameters);
    d.file = expanded(file, baseFolder);
    const QString suffix = QFileInfo(d.file).suffix().toUpper();
    if (suffix == QLatin1String("WAV")) {
        d.action = Action::Sound;
    } else if (suffix == QLatin1String("MID") || suffix == QLatin1String("AVI")) {
        d.action = Action::Media;
    } else if ((isProgram ? isProgram : isProgramFile)(d.file)) {
        d.action = Action::Program;
        d.parameters = QProcess::splitCommand(parameters);
    }
    return d;
}

} // namespace LinkPolicy
