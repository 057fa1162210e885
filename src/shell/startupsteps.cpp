#include "shell/startupsteps.h"

#include "base/filebytes.h"
#include "base/prompter.h"
#include "base/settingsfile.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>

namespace StartupSteps {

QStringList filesToOpen(Prompter &prompter, const QStringList &names, const QString &workingDir)
{
    QStringList files;
    for (const QString &name : names) {
        if (name.isEmpty())
            continue;
        // The running copy may have another working folder: hand over a full path.
        const QFileInfo info(QDir(workingDir), name);
        const QString full = QDir::cleanPath(info.absoluteFilePath());
        QString reason;
        if (FileBytes::isReadable(full, &reason)) {
            files << full;
            continue;
        }
        // The system's bytes of such a name are lost on the way in: say so rather than
        // "does not exist".
        if (name.contains(QChar::ReplacementCharacter))
            reason = QStringLiteral("its name is not valid UTF-8");
        prompter.inform(name + QStringLiteral(" could not be opened: ") + reason);
    }
    return files;
}

std::function<void(const QString &)> reportSettingsErrorsOnce(Prompter &prompter)
{
    return [&prompter, shown = false](const QString &message) mutable {
        if (!std::exchange(shown, true))
            prompter.error(message);
    };
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
    // Only a regular file is read: a pipe of that name must not hold up the start.
    QByteArray original;
    QString reason;
    if (!QFileInfo(configPath).isFile() || !FileBytes::read(configPath, &original, &reason))
        return;

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
    FileBytes::write(configPath, result, &reason);
}

} // namespace StartupSteps
