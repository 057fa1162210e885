#include "base/programdata.h"

#include <QDir>
#include <QFileInfo>

namespace ProgramData {

QString folder(const QString &executableDir)
{
    return folder(executableDir, QStringLiteral(QM_DATA_FROM_BIN),
                  QStringLiteral(QM_SOURCE_DATA_DIR));
}

QString folder(const QString &executableDir, const QString &installedRelative,
               const QString &sourceDir)
{
    const QString installed = QDir(executableDir).absoluteFilePath(installedRelative);
    if (QFileInfo(installed).isDir())
        return QDir::cleanPath(installed);
    return QDir::cleanPath(sourceDir);
}

} // namespace ProgramData
