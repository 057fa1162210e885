#include "base/settingsfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <algorithm>
#include <memory>
#include <optional>

namespace {

// CSimpleIniA compares section and key names without regard to letter case.
using Ini = CSimpleIniA;

enum class LoadResult { Loaded, Missing, Unreadable, Binary };

// Reads the file into a fresh parser. A line without "=" names no setting; it reads as
// nothing and is not written back.
LoadResult load(const QString &path, Ini &ini)
{
    ini.SetUnicode(false);
    ini.SetMultiKey(false);
    ini.SetSpaces(false);
    QFile file(path);
    if (!file.exists())
        return LoadResult::Missing;
    if (!file.open(QIODevice::ReadOnly))
        return LoadResult::Unreadable;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return LoadResult::Unreadable;
    if (bytes.contains('\0'))
        return LoadResult::Binary;
    if (ini.LoadData(bytes.constData(), size_t(bytes.size())) < 0)
        return LoadResult::Binary;
    return LoadResult::Loaded;
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

struct SettingsFile::Pending
{
    Ini ini;
    bool changed = false;
    // A write of the batch failed, or the file could not be replaced: the gathered values
    // are not all on the disk.
    bool failed = false;
    // Set when the file could not be read at the start: nothing may replace it.
    std::optional<QString> loadError;
};

SettingsFile::SettingsFile(QString path, ErrorSink onError)
    : m_path(std::move(path)), m_onError(std::move(onError))
{
}

SettingsFile::~SettingsFile() = default;

std::optional<QString> SettingsFile::value(const QString &section, const QString &key) const
{
    if (m_pending)
        return m_pending->loadError ? std::nullopt : rawValue(m_pending->ini, section, key);
    Ini ini;
    if (load(m_path, ini) != LoadResult::Loaded)
        return std::nullopt;
    return rawValue(ini, section, key);
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

int SettingsFile::keyCount(const QString &section) const
{
    Ini own;
    const Ini *ini = &own;
    if (m_pending) {
        if (m_pending->loadError)
            return 0;
        ini = &m_pending->ini;
    } else if (load(m_path, own) != LoadResult::Loaded) {
        return 0;
    }
    return std::max(0, ini->GetSectionSize(section.toUtf8().constData()));
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

namespace {

// Loads the file for a change; fails (and the file stays as it is) when its content could not
// be read, so that a write never replaces settings it could not see.
std::optional<QString> loadForChange(const QString &path, Ini &ini)
{
    switch (load(path, ini)) {
    case LoadResult::Loaded:
    case LoadResult::Missing:
        return std::nullopt;
    case LoadResult::Unreadable:
        return QStringLiteral("it cannot be read, so it was left as it is");
    case LoadResult::Binary:
        return QStringLiteral("it holds binary data, so it was left as it is");
    }
    return std::nullopt;
}

std::optional<QString> save(const QString &path, const Ini &ini)
{
    std::string out;
    if (ini.Save(out) < 0)
        return QStringLiteral("the settings could not be composed");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(out.data(), qint64(out.size())) != qint64(out.size()))
        return file.errorString();
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace

bool SettingsFile::writeString(const QString &section, const QString &key, const QString &value)
{
    Batch batch(*this);
    Pending &p = *m_pending;
    if (p.loadError)
        return fail(*p.loadError);
    const QByteArray s = section.toUtf8(), k = key.toUtf8(), v = encodeValue(value);
    const char *old = p.ini.GetValue(s.constData(), k.constData(), nullptr);
    if (old && v == old) {
        m_lastError.clear();
        return true;
    }
    if (p.ini.SetValue(s.constData(), k.constData(), v.constData()) < 0)
        return fail(QStringLiteral("out of memory"));
    p.changed = true;
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
    Pending &p = *m_pending;
    if (p.loadError)
        return fail(*p.loadError);
    const QByteArray s = section.toUtf8();
    if (!p.ini.GetSection(s.constData())) {
        m_lastError.clear();
        return true;
    }
    p.ini.Delete(s.constData(), nullptr);
    p.changed = true;
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
    if (auto error = save(m_path, p.ini))
        return fail(*error);
    p.failed = false;
    m_lastError.clear();
    return true;
}

SettingsFile::Batch::Batch(SettingsFile &settings) : m_settings(settings)
{
    if (m_settings.m_batchDepth++ == 0) {
        m_settings.m_pending = std::make_unique<Pending>();
        m_settings.m_pending->loadError =
            loadForChange(m_settings.m_path, m_settings.m_pending->ini);
    }
}

SettingsFile::Batch::~Batch()
{
    if (--m_settings.m_batchDepth == 0) {
        if (m_settings.m_pending->changed)
            m_settings.flushPending();
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
