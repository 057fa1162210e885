#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

class SettingsFile;

// The tag library: snippets kept one per file in the library folder, each named by a plain
// decimal number, and listed with a description in library.dat. Only such names are ever
// read, written or deleted, so a list that names "../x" or an absolute path can never make
// the program touch a file outside the folder. Made where it is needed; holds no state.
class TagLibrary
{
public:
    // A snippet larger than this is no snippet.
    static constexpr qint64 MaxItemSize = qint64(8) << 20;

    explicit TagLibrary(QString folder);

    const QString &folder() const { return m_folder; }
    static bool isItemName(QStringView name);
    // The item's file, or empty for a name that is no item name.
    QString itemPath(QStringView name) const;

    // The item's text, its line breaks as stored. False with the reason.
    bool readItem(const QString &name, QString *text, QString *reason) const;
    // Deletes the item's file; a missing file is no error.
    bool deleteItem(const QString &name, QString *reason) const;

    // Add to Library: the text becomes a new item file, numbered from "libs" on but past any
    // number a file or the list already uses (an item is never written over), and its line
    // "number..description" goes into library.dat at the row: into the row when it is empty,
    // else in front of it. "libs" then holds the next number. Nothing is left changed when a
    // step fails. Returns the new item's name, or nothing with the reason.
    std::optional<QString> addItem(SettingsFile &settings, const QString &text,
                                   const QString &description, int row, QString *reason) const;

private:
    // Creates a new file for the text under the first free number from `first` on.
    std::optional<qint64> createItem(const QString &text, qint64 first, const QStringList &taken,
                                     QString *reason) const;

    QString m_folder;
};
