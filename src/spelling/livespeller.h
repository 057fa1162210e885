#pragma once

#include "spelling/wordscanner.h"

struct TextChange;

#include <QObject>
#include <QPointer>

#include <cstdint>
#include <vector>

class QsciScintilla;
class QTimer;
class SpellChecker;

// Live spelling of one document editor: underlines its misspelt words with a squiggle while
// the user types. It keeps the scan state at the end of every line it has read, so after an
// edit it reads again from the changed line only until a line after the edit ends in the same
// state as before: a keystroke costs the same in a small and in a huge page. The first
// reading of a page goes on in slices between events, so a large file opens at once. The
// work waits for the event loop; flush() does it at once. Owned by the editor it marks.
class LiveSpeller : public QObject
{
    Q_OBJECT

public:
    // The Scintilla indicator that carries the marks.
    static constexpr int Indicator = 20;

    explicit LiveSpeller(QsciScintilla *editor);
    ~LiveSpeller() override;

    // Off removes every mark; on reads the whole text again. No checker marks nothing.
    void setActive(bool on);
    bool isActive() const { return m_active; }
    void setChecker(SpellChecker *checker);
    void setScope(SpellingScope scope);
    const SpellingScope &scope() const { return m_scanner.scope(); }
    // Reads the whole text again, keeping the marks until each line is read (after a word was
    // added or ignored, or the dictionary changed).
    void recheckAll();

    // Does the pending work now instead of waiting for the event loop.
    void flush();
    bool isPending() const;
    // The scan state at the start of a line, reading as far as needed.
    int stateBefore(int line);

    // Lines read since construction: lets tests and benchmarks see how much work an edit
    // caused.
    qint64 linesRead() const { return m_linesRead; }
    // Whether the character at a byte position carries a mark.
    bool markedAt(qint64 position) const;

private:
    void noteModified(const TextChange &change);
    void schedule();
    // Reads the changed lines and then the lines never read, up to line `upTo` (all: -1),
    // until done or the budget (none: -1) is spent; then the rest is scheduled.
    void process(qint64 budgetNs, qint64 upTo = -1);
    int readLine(qint64 line, int state);
    qint64 send(unsigned int message, unsigned long wParam = 0, long lParam = 0) const;
    void clearMarks();

    QPointer<QsciScintilla> m_editor;
    QTimer *m_timer;
    SpellChecker *m_checker = nullptr;
    WordScanner m_scanner;
    bool m_active = false;
    bool m_utf8 = true;

    // The end state of every line read so far, from the first line on: lines from
    // m_states.size() on are still to be read.
    std::vector<std::int32_t> m_states;
    // Lines changed since they were read (inclusive), or none when m_dirtyFirst is -1.
    qint64 m_dirtyFirst = -1;
    qint64 m_dirtyLast = -1;
    qint64 m_linesRead = 0;
    QList<FoundWord> m_words;
};
