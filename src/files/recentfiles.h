#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class SettingsFile;

// The recent-files list in section "Oldies": slots "1" (the most recent) to "15", each a
// full path. It lives only in the settings file; every call reads and writes it afresh.
class RecentFiles
{
public:
    static constexpr int Slots = 15;
    // Left where an earlier copy of a name was; it names no file, so pruning removes it.
    static inline const QString Marker = QStringLiteral("Quillmark");

    explicit RecentFiles(SettingsFile &settings) : m_settings(settings) {}

    // Puts the name, made a full path, in slot 1; the others move down one and an earlier
    // copy of the same name becomes the marker. The old slot 15 falls off.
    void add(const QString &name);

    // How many entries the File menu shows: "Quick"/"qrf", 0 or missing meaning 9.
    int shownCount() const;

    // The entries the menu shows, in order. A slot whose file does not exist is deleted
    // first and the slots behind it move up; the first empty slot ends the list.
    using Exists = std::function<bool(const QString &path)>;
    QStringList prunedEntries(const Exists &exists);

    QString slot(int n) const;

    // The caption of menu entry n (from 1): an accelerator for the first nine.
    static QString menuCaption(int n, const QString &path);

private:
    void setSlot(int n, const QString &value);

    SettingsFile &m_settings;
};
