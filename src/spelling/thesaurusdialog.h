#pragma once

#include "spelling/thesaurus.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;

// The thesaurus window: the meanings of a word and the synonyms of each, any of which can be
// looked up in turn or put in place of the word with Replace. Frees itself when closed.
class ThesaurusDialog : public QDialog
{
    Q_OBJECT

public:
    ThesaurusDialog(Thesaurus &thesaurus, const QString &word, QWidget *parent = nullptr);

    void lookUp(const QString &word);
    QString replacement() const;

Q_SIGNALS:
    // Replace was chosen; the window closes.
    void replaceRequested(const QString &replacement);

private:
    void showSynonyms(int meaning);

    Thesaurus &m_thesaurus;
    QList<Meaning> m_meanings;
    QLineEdit *m_word;
    QListWidget *m_meaningList;
    QListWidget *m_synonyms;
    QLineEdit *m_replaceWith;
    QLabel *m_status;
};
