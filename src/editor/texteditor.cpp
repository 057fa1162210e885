#include "editor/texteditor.h"

namespace {

// Upper-cases a to z only, so that lengths and offsets stay as they are.
QString asciiUpper(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
    return out;
}

bool isWholeWord(const QString &line, int start, int length, const QString &separators)
{
    const int end = start + length;
    const bool before = start == 0 || separators.contains(line.at(start - 1));
    const bool after = end >= line.size() || separators.contains(line.at(end));
    return before && after;
}

} // namespace

void TextEditor::replaceLine(int line, const QString &text)
{
    setSelection(lineStart(line), lineEnd(line) - lineStart(line));
    replaceSelection(text);
}

QString TextEditor::textRange(int start, int end) const
{
    return text().mid(start, end - start);
}

void TextEditor::setCaretLineColumn(int line, int column)
{
    line = std::clamp(line, 0, lineCount() - 1);
    const int start = lineStart(line);
    setCaret(start + std::clamp(column, 0, lineEnd(line) - start));
}

bool TextEditor::find(const QString &what, SearchDirection direction, bool matchCase,
                      bool wholeWord)
{
    if (what.isEmpty())
        return false;
    const QString needle = matchCase ? what : asciiUpper(what);
    const QString separators = wordSeparators();
    const int from = caret();
    const int caretLine = lineOfOffset(from);
    const int lines = lineCount();
    const int step = direction == SearchDirection::Forward ? 1 : -1;

    for (int l = caretLine; l >= 0 && l < lines; l += step) {
        const QString raw = line(l);
        const QString hay = matchCase ? raw : asciiUpper(raw);
        const int base = lineStart(l);
        if (direction == SearchDirection::Forward) {
            int pos = l == caretLine ? from - base : 0;
            while ((pos = hay.indexOf(needle, pos)) >= 0) {
                if (!wholeWord || isWholeWord(hay, pos, needle.size(), separators)) {
                    setSelection(base + pos + needle.size(), -needle.size());
                    return true;
                }
                ++pos;
            }
        } else {
            // The last hit that starts before the caret.
            int pos = l == caretLine ? from - base - 1 : hay.size();
            while (pos >= 0 && (pos = hay.lastIndexOf(needle, pos)) >= 0) {
                if (!wholeWord || isWholeWord(hay, pos, needle.size(), separators)) {
                    setSelection(base + pos, needle.size());
                    return true;
                }
                --pos;
            }
        }
    }
    return false;
}

void TextEditor::notifyChanged()
{
    for (const auto &listener : m_listeners)
        listener();
}
