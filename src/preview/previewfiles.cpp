#include "preview/previewfiles.h"

#include "base/filebytes.h"
#include "base/ownfiles.h"
#include "base/temporaryfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

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

// The mode of the page the preview copies, so that a private page's copy is private too; an
// Untitled page's copy is the user's alone.
int modeFor(const QString &identity)
{
    struct stat st;
    if (identity.contains(u'/') && ::stat(QFile::encodeName(identity).constData(), &st) == 0 &&
        S_ISREG(st.st_mode))
        return int(st.st_mode & 0666);
    return 0600;
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
        // A name this run wrote is taken again only while it is still exactly that file: a
        // page the user saved under it since is the user's.
        if (m_registry.contains(candidate) ? m_registry.isUnchanged(candidate)
                                           : OwnFiles::kindAt(candidate) == OwnFiles::Kind::Absent)
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
    const QByteArray bytes = content(viewer, documentBytes);
    // A new file renamed into place: a link or a second hard link at the name is replaced,
    // never written through.
    if (!FileBytes::writeFresh(path, bytes, modeFor(identity), &reason))
        return {{},
                QStringLiteral("The preview file %1 could not be written: %2")
                    .arg(QDir::toNativeSeparators(path), reason)};
    m_registry.add(path, bytes);
    return {path, {}};
}
