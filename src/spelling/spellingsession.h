#pragma once

#include "spelling/wordscanner.h"

#include <QHash>

#include <functional>

class SpellChecker;
class TextEditor;

// The checking dialog's walk through a document: from the caret to the end, through the
// selection, or through the whole text, one misspelt word at a time. Each misspelt word is
// selected in the editor; each change is one undo step. Holds the editor and the checker by
// reference for the length of one check.
class SpellingSession
{
public:
    enum class Range { FromCaret, Selection, Whole };
    using CanHold = std::function<bool(const QString &)>;

    SpellingSession(TextEditor &editor, SpellChecker &checker, SpellingScope scope, Range range);

    // Which texts the document can hold; a suggestion it cannot hold is not offered, and a
    // change to such a text is refused.
    void setCanHold(CanHold canHold) { m_canHold = std::move(canHold); }

    // Moves to the next misspelt word and selects it; false once the range is done. Words
    // that "Change All" was given for are changed on the way.
    bool next();
    // The misspelt word; start counts from the start of the text.
    const FoundWord &word() const { return m_word; }
    // The line that holds the word, and where the word starts in it.
    const QString &context() const { return m_context; }
    qsizetype contextStart() const { return m_contextStart; }
    const QStringList &suggestions() const { return m_suggestions; }
    // How many words were changed so far.
    int changes() const { return m_changes; }

    void ignore();
    void ignoreAll();
    bool add(QString *error);
    // False, with a message, when the document cannot hold the replacement.
    bool change(const QString &replacement, QString *error);
    bool changeAll(const QString &replacement, QString *error);

    // Reads again from the current word on, with another scope (after the dictionary or the
    // scope changed); next() then finds the first misspelt word from there.
    void restartAtWord(SpellingScope scope);

private:
    void startAt(int offset);
    void replaceWord(const QString &replacement);

    TextEditor &m_editor;
    SpellChecker &m_checker;
    WordScanner m_scanner;
    CanHold m_canHold;
    // The line being read, the state it starts in, and where the search goes on.
    int m_line = 0;
    int m_state = WordScanner::StartState;
    int m_next = 0;
    // The end of the range; it moves with the changes inside it.
    qint64 m_to = 0;
    FoundWord m_word;
    bool m_hasWord = false;
    QString m_context;
    qsizetype m_contextStart = 0;
    QStringList m_suggestions;
    QHash<QString, QString> m_changeAll;
    int m_changes = 0;
};
