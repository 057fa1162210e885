#include "shell/commandline.h"

#include <QDir>
#include <QFileInfo>

CommandLine CommandLine::parse(const QStringList &words)
{
    CommandLine line;
    if (words.size() == 1) {
        const QString &only = words.front();
        if (only == QLatin1String("--help") || only == QLatin1String("-h")) {
            line.action = Action::Help;
            return line;
        }
        if (only == QLatin1String("--version")) {
            line.action = Action::Version;
            return line;
        }
    }
    line.fileName = words.join(u' ');
    line.words = words;
    return line;
}

QStringList CommandLine::fileNames(const QString &workingDir) const
{
    if (fileName.isEmpty())
        return {};
    const QDir dir(workingDir);
    if (words.size() < 2 || QFileInfo(dir, fileName).isFile())
        return {fileName};
    QStringList files;
    for (const QString &word : words) {
        const QFileInfo info(dir, word);
        if (!info.isFile())
            return {fileName};
        files << QDir::cleanPath(info.absoluteFilePath());
    }
    return files;
}

QString CommandLine::helpText()
{
    return QStringLiteral("Usage: quillmark [FILE]\n"
                          "Opens FILE in Quillmark, an editor for hand-written HTML. Words of a\n"
                          "name with blanks may be given unquoted. When Quillmark is already\n"
                          "running, the file opens in the running copy.\n"
                          "\n"
                          "  --help     show this text and exit\n"
                          "  --version  show the version and exit\n");
}
