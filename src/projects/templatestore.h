#pragma once

#include <QString>

class SettingsFile;

// The templates: every file of the home folder's "template" folder, and the default one
// ("tpl"), which is a plain file name inside that folder or nothing. Reads and writes the
// settings at the moment of use.
class TemplateStore
{
public:
    TemplateStore(SettingsFile &settings, QString folder);

    const QString &folder() const { return m_folder; }
    // A name that stays inside the folder: no separator, not "." or "..".
    static bool isPlainName(const QString &name);

    // The stored default when it is a plain name; anything else reads as none.
    QString defaultName() const;
    void setDefault(const QString &name);
    void clearDefault();
    // Deletes a template; the default goes with it. False with the reason in words when the
    // file stays, and then the default stays too.
    bool remove(const QString &name, QString *error);

private:
    SettingsFile &m_settings;
    QString m_folder;
};
