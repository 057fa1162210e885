#include "shell/startupsteps.h"

#include "base/prompter.h"
#include "base/settingsfile.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>

#include <algorithm>

namespace StartupSteps {

void handOver(SettingsFile &settings, Prompter &prompter, const QString &name,
              const QString &workingDir)
{
    if (name.isEmpty())
        return;
    // The running copy may have another working folder: hand over a full path.
    const QFileInfo info(QDir(workingDir), name);
    if (info.isFile() && info.isReadable()) {
        settings.write(Keys::Hello, QDir::cleanPath(info.absoluteFilePath()));
        return;
    }
    settings.write(Keys::Hello, QString());
    prompter.inform(name + QStringLiteral(" could not be opened"));
}

void prepareSettings(SettingsFile &settings)
{
    SettingsFile::Batch batch(settings);
    if (settings.read(Keys::State).isEmpty())
        settings.write(Keys::State, QStringLiteral("max"));
    settings.write(Keys::Count, 0);
    settings.eraseSection(QString::fromLatin1(Sections::CleanUp));
    settings.eraseSection(QString::fromLatin1(Sections::ObsoleteA));
    settings.eraseSection(QString::fromLatin1(Sections::ObsoleteB));
}

void fixUpSpellingConfig(const QString &configPath, const QString &homeFolder)
{
    QFile in(configPath);
    if (!in.open(QIODevice::ReadOnly))
        return;
    const QByteArray original = in.readAll();
    in.close();

    static const QByteArray word = QByteArrayLiteral("REMOVE");
    const QByteArray folder = (homeFolder.endsWith(u'/') ? homeFolder : homeFolder + u'/').toUtf8();
    QByteArray result;
    result.reserve(original.size() + folder.size());
    qsizetype lineStart = 0;
    while (lineStart < original.size()) {
        qsizetype end = original.indexOf('\n', lineStart);
        end = end < 0 ? original.size() : end + 1;
        QByteArray line = original.mid(lineStart, end - lineStart);
        const qsizetype at = line.indexOf(word);
        if (at >= 0) {
            QByteArray ending;
            while (!line.isEmpty() && (line.endsWith('\n') || line.endsWith('\r'))) {
                ending.prepend(line.back());
                line.chop(1);
            }
            line = line.left(at) + folder + line.mid(at + word.size(), 300) + ending;
        }
        result += line;
        lineStart = end;
    }
    if (result == original)
        return;
    QSaveFile out(configPath);
    if (out.open(QIODevice::WriteOnly) && out.write(result) == result.size())
        out.commit();
}

void deleteTemporaryFiles(const SettingsFile &settings)
{
    const QString section = QString::fromLatin1(Sections::CleanUp);
    // Bounded by the entries there are: a hand-edited count would keep the end waiting.
    const int count = std::min(settings.read(Keys::CleanUpCount), settings.keyCount(section));
    for (int i = 1; i <= count; ++i) {
        const QString path = settings.readString(section, QString::number(i));
        if (!path.isEmpty() && QFileInfo(path).isFile())
            QFile::remove(path);
    }
}

QString dateLabelText(const QDate &date, const QLocale &locale)
{
    return locale.dayName(date.dayOfWeek(), QLocale::LongFormat) + QStringLiteral(", ") +
           locale.toString(date, QLocale::ShortFormat) + QStringLiteral("  ");
}

} // namespace StartupSteps
