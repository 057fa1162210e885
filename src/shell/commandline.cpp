#include "shell/commandline.h"

#include <QDir>
#include <QFileInfo>

CommandLine CommandLine::parse(const QStringList &words)
{
    CommandLine line;
    if (!words.isEmpty() && words.front() == QLatin1String("--check")) {
        line.action = Action::Check;
        line.words = words.mid(1);
        return line;
    }
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
    if (words.size() < 2 || QFileInfo(QDir(workingDir), fileName).isFile())
        return {fileName};
    // Each word on its own: every file that is there opens, and each one that is not is
    // reported alone.
    QStringList files;
    for (const QString &word : words)
        if (!word.isEmpty())
            files << word;
    return files;
}

QString CommandLine::helpText()
{
    return QStringLiteral(
        "Usage: quillmark [FILE]\n"
        "       quillmark --check PAGE...\n"
        "Opens FILE in Quillmark, an editor for hand-written HTML. Words of a\n"
        "name with blanks may be given unquoted. When Quillmark is already\n"
        "running, the file opens in the running copy.\n"
        "\n"
        "  --help     show this text and exit\n"
        "  --version  show the version and exit\n"
        "  --check    check each PAGE without opening a window and print one\n"
        "             line per problem, PAGE:LINE:COLUMN: error: message (or\n"
        "             warning); exit status 1 when a page has an error, 2 when a\n"
        "             page cannot be read, else 0\n");
}
