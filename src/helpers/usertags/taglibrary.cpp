#include "helpers/usertags/taglibrary.h"

#include "base/filebytes.h"
#include "base/settingsfile.h"
#include "base/settingskeys.h"
#include "editor/cp1252.h"
#include "helpers/usertags/taglistfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {
// Nine digits keep every number within an int, as "libs" is stored.
constexpr int MaxDigits = 9;
constexpr qint64 MaxNumber = 999999999;
} // namespace

TagLibrary::TagLibrary(QString folder) : m_folder(std::move(folder)) {}

bool TagLibrary::isItemName(QStringView name)
{
    if (name.isEmpty() || name.size() > MaxDigits)
        return false;
    return std::all_of(name.begin(), name.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

QString TagLibrary::itemPath(QStringView name) const
{
    return isItemName(name) ? QDir(m_folder).filePath(name.toString()) : QString();
}

bool TagLibrary::readItem(const QString &name, QString *text, QString *reason) const
{
    const QString path = itemPath(name);
    if (path.isEmpty()) {
        *reason = QStringLiteral("\"%1\" is not the name of a library item").arg(name);
        return false;
    }
    QByteArray bytes;
    if (!FileBytes::read(path, &bytes, reason, MaxItemSize))
        return false;
    // Items saved by hand in the old code page read as well as the UTF-8 ones written here.
    *text = isValidUtf8(bytes) ? QString::fromUtf8(bytes) : Cp1252::decode(bytes);
    if (text->startsWith(QChar(0xFEFF)))
        text->remove(0, 1);
    return true;
}

bool TagLibrary::deleteItem(const QString &name, QString *reason) const
{
    const QString path = itemPath(name);
    if (path.isEmpty()) {
        *reason = QStringLiteral("\"%1\" is not the name of a library item").arg(name);
        return false;
    }
    QFile file(path);
    if (!file.exists() || file.remove())
        return true;
    *reason = file.errorString();
    return false;
}

std::optional<qint64> TagLibrary::createItem(const QString &text, qint64 first,
                                             const QStringList &taken, QString *reason) const
{
    const QByteArray bytes = text.toUtf8();
    for (qint64 n = std::max<qint64>(first, 0); n <= MaxNumber; ++n) {
        const QString name = QString::number(n);
        if (taken.contains(name))
            continue;
        // A new file only: whatever holds the name already is kept.
        QFile file(itemPath(name));
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            const QFileInfo there(file.fileName());
            if (there.exists() || there.isSymLink())
                continue;
            *reason = file.errorString();
            return std::nullopt;
        }
        const bool written = file.write(bytes) == bytes.size() && file.flush();
        const QString why = file.errorString();
        file.close();
        if (!written || file.error() != QFileDevice::NoError) {
            *reason = why;
            file.remove();
            return std::nullopt;
        }
        return n;
    }
    *reason = QStringLiteral("every item number is in use");
    return std::nullopt;
}

std::optional<QString> TagLibrary::addItem(SettingsFile &settings, const QString &text,
                                           const QString &description, int row,
                                           QString *reason) const
{
    if (description.contains(u'\n') || description.contains(u'\r')) {
        *reason = QStringLiteral("A description must fit on one line.");
        return std::nullopt;
    }
    TagListFile list(
        QDir(m_folder).filePath(QLatin1String(TagLists::row(TagList::Library).fileName)));
    QString why;
    if (!list.load(&why)) {
        *reason = QStringLiteral("%1 could not be read: %2.")
                      .arg(QDir::toNativeSeparators(list.path()), why);
        return std::nullopt;
    }
    QStringList entries = list.entries();
    QStringList taken;
    for (const QString &line : entries)
        taken << LibraryLine::of(line).item;

    const std::optional<qint64> number = createItem(text, settings.read(Keys::Libs), taken, &why);
    if (!number) {
        *reason = QStringLiteral("The new library item could not be saved in %1: %2.")
                      .arg(QDir::toNativeSeparators(m_folder), why);
        return std::nullopt;
    }
    const QString name = QString::number(*number);
    row = std::clamp(row, 0, int(entries.size()));
    const QString line = LibraryLine{name, description}.text();
    if (row < entries.size() && entries.at(row).isEmpty())
        entries[row] = line;
    else
        entries.insert(row, line);
    if (!list.save(entries, &why)) {
        QString ignored;
        deleteItem(name, &ignored);
        *reason = QStringLiteral("%1 could not be saved: %2.")
                      .arg(QDir::toNativeSeparators(list.path()), why);
        return std::nullopt;
    }
    settings.write(Keys::Libs, int(*number + 1));
    return name;
}
