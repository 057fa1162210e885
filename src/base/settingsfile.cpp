#include "base/settingsfile.h"

#include "base/filebytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <algorithm>
#include <memory>
#include <optional>

#include <sys/stat.h>

namespace {

// CSimpleIniA compares section and key names without regard to letter case.
using Ini = CSimpleIniA;

enum class LoadResult { Loaded, Missing, Unreadable, Binary };

// Reads the file into a fresh parser. A line without "=" names no setting; it reads as
// nothing and is not written back. Only a regular file is read: a pipe or a device by that
// name reads as unreadable at once instead of blocking or reading without end.
LoadResult load(const QString &path, Ini &ini, QByteArray *onDisk, QString *reason)
{
    ini.SetUnicode(false);
    ini.SetMultiKey(false);
    ini.SetSpaces(false);
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return LoadResult::Missing;
    QByteArray bytes;
    if (!FileBytes::read(path, &bytes, reason))
        return QFileInfo::exists(path) ? LoadResult::Unreadable : LoadResult::Missing;
    if (bytes.contains('\0') || ini.LoadData(bytes.constData(), size_t(bytes.size())) < 0) {
        ini.Reset();
        return LoadResult::Binary;
    }
    *onDisk = bytes;
    return LoadResult::Loaded;
}

// What identifies one version of the file on the disk. A replacement by rename gives a new
// inode; a change in place a new change time.
struct Stamp
{
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    qint64 modified = 0;
    qint64 changed = 0;
    bool operator==(const Stamp &) const = default;
};

Stamp stampOf(const QString &path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return {true,
            st.st_dev,
            st.st_ino,
            st.st_size,
            qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
            qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec};
}

std::optional<QString> rawValue(const Ini &ini, const QString &section, const QString &key)
{
    const char *v = ini.GetValue(section.toUtf8().constData(), key.toUtf8().constData(), nullptr);
    if (!v)
        return std::nullopt;
    QString value = QString::fromUtf8(v).trimmed();
    if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
        value = value.mid(1, value.size() - 2);
    return value;
}

// Values that would lose characters to trimming or quote removal are stored quoted.
QByteArray encodeValue(const QString &value)
{
    const bool needsQuotes =
        !value.isEmpty() && (value.front().isSpace() || value.back().isSpace() ||
                             (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"')));
    QByteArray bytes = value.toUtf8();
    bytes.replace('\r', ' ').replace('\n', ' ');
    return needsQuotes ? '"' + bytes + '"' : bytes;
}

std::optional<int> parseInt(const QString &text)
{
    bool ok = false;
    int value = 0;
    if (text.startsWith(u'$'))
        value = int(text.mid(1).toUInt(&ok, 16));
    else if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        value = int(text.mid(2).toUInt(&ok, 16));
    else
        value = text.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

} // namespace

// The parsed file, kept while the file on the disk stays as it was read or written.
struct SettingsFile::Cache
{
    Ini ini;
    LoadResult result = LoadResult::Missing;
    QString reason;
    Stamp stamp;
    // The file's bytes as last read or written: a batch that ends where it began (a value
    // set and set back) leaves the file alone.
    QByteArray onDisk;
    bool valid = false;
};

struct SettingsFile::Pending
{
    bool changed = false;
    // A write of the batch failed, or the file could not be replaced: the gathered values
    // are not all on the disk.
    bool failed = false;
};

SettingsFile::SettingsFile(QString path, ErrorSink onError)
    : m_path(std::move(path)), m_onError(std::move(onError)), m_cache(std::make_unique<Cache>())
{
}

SettingsFile::~SettingsFile() = default;

SettingsFile::Cache &SettingsFile::current() const
{
    // While a batch gathers writes, its values are the truth.
    if (m_pending)
        return *m_cache;
    const Stamp now = stampOf(m_path);
    if (m_cache->valid && m_cache->stamp == now)
        return *m_cache;
    m_cache->ini.Reset();
    m_cache->reason.clear();
    m_cache->onDisk.clear();
    m_cache->result = load(m_path, m_cache->ini, &m_cache->onDisk, &m_cache->reason);
    // Taken before the read: a change during the read shows as a new stamp next time.
    m_cache->stamp = now;
    m_cache->valid = true;
    return *m_cache;
}

std::optional<QString> SettingsFile::value(const QString &section, const QString &key) const
{
    const Cache &cache = current();
    if (cache.result != LoadResult::Loaded)
        return std::nullopt;
    return rawValue(cache.ini, section, key);
}

QString SettingsFile::readString(const QString &section, const QString &key,
                                 const QString &def) const
{
    return value(section, key).value_or(def);
}

int SettingsFile::readInt(const QString &section, const QString &key, int def) const
{
    const auto raw = value(section, key);
    if (!raw)
        return def;
    return parseInt(*raw).value_or(def);
}

bool SettingsFile::readBool(const QString &section, const QString &key, bool def) const
{
    return readInt(section, key, def ? 1 : 0) != 0;
}

bool SettingsFile::hasKey(const QString &section, const QString &key) const
{
    return value(section, key).has_value();
}

bool SettingsFile::fail(const QString &reason)
{
    if (m_pending)
        m_pending->failed = true;
    m_lastError = QStringLiteral("The settings file %1 could not be written: %2")
                      .arg(QDir::toNativeSeparators(m_path), reason);
    if (m_onError)
        m_onError(m_lastError);
    return false;
}

std::optional<QString> SettingsFile::loadError() const
{
    // A write never replaces settings it could not see.
    switch (m_cache->result) {
    case LoadResult::Loaded:
    case LoadResult::Missing:
        return std::nullopt;
    case LoadResult::Unreadable:
        return QStringLiteral("it cannot be read (%1), so it was left as it is")
            .arg(m_cache->reason);
    case LoadResult::Binary:
        return QStringLiteral("it holds binary data, so it was left as it is");
    }
    return std::nullopt;
}

bool SettingsFile::writeString(const QString &section, const QString &key, const QString &value)
{
    Batch batch(*this);
    if (auto error = loadError())
        return fail(*error);
    Ini &ini = m_cache->ini;
    const QByteArray s = section.toUtf8(), k = key.toUtf8(), v = encodeValue(value);
    const char *old = ini.GetValue(s.constData(), k.constData(), nullptr);
    if (old && v == old) {
        m_lastError.clear();
        return true;
    }
    if (ini.SetValue(s.constData(), k.constData(), v.constData()) < 0)
        return fail(QStringLiteral("out of memory"));
    m_cache->result = LoadResult::Loaded;
    m_pending->changed = true;
    return batch.commit();
}

bool SettingsFile::writeInt(const QString &section, const QString &key, int value)
{
    return writeString(section, key, QString::number(value));
}

bool SettingsFile::writeBool(const QString &section, const QString &key, bool value)
{
    return writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool SettingsFile::eraseSection(const QString &section)
{
    Batch batch(*this);
    if (auto error = loadError())
        return fail(*error);
    const QByteArray s = section.toUtf8();
    if (!m_cache->ini.GetSection(s.constData())) {
        m_lastError.clear();
        return true;
    }
    m_cache->ini.Delete(s.constData(), nullptr);
    m_pending->changed = true;
    return batch.commit();
}

bool SettingsFile::eraseKey(const QString &section, const QString &key)
{
    Batch batch(*this);
    if (auto error = loadError())
        return fail(*error);
    const QByteArray s = section.toUtf8(), k = key.toUtf8();
    if (!m_cache->ini.GetValue(s.constData(), k.constData(), nullptr)) {
        m_lastError.clear();
        return true;
    }
    m_cache->ini.Delete(s.constData(), k.constData());
    m_pending->changed = true;
    return batch.commit();
}

bool SettingsFile::flushPending()
{
    Pending &p = *m_pending;
    if (!p.changed) {
        if (p.failed)
            return false;
        m_lastError.clear();
        return true;
    }
    // Reported once; a later write in the same batch tries again with everything gathered.
    p.changed = false;
    std::string out;
    if (m_cache->ini.Save(out) < 0)
        return fail(QStringLiteral("the settings could not be composed"));
    const QByteArrayView composed(out.data(), qsizetype(out.size()));
    if (m_cache->stamp.exists && composed == m_cache->onDisk && stampOf(m_path) == m_cache->stamp) {
        p.failed = false;
        m_lastError.clear();
        return true;
    }
    QString reason;
    if (!FileBytes::write(m_path, QByteArrayView(out.data(), qsizetype(out.size())), &reason))
        return fail(reason);
    m_cache->stamp = stampOf(m_path);
    m_cache->onDisk = composed.toByteArray();
    p.failed = false;
    m_lastError.clear();
    return true;
}

SettingsFile::Batch::Batch(SettingsFile &settings) : m_settings(settings)
{
    if (m_settings.m_batchDepth++ == 0) {
        // The file as it is now, so that writes of other copies are not undone.
        m_settings.current();
        m_settings.m_pending = std::make_unique<Pending>();
    }
}

SettingsFile::Batch::~Batch()
{
    if (--m_settings.m_batchDepth == 0) {
        if (m_settings.m_pending->changed)
            m_settings.flushPending();
        // Values that did not reach the disk are not kept: reads go back to the file.
        if (m_settings.m_pending->failed)
            m_settings.m_cache->valid = false;
        m_settings.m_pending.reset();
    }
}

bool SettingsFile::Batch::commit()
{
    // An inner batch leaves the writing to the outermost one.
    if (m_settings.m_batchDepth > 1) {
        m_settings.m_lastError.clear();
        return true;
    }
    return m_settings.flushPending();
}
