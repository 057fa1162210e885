#include "preview/previewfiles.h"

#include "base/filebytes.h"
#include "base/temporaryfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Enough tries for any folder a person keeps; past it the last name is reported as taken.
constexpr int MaxAlternatives = 100;

QByteArray lineEndingOf(const QByteArray &bytes)
{
    switch (FileBytes::detectLineEnding(bytes, FileBytes::LineEnding::Lf)) {
    case FileBytes::LineEnding::CrLf:
        return QByteArrayLiteral("\r\n");
    case FileBytes::LineEnding::Cr:
        return QByteArrayLiteral("\r");
    case FileBytes::LineEnding::Lf:
        break;
    }
    return QByteArrayLiteral("\n");
}

QByteArray titleLine(int viewer)
{
    return "<Title>Quillmark Preview " + QByteArray::number(viewer) + "</Title>";
}

// A preview left behind by a run that ended without cleaning up: its first line is the
// preview's own title line, which no page of the user's starts with.
bool isLeftOver(const QString &path, int viewer)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.isSymLink())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray start = file.read(64);
    if (start.startsWith("\xEF\xBB\xBF"))
        start.remove(0, 3);
    const QByteArray title = titleLine(viewer);
    return start.startsWith(title) && (start.size() == title.size() ||
                                       start[title.size()] == '\r' || start[title.size()] == '\n');
}

} // namespace

QString PreviewFiles::folderFor(const QString &identity) const
{
    if (!identity.contains(u'/'))
        return m_home;
    return QFileInfo(identity).absolutePath();
}

QString PreviewFiles::nameFor(const QString &folder, int viewer) const
{
    const QDir dir(folder);
    const QString base = QStringLiteral("_temp%1").arg(viewer);
    QString candidate;
    for (int n = 1; n <= MaxAlternatives; ++n) {
        candidate = dir.filePath(n == 1 ? base + QStringLiteral(".htm")
                                        : QStringLiteral("%1-%2.htm").arg(base).arg(n));
        const QFileInfo info(candidate);
        if (m_registry.contains(candidate) || (!info.exists() && !info.isSymLink()) ||
            isLeftOver(candidate, viewer))
            return candidate;
    }
    return {};
}

QByteArray PreviewFiles::content(int viewer, const QByteArray &documentBytes)
{
    static const QByteArray bom = QByteArrayLiteral("\xEF\xBB\xBF");
    const bool hasBom = documentBytes.startsWith(bom);
    QByteArray out;
    out.reserve(documentBytes.size() + 48);
    if (hasBom)
        out += bom;
    out += titleLine(viewer);
    out += lineEndingOf(documentBytes);
    out += hasBom ? documentBytes.mid(bom.size()) : documentBytes;
    return out;
}

PreviewFiles::Result PreviewFiles::write(const QString &identity, const QByteArray &documentBytes,
                                         int viewer)
{
    const QString folder = folderFor(identity);
    const QString path = nameFor(folder, viewer);
    if (path.isEmpty())
        return {{},
                QStringLiteral("No preview file could be made in %1: every name for it is taken")
                    .arg(QDir::toNativeSeparators(folder))};
    QString reason;
    if (!FileBytes::write(path, content(viewer, documentBytes), &reason))
        return {{},
                QStringLiteral("The preview file %1 could not be written: %2")
                    .arg(QDir::toNativeSeparators(path), reason)};
    m_registry.add(path);
    return {path, {}};
}
