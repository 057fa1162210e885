#include "spelling/spellingsession.h"

#include "editor/texteditor.h"
#include "spelling/spellchecker.h"

#include <limits>

namespace {

constexpr qint64 TextEnd = std::numeric_limits<qint64>::max();

} // namespace

SpellingSession::SpellingSession(TextEditor &editor, SpellChecker &checker, SpellingScope scope,
                                 Range range)
    : m_editor(editor), m_checker(checker), m_scanner(scope)
{
    m_to = TextEnd;
    switch (range) {
    case Range::Whole:
        m_next = 0;
        break;
    case Range::FromCaret:
        m_next = editor.caret();
        break;
    case Range::Selection:
        m_next = editor.selectionStart();
        m_to = editor.selectionEnd();
        break;
    }
    startAt(m_next);
}

void SpellingSession::startAt(int offset)
{
    // The markup state where the search starts: every line before it is read for that.
    m_next = offset;
    m_line = m_editor.lineOfOffset(offset);
    m_state = WordScanner::StartState;
    for (int line = 0; line < m_line; ++line)
        m_state = m_scanner.endState(m_editor.line(line), m_state);
}

void SpellingSession::restartAtWord(SpellingScope scope)
{
    m_scanner = WordScanner(scope);
    startAt(m_hasWord ? int(m_word.start) : m_next);
}

bool SpellingSession::next()
{
    QList<FoundWord> words;
    const int lines = m_editor.lineCount();
    while (m_line < lines) {
        const int lineStart = m_editor.lineStart(m_line);
        const QString text = m_editor.line(m_line);
        words.clear();
        const int endState = m_scanner.scanLine(text, m_state, words);
        bool lineChanged = false;
        for (const FoundWord &w : std::as_const(words)) {
            const int start = lineStart + int(w.start);
            // A word the search starts inside of counts; a word it has passed does not.
            if (start + w.length <= m_next)
                continue;
            if (start >= m_to)
                return false;
            if (m_checker.isCorrect(w.text))
                continue;
            m_word = w;
            m_word.start = start;
            if (const auto to = m_changeAll.constFind(w.text); to != m_changeAll.constEnd()) {
                replaceWord(*to);
                lineChanged = true;
                break;
            }
            m_context = text;
            m_contextStart = w.start;
            m_suggestions.clear();
            for (const QString &s : m_checker.suggestions(w.text))
                if (!m_canHold || m_canHold(s))
                    m_suggestions << s;
            m_editor.setSelection(start, int(w.length));
            m_editor.ensureCaretVisible();
            m_hasWord = true;
            return true;
        }
        if (lineChanged)
            continue;
        m_state = endState;
        ++m_line;
    }
    return false;
}

void SpellingSession::ignore()
{
    m_next = int(m_word.end());
}

void SpellingSession::ignoreAll()
{
    m_checker.ignoreAll(m_word.text);
    ignore();
}

bool SpellingSession::add(QString *error)
{
    ignore();
    return m_checker.add(m_word.text, error);
}

bool SpellingSession::change(const QString &replacement, QString *error)
{
    if (m_canHold && !m_canHold(replacement)) {
        *error = QStringLiteral("\"%1\" holds characters that this page's encoding cannot hold.")
                     .arg(replacement);
        return false;
    }
    replaceWord(replacement);
    return true;
}

bool SpellingSession::changeAll(const QString &replacement, QString *error)
{
    if (!change(replacement, error))
        return false;
    m_changeAll.insert(m_word.text, replacement);
    return true;
}

void SpellingSession::replaceWord(const QString &replacement)
{
    const int start = int(m_word.start);
    {
        UndoGroup group(m_editor);
        m_editor.setSelection(start, int(m_word.length));
        m_editor.replaceSelection(replacement);
    }
    const int delta = int(replacement.size() - m_word.length);
    if (m_to != TextEnd)
        m_to += delta;
    m_next = start + int(replacement.size());
    ++m_changes;
}
