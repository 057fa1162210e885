#include "files/recentfiles.h"

#include "base/settingsfile.h"
#include "base/storednames.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString Section = QString::fromLatin1(Sections::Oldies);
} // namespace

QString RecentFiles::slot(int n) const
{
    return StoredNames::unescape(m_settings.readString(Section, QString::number(n)));
}

void RecentFiles::setSlot(int n, const QString &value)
{
    m_settings.writeString(Section, QString::number(n), StoredNames::escape(value));
}

void RecentFiles::add(const QString &name)
{
    const QString full = QFileInfo(name).absoluteFilePath();
    // One write of the settings file for the whole move, not one per slot.
    SettingsFile::Batch batch(m_settings);
    QString carried = full;
    for (int n = 1; n <= Slots; ++n) {
        QString old = slot(n);
        // Names are compared exactly: on a case-sensitive file system they are different files.
        if (old == full)
            old = Marker;
        setSlot(n, carried);
        carried = old;
    }
}

int RecentFiles::shownCount() const
{
    const int shown = m_settings.read(Keys::Qrf);
    return shown <= 0 ? 9 : std::min(shown, Slots);
}

QStringList RecentFiles::prunedEntries(const Exists &exists)
{
    const int shown = shownCount();
    SettingsFile::Batch batch(m_settings);
    QStringList entries;
    for (int n = 1; n <= shown;) {
        const QString path = slot(n);
        if (path.isEmpty())
            break;
        // The marker and other names that are not full paths never name a file.
        if (QDir::isAbsolutePath(path) && exists(path)) {
            entries << path;
            ++n;
            continue;
        }
        // The entries behind it move up; the slot after the shown ones is emptied.
        for (int m = n; m <= shown; ++m)
            setSlot(m, slot(m + 1));
        if (shown < Slots)
            setSlot(shown + 1, QString());
    }
    return entries;
}

QString RecentFiles::menuCaption(int n, const QString &path)
{
    // A long name keeps its start and its file name; line breaks and tabs show as blanks.
    constexpr qsizetype MaxShown = 80;
    QString shown = path;
    if (shown.size() > MaxShown)
        shown = shown.left(24) + QStringLiteral("…") + shown.right(MaxShown - 25);
    for (QChar &c : shown)
        if (c == u'\n' || c == u'\r' || c == u'\t')
            c = u' ';
    shown.replace(u'&', QStringLiteral("&&")); // a "&" in a path is no accelerator
    if (n <= 9)
        return QStringLiteral("  &%1 %2").arg(n).arg(shown);
    return QStringLiteral("%1 %2").arg(n).arg(shown);
}
