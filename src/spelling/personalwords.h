#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// The user's own word list, one word a line in UTF-8, kept in the home folder. Added words
// are written at once, atomically, so a failed write leaves the list as it was.
class PersonalWords
{
public:
    explicit PersonalWords(QString path) : m_path(std::move(path)) {}

    const QString &path() const { return m_path; }
    // A missing file is an empty list. False, with a message naming the file and the reason,
    // when it exists but cannot be read.
    bool load(QString *error);
    const QStringList &words() const { return m_words; }
    bool contains(const QString &word) const { return m_set.contains(word); }
    // Appends the word and writes the list; a word already there changes nothing.
    bool add(const QString &word, QString *error);

private:
    QString m_path;
    QStringList m_words;
    QSet<QString> m_set;
};
