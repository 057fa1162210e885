#pragma once

#include "base/settingskeys.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

// The INI settings file quillm.ini. A parsed copy is kept while the file on the disk stays
// the same (a stat per read tells), so a read costs microseconds whatever the file's size and
// a change by another copy or by hand is seen at the next read. Every write replaces the file
// atomically, complete and flushed, so two running copies and a crash or a full disk in the
// middle of a write never leave it half written. Section and key names ignore letter case;
// unknown sections, keys and comments survive every write. Owned by the application and
// handed by reference to whoever reads or writes settings. After a command that changes
// settings the program shows (the preferences' OK or Apply), applied() tells every part to
// read its own keys again.
class SettingsFile : public QObject
{
    Q_OBJECT

public:
    // Called with a readable message whenever a write fails.
    using ErrorSink = std::function<void(const QString &message)>;

    explicit SettingsFile(QString path, ErrorSink onError = {});
    ~SettingsFile();

    const QString &path() const { return m_path; }
    void setErrorSink(ErrorSink onError) { m_onError = std::move(onError); }

    // A missing key (or an unreadable or binary file) yields the default. Surrounding
    // blanks are trimmed and one pair of enclosing double quotes is removed.
    QString readString(const QString &section, const QString &key, const QString &def = {}) const;
    // Decimal, or hexadecimal with "0x" or "$"; anything else yields the default.
    int readInt(const QString &section, const QString &key, int def) const;
    // Stored as "1"/"0"; any integer other than 0 reads as true.
    bool readBool(const QString &section, const QString &key, bool def) const;
    bool hasKey(const QString &section, const QString &key) const;

    // Each write reaches the disk before it returns; false (and the error sink) on failure.
    // Writing a value equal to the stored one does not touch the file.
    bool writeString(const QString &section, const QString &key, const QString &value);
    bool writeInt(const QString &section, const QString &key, int value);
    bool writeBool(const QString &section, const QString &key, bool value);
    bool eraseSection(const QString &section);
    bool eraseKey(const QString &section, const QString &key);

    QString read(const TextKey &k) const { return readString(k.section, k.name, k.def); }
    int read(const IntKey &k) const { return readInt(k.section, k.name, k.def); }
    bool read(const BoolKey &k) const { return readBool(k.section, k.name, k.def); }
    int read(const ColourKey &k) const { return readInt(k.section, k.name, k.def); }
    bool write(const TextKey &k, const QString &v) { return writeString(k.section, k.name, v); }
    bool write(const IntKey &k, int v) { return writeInt(k.section, k.name, v); }
    bool write(const BoolKey &k, bool v) { return writeBool(k.section, k.name, v); }
    bool write(const ColourKey &k, int v) { return writeInt(k.section, k.name, v); }

    // Tells every part that follows settings to read its keys again.
    void announceApplied() { Q_EMIT applied(); }

    // The message of the last failed write, empty when the last write succeeded.
    const QString &lastError() const { return m_lastError; }

    // Gathers the writes of its lifetime into one replacement of the file, for commands that
    // write many keys at once. Reads in the meantime see the gathered values. The file is
    // written when the outermost batch ends; commit() writes it early and tells whether that
    // worked. Batches may nest.
    class Batch
    {
    public:
        explicit Batch(SettingsFile &settings);
        ~Batch();
        Batch(const Batch &) = delete;
        Batch &operator=(const Batch &) = delete;
        bool commit();

    private:
        SettingsFile &m_settings;
    };

Q_SIGNALS:
    void applied();

private:
    struct Cache;
    struct Pending;
    Cache &current() const;
    std::optional<QString> loadError() const;
    bool fail(const QString &reason);
    std::optional<QString> value(const QString &section, const QString &key) const;
    bool flushPending();

    QString m_path;
    ErrorSink m_onError;
    QString m_lastError;
    std::unique_ptr<Cache> m_cache;
    // Set while a batch runs.
    std::unique_ptr<Pending> m_pending;
    int m_batchDepth = 0;
};
