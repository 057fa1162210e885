#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

// Small shell scripts that stand in for browsers and helper programs: each records the
// arguments it was started with, one a line, in its own name plus ".args".
namespace ProgramScripts {

inline QString make(const QString &path, const QByteArray &extra = {})
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return {};
    f.write(
        "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args.part\"\nmv \"$0.args.part\" \"$0.args\"\n" +
        extra);
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

inline bool ran(const QString &script)
{
    return QFile::exists(script + QStringLiteral(".args"));
}

inline QStringList arguments(const QString &script)
{
    QFile f(script + QStringLiteral(".args"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(f.readAll()).split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace ProgramScripts
