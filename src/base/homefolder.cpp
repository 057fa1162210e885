#include "base/homefolder.h"

#include "base/ownfiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

QString HomeFolder::choose(const QString &executableDir, const QString &userDataDir)
{
    const QFileInfo settings(QDir(executableDir), QStringLiteral("quillm.ini"));
    if (!executableDir.isEmpty() && settings.isFile())
        return QDir::cleanPath(settings.absolutePath());
    return QDir::cleanPath(userDataDir);
}

namespace {

// The platform's documents folder, or the home directory where there is none.
QString userDocuments()
{
    const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !docs.isEmpty() && QFileInfo(docs).isDir() ? docs : QDir::homePath();
}

} // namespace

HomeFolder::HomeFolder(QString path, QString documentsDir)
    : m_path(QDir::cleanPath(path)),
      m_documents(QDir::cleanPath(documentsDir.isEmpty() ? userDocuments() : documentsDir))
{
}

QString HomeFolder::file(const QString &name) const
{
    return m_path + u'/' + name;
}

bool HomeFolder::createFolders(QString *error) const
{
    for (const QString &dir : {m_path, dataDir(), templateDir(), libraryDir()}) {
        if (QFileInfo(dir).isDir())
            continue;
        // Only this user may look into what the program keeps: 0700.
        if (!OwnFiles::makeFolder(dir)) {
            if (error) {
                *error = QFileInfo(dir).exists()
                             ? QStringLiteral("%1 exists but is not a folder.").arg(dir)
                             : QStringLiteral("The folder %1 could not be created.").arg(dir);
            }
            return false;
        }
    }
    return true;
}

void HomeFolder::copyShippedData(const QString &shippedDir) const
{
    const QDir source(shippedDir);
    if (shippedDir.isEmpty() || !source.exists())
        return;
    // The shipped templates are a start for an empty template folder; a template the user
    // deleted stays deleted.
    const bool hasTemplates = !QDir(templateDir()).entryList(QDir::Files | QDir::Hidden).isEmpty();
    QDirIterator it(shippedDir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString relative = source.relativeFilePath(from);
        if (relative.startsWith(QLatin1String("help/")))
            continue;
        if (hasTemplates && relative.startsWith(QLatin1String("template/")))
            continue;
        const QString to = file(relative);
        if (QFileInfo::exists(to))
            continue;
        OwnFiles::makeFolder(QFileInfo(to).absolutePath());
        QFile::copy(from, to);
    }
}
