#include "preview/previewmodule.h"

#include "base/programdata.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace {

CreateInternalPreview loaded = nullptr;

} // namespace

QStringList PreviewModule::searchPaths(const QString &programFolder)
{
    const QString name = QString::fromLatin1(InternalPreviewModuleName);
    const QDir programDir(programFolder);
    QStringList paths;
    paths << QDir::cleanPath(programDir.filePath(name));
#ifdef QM_PREVIEW_MODULE_FROM_BIN
    paths << QDir::cleanPath(programDir.filePath(QStringLiteral(QM_PREVIEW_MODULE_FROM_BIN)) +
                             u'/' + name);
#endif
#ifdef QM_PREVIEW_MODULE_BUILD_DIR
    // Tests and the program run from the build tree find the module where it was built.
    if (ProgramData::runsFromBuildTree(programFolder))
        paths << QDir(QStringLiteral(QM_PREVIEW_MODULE_BUILD_DIR)).filePath(name);
#endif
    paths.removeDuplicates();
    return paths;
}

CreateInternalPreview PreviewModule::factory(QString *reason)
{
    if (loaded)
        return loaded;
    QString firstError;
    bool anyPresent = false;
    const QStringList paths = searchPaths(QCoreApplication::applicationDirPath());
    for (const QString &path : paths) {
        // The module stays loaded for the rest of the run: its window may be open.
        auto *library = new QLibrary(path);
        auto create =
            reinterpret_cast<CreateInternalPreview>(library->resolve(CreateInternalPreviewSymbol));
        if (create) {
            loaded = create;
            return loaded;
        }
        // A module that is there but fails to load says more than one that is missing.
        const QFileInfo info(path);
        const bool present =
            QFileInfo::exists(info.dir().filePath(QStringLiteral("lib%1.so").arg(info.fileName())));
        if (firstError.isEmpty() || present)
            firstError = library->errorString();
        anyPresent = anyPresent || present;
        delete library;
    }
    *reason = anyPresent ? firstError : missingReason(paths);
    return nullptr;
}

QString PreviewModule::missingReason(const QStringList &paths)
{
    QStringList files;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        files << QDir::toNativeSeparators(
            info.dir().filePath(QStringLiteral("lib%1.so").arg(info.fileName())));
    }
    return QStringLiteral("its module is not installed (looked for %1). Install the internal "
                          "preview's module with the program, or use a browser preview.")
        .arg(files.join(QStringLiteral(", ")));
}

bool PreviewModule::isLoaded()
{
    return loaded != nullptr;
}
