#include "find/finder.h"

#include "base/prompter.h"
#include "find/findstate.h"
#include "markup/tagtext.h"

#include <optional>
#include <vector>

namespace {

constexpr int NoChar = -1;

// Lower-cases A to Z only, as the replace step compares the selection with the search text.
QString asciiLower(QString text)
{
    for (QChar &c : text)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
    return text;
}

// A word ends at a separator, at a line break and at either end of the text.
bool isBoundary(int c, const QString &separators)
{
    return c == NoChar || c == u'\r' || c == u'\n' || separators.contains(QChar(c));
}

int charAt(const QString &text, qsizetype pos)
{
    return pos >= 0 && pos < text.size() ? text.at(pos).unicode() : NoChar;
}

int charAt(const TextEditor &editor, int pos)
{
    if (pos < 0 || pos >= editor.length())
        return NoChar;
    return editor.textRange(pos, pos + 1).at(0).unicode();
}

// The texts one replacing pass works on: the document, and the document and search text as
// compared (upper-cased a to z when case does not matter). None when nothing can match: a
// search never matches across a line break, so a search text holding one never matches.
struct ReplacePass
{
    QString text;
    QString hay;
    QString needle;
    QString separators;
};

std::optional<ReplacePass> preparePass(const TextEditor &editor, const QString &what,
                                       bool matchCase)
{
    if (what.isEmpty() || what.contains(u'\r') || what.contains(u'\n'))
        return std::nullopt;
    ReplacePass pass;
    pass.text = editor.text();
    pass.hay = matchCase ? pass.text : TagText::asciiUpper(pass.text);
    pass.needle = matchCase ? what : TagText::asciiUpper(what);
    pass.separators = editor.wordSeparators();
    return pass;
}

} // namespace

Finder::Finder(FindState &state, TextEditor &storememo, Prompter &prompter, ActiveEditor active)
    : m_state(state), m_storememo(storememo), m_prompter(prompter), m_active(std::move(active))
{
}

TextEditor *Finder::chooseEditor(Options &options) const
{
    options = {m_state.wholeWord, m_state.matchCase, m_state.upwards};
    if (m_state.target == FindTarget::ActiveDocument)
        return m_active ? m_active() : nullptr;
    if (m_state.target == FindTarget::SilentScan)
        options = {false, false, false};
    return &m_storememo;
}

void Finder::find(FindStep step)
{
    Options options{};
    TextEditor *editor = chooseEditor(options);
    if (!editor)
        return;
    prepare(*editor, step == FindStep::ReplaceThenFind, options.upwards);
    if (!search(*editor, options))
        reportFailure();
}

bool Finder::prepare(TextEditor &editor, bool replace, bool upwards)
{
    if (m_state.fromTop) {
        editor.setCaret(0);
        m_state.fromTop = false;
    }
    if (!replace || asciiLower(editor.selectedText()) != asciiLower(m_state.searchText))
        return false;
    const int start = editor.selectionStart();
    editor.replaceSelection(m_state.replacement);
    // Searching upwards from behind the new text would find the search text inside it.
    if (upwards)
        editor.setCaret(start);
    return true;
}

bool Finder::search(TextEditor &editor, const Options &options) const
{
    const SearchDirection direction =
        options.upwards ? SearchDirection::Backward : SearchDirection::Forward;
    const bool found = options.wholeWord
                           ? findWholeWord(editor, m_state.searchText, direction, options.matchCase)
                           : editor.find(m_state.searchText, direction, options.matchCase, false);
    if (found)
        editor.ensureCaretVisible();
    return found;
}

bool Finder::findWholeWord(TextEditor &editor, const QString &what, SearchDirection direction,
                           bool matchCase)
{
    const int caret = editor.caret();
    const int selLength = editor.selLength();
    const QString separators = editor.wordSeparators();
    while (editor.find(what, direction, matchCase, true)) {
        const int start = editor.selectionStart();
        const int end = editor.selectionEnd();
        if (isBoundary(charAt(editor, start - 1), separators) &&
            isBoundary(charAt(editor, end), separators))
            return true;
    }
    editor.setSelection(caret, selLength);
    return false;
}

void Finder::reportFailure(int replaced)
{
    switch (m_state.target) {
    case FindTarget::ActiveDocument:
        m_prompter.inform(replaced > 0
                              ? QStringLiteral("%1 replaced").arg(replaced)
                              : u'"' + m_state.searchText + QStringLiteral("\" not found"));
        if (m_state.findDialogOpen)
            m_state.notFound = true;
        m_state.repeat = false;
        break;
    case FindTarget::Scratch:
        m_state.repeat = false;
        break;
    case FindTarget::SilentScan:
        m_state.target = FindTarget::ActiveDocument;
        break;
    }
}

void Finder::replaceRemaining()
{
    Options options{};
    TextEditor *editor = chooseEditor(options);
    if (!editor)
        return;
    m_state.repeat = true;
    int replaced = 0;
    {
        UndoGroup group(*editor);
        const bool first = prepare(*editor, true, options.upwards);
        replaced = int(first) + (options.upwards ? replaceUpwards(*editor, options, first)
                                                 : replaceForwards(*editor, options));
    }
    editor->ensureCaretVisible();
    reportFailure(replaced);
    m_state.repeat = false;
}

// One pass from the caret to the end. Every hit starts at or after the end of the text put in
// for the hit before, exactly as a forward search from the caret left behind a replacement.
int Finder::replaceForwards(TextEditor &editor, const Options &options)
{
    const auto pass = preparePass(editor, m_state.searchText, options.matchCase);
    if (!pass)
        return 0;
    const QString &with = m_state.replacement;
    const auto &[text, hay, needle, separators] = *pass;
    const qsizetype from = editor.caret();

    QString out;
    qsizetype copied = from; // text before this is in out or lies before the caret
    int found = 0;
    qsizetype pos = from;
    while ((pos = hay.indexOf(needle, pos)) >= 0) {
        const qsizetype end = pos + needle.size();
        if (options.wholeWord) {
            // The character before the hit in the text as it is by now.
            const int before = pos > copied     ? charAt(text, pos - 1)
                               : !out.isEmpty() ? out.back().unicode()
                                                : charAt(text, from - 1);
            if (!isBoundary(before, separators) || !isBoundary(charAt(text, end), separators)) {
                ++pos;
                continue;
            }
        }
        out += QStringView(text).mid(copied, pos - copied);
        out += with;
        copied = pos = end;
        ++found;
    }
    if (found == 0)
        return 0;
    editor.setSelection(int(from), int(copied - from));
    editor.replaceSelection(out);
    return found;
}

// One pass from the caret to the start. The first hit starts before the caret (or, after a
// replacement, ends where the new text begins); every further hit ends at or before the start
// of the hit after it, so no hit reaches into text put in.
int Finder::replaceUpwards(TextEditor &editor, const Options &options, bool replacedFirst)
{
    const auto pass = preparePass(editor, m_state.searchText, options.matchCase);
    if (!pass)
        return 0;
    const QString &with = m_state.replacement;
    const auto &[text, hay, needle, separators] = *pass;
    const qsizetype length = needle.size();
    const qsizetype caret = editor.caret();

    std::vector<QStringView> pieces;        // right to left
    qsizetype left = caret;                 // start of the part already rebuilt
    qsizetype right = -1;                   // end of the range that changes
    int firstRebuilt = charAt(text, caret); // the character at `left` in the text by now
    bool bounded = replacedFirst;

    while (true) {
        qsizetype from = bounded ? left - length : caret - 1;
        qsizetype pos = -1;
        int after = NoChar;
        while (from >= 0 && (pos = hay.lastIndexOf(needle, from)) >= 0) {
            const qsizetype end = pos + length;
            after = end == left ? firstRebuilt : charAt(text, end);
            if (!options.wholeWord ||
                (isBoundary(charAt(text, pos - 1), separators) && isBoundary(after, separators)))
                break;
            from = pos - 1;
            pos = -1;
        }
        if (from < 0 || pos < 0)
            break;
        const qsizetype end = pos + length;
        if (right < 0)
            right = left = end;
        pieces.push_back(QStringView(text).mid(end, left - end));
        pieces.push_back(with);
        left = pos;
        firstRebuilt = with.isEmpty() ? after : with.front().unicode();
        bounded = true;
    }
    if (right < 0)
        return 0;
    QString out;
    out.reserve(right - left + qsizetype(pieces.size() / 2) * with.size());
    for (auto it = pieces.rbegin(); it != pieces.rend(); ++it)
        out += *it;
    editor.setSelection(int(left), int(right - left));
    editor.replaceSelection(out);
    // As after each upward step: the caret before the text put in last.
    editor.setCaret(int(left));
    return int(pieces.size() / 2);
}
