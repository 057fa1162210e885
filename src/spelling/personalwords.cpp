#include "spelling/personalwords.h"

#include "base/ownfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool PersonalWords::load(QString *error)
{
    m_words.clear();
    m_set.clear();
    QFile file(m_path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("The word list %1 could not be read: %2")
                     .arg(QDir::toNativeSeparators(m_path), file.errorString());
        return false;
    }
    const QString text = QString::fromUtf8(file.readAll());
    for (QStringView line : QStringView(text).split(u'\n')) {
        const QString word = line.trimmed().toString();
        if (!word.isEmpty() && !m_set.contains(word)) {
            m_words << word;
            m_set.insert(word);
        }
    }
    return true;
}

bool PersonalWords::add(const QString &word, QString *error)
{
    if (word.isEmpty() || m_set.contains(word))
        return true;
    m_words << word;
    m_set.insert(word);
    OwnFiles::makeFolder(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    const QByteArray bytes = m_words.join(u'\n').toUtf8() + '\n';
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = QStringLiteral("The word list %1 could not be saved: %2")
                     .arg(QDir::toNativeSeparators(m_path), file.errorString());
        return false;
    }
    return true;
}
