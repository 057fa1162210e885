#include "base/programcommand.h"

#include <QFileInfo>
#include <QProcess>

ProgramCommand ProgramCommand::parse(const QString &text,
                                     const std::function<bool(const QString &)> &isFile)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {};
    if (isFile(trimmed))
        return {trimmed, {}};
    QStringList words = QProcess::splitCommand(trimmed);
    if (words.isEmpty())
        return {};
    const QString program = words.takeFirst();
    return {program, words};
}

ProgramCommand ProgramCommand::parse(const QString &text)
{
    return parse(text, [](const QString &path) { return QFileInfo(path).isFile(); });
}
