#include "base/programdata.h"

#include <QDir>
#include <QFileInfo>

namespace ProgramData {

QString buildTree()
{
    return QStringLiteral(QM_BUILD_DIR);
}

QString folder(const QString &executableDir)
{
    return folder(executableDir, QStringLiteral(QM_DATA_FROM_BIN),
                  QStringLiteral(QM_SOURCE_DATA_DIR), buildTree());
}

QString folder(const QString &executableDir, const QString &installedRelative,
               const QString &sourceDir, const QString &buildDir)
{
    const QString installed =
        QDir::cleanPath(QDir(executableDir).absoluteFilePath(installedRelative));
    if (QFileInfo(installed).isDir() || !runsFromBuildTree(executableDir, buildDir))
        return installed;
    return QDir::cleanPath(sourceDir);
}

bool runsFromBuildTree(const QString &executableDir)
{
    return runsFromBuildTree(executableDir, buildTree());
}

bool runsFromBuildTree(const QString &executableDir, const QString &buildDir)
{
    if (buildDir.isEmpty())
        return false;
    const QString build = QFileInfo(buildDir).canonicalFilePath();
    const QString program = QFileInfo(executableDir).canonicalFilePath();
    return !build.isEmpty() && !program.isEmpty() &&
           (program == build || program.startsWith(build + u'/'));
}

} // namespace ProgramData
