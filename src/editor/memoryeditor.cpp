#include "editor/memoryeditor.h"

MemoryEditor::MemoryEditor() : m_separators(QStringLiteral(" \"!(),./:;<=>?[\\]{}\t")) {}

void MemoryEditor::setText(const QString &text)
{
    UndoGroup group(*this);
    m_caret = m_anchor = 0;
    edit(0, length(), text);
    m_caret = m_anchor = 0;
}

void MemoryEditor::ensureLineIndex() const
{
    if (m_lineIndexValid)
        return;
    m_lineStarts.clear();
    m_lineStarts.push_back(0);
    const int n = int(m_text.size());
    const QChar *d = m_text.constData();
    for (int i = 0; i < n; ++i) {
        if (d[i] == u'\r') {
            if (i + 1 < n && d[i + 1] == u'\n')
                ++i;
            m_lineStarts.push_back(i + 1);
        } else if (d[i] == u'\n') {
            m_lineStarts.push_back(i + 1);
        }
    }
    m_lineIndexValid = true;
}

int MemoryEditor::lineCount() const
{
    ensureLineIndex();
    return int(m_lineStarts.size());
}

int MemoryEditor::lineStart(int line) const
{
    ensureLineIndex();
    if (line <= 0)
        return 0;
    if (line >= int(m_lineStarts.size()))
        return length();
    return m_lineStarts[size_t(line)];
}

int MemoryEditor::lineEnd(int line) const
{
    ensureLineIndex();
    if (line < 0)
        return 0;
    if (line >= int(m_lineStarts.size()) - 1)
        return length();
    int end = m_lineStarts[size_t(line) + 1];
    if (end > 0 && m_text.at(end - 1) == u'\n')
        --end;
    if (end > 0 && m_text.at(end - 1) == u'\r')
        --end;
    return std::max(end, m_lineStarts[size_t(line)]);
}

QString MemoryEditor::line(int line) const
{
    const int start = lineStart(line);
    return m_text.mid(start, lineEnd(line) - start);
}

int MemoryEditor::lineOfOffset(int offset) const
{
    ensureLineIndex();
    const auto it = std::upper_bound(m_lineStarts.begin(), m_lineStarts.end(), offset);
    return int(std::max<std::ptrdiff_t>(0, it - m_lineStarts.begin() - 1));
}

void MemoryEditor::setSelection(int caret, int selLength)
{
    const int n = length();
    m_caret = std::clamp(caret, 0, n);
    // 64-bit sum: callers pass INT_MAX to mean "to the end".
    m_anchor = int(std::clamp<qint64>(qint64(caret) + selLength, 0, n));
}

QString MemoryEditor::textRange(int start, int end) const
{
    start = std::clamp(start, 0, length());
    end = std::clamp(end, start, length());
    return m_text.mid(start, end - start);
}

void MemoryEditor::replaceSelection(const QString &text)
{
    const int start = selectionStart();
    UndoGroup group(*this);
    edit(start, selectionEnd() - start, text);
    m_caret = m_anchor = start + int(text.size());
}

void MemoryEditor::setFirstVisibleLine(int line)
{
    m_firstVisibleLine = std::clamp(line, 0, lineCount() - 1);
}

void MemoryEditor::beginUndoAction()
{
    if (m_groupDepth++ == 0)
        m_groupOpen = false;
}

void MemoryEditor::endUndoAction()
{
    if (m_groupDepth > 0)
        --m_groupDepth;
}

void MemoryEditor::edit(int position, int removeLength, const QString &insert)
{
    if (removeLength == 0 && insert.isEmpty())
        return;
    if (m_undoEnabled) {
        if (m_groupDepth == 0 || !m_groupOpen) {
            m_undo.push_back(UndoStep{{}, m_caret, m_anchor});
            m_groupOpen = m_groupDepth > 0;
        }
        m_undo.back().edits.push_back(Edit{position, m_text.mid(position, removeLength), insert});
    }
    m_text.replace(position, removeLength, insert);
    m_lineIndexValid = false;
    m_modified = true;
    notifyChanged();
}

void MemoryEditor::setUndoEnabled(bool enabled)
{
    m_undoEnabled = enabled;
    if (!enabled)
        m_undo.clear();
}

void MemoryEditor::undo()
{
    if (m_undo.empty())
        return;
    UndoStep step = std::move(m_undo.back());
    m_undo.pop_back();
    m_groupOpen = false; // an edit later in an open group must not join an older step
    for (auto it = step.edits.rbegin(); it != step.edits.rend(); ++it)
        m_text.replace(it->position, it->inserted.size(), it->removed);
    m_lineIndexValid = false;
    m_caret = std::clamp(step.caret, 0, length());
    m_anchor = std::clamp(step.anchor, 0, length());
    m_modified = true;
    notifyChanged();
}
