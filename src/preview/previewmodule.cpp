#include "preview/previewmodule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace {

CreateInternalPreview loaded = nullptr;

// Beside the program (the build tree), then where the module is installed: first relative
// to the program, so that a package installed under another prefix finds it.
QStringList candidates()
{
    const QString name = QString::fromLatin1(InternalPreviewModuleName);
    const QDir programDir(QCoreApplication::applicationDirPath());
    QStringList paths;
    paths << programDir.filePath(name);
#ifdef QM_PREVIEW_MODULE_FROM_BIN
    paths << QDir::cleanPath(programDir.filePath(QStringLiteral(QM_PREVIEW_MODULE_FROM_BIN)) +
                             u'/' + name);
#endif
#ifdef QM_PREVIEW_MODULE_DIRS
    for (const QString &dir : QString::fromUtf8(QM_PREVIEW_MODULE_DIRS).split(u'|'))
        if (!dir.isEmpty())
            paths << QDir(dir).filePath(name);
#endif
    return paths;
}

} // namespace

CreateInternalPreview PreviewModule::factory(QString *reason)
{
    if (loaded)
        return loaded;
    QString firstError;
    for (const QString &path : candidates()) {
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
        delete library;
    }
    *reason = firstError;
    return nullptr;
}

bool PreviewModule::isLoaded()
{
    return loaded != nullptr;
}
