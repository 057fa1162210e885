#include "projects/templatestore.h"

#include "base/filebytes.h"
#include "base/settingsfile.h"

#include <QDir>
#include <QFile>

#include <cerrno>

#include <unistd.h>

TemplateStore::TemplateStore(SettingsFile &settings, QString folder)
    : m_settings(settings), m_folder(std::move(folder))
{
}

bool TemplateStore::isPlainName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(u'/') && !name.contains(u'\\') && !name.contains(QChar(0));
}

QString TemplateStore::defaultName() const
{
    const QString name = m_settings.read(Keys::Template);
    return isPlainName(name) ? name : QString();
}

void TemplateStore::setDefault(const QString &name)
{
    m_settings.write(Keys::Template, isPlainName(name) ? name : QString());
}

void TemplateStore::clearDefault()
{
    m_settings.write(Keys::Template, QString());
}

bool TemplateStore::remove(const QString &name, QString *error)
{
    const QString path = QDir(m_folder).filePath(name);
    if (!isPlainName(name)) {
        *error = QStringLiteral("%1 is not a template.").arg(name);
        return false;
    }
    // unlink gives the system's reason, which QFile::remove keeps to itself.
    if (::unlink(QFile::encodeName(path).constData()) != 0) {
        *error = QStringLiteral("%1 could not be deleted: %2")
                     .arg(QDir::toNativeSeparators(path), FileBytes::describeError(errno));
        return false;
    }
    if (defaultName() == name)
        clearDefault();
    return true;
}
