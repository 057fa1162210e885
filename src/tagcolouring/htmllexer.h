#pragma once

#include "tagcolouring/tagcolourer.h"
#include "tagcolouring/tagcolourrules.h"

struct TextChange;

#include <Qsci/qscilexercustom.h>

#include <cstdint>
#include <vector>

class QsciScintilla;

// The tag colouring of a document editor. Styles text as Scintilla asks for it, keeping each
// line's end state in Scintilla's line states. After an edit it restyles from the changed
// line only until a line after the edit ends in the same state as before, and then tells
// Scintilla that the rest is still styled, so a keystroke costs the same in a small and in a
// huge document. Owned by the editor it colours.
class HtmlLexer : public QsciLexerCustom
{
    Q_OBJECT

public:
    // Installs itself as the lexer of `editor`, which becomes its parent.
    explicit HtmlLexer(QsciScintilla *editor);

    // Colours and rules of the ten categories; restyles the whole text.
    void setScheme(const TagColourScheme &scheme);
    const TagColourScheme &scheme() const { return m_scheme; }
    // Off: nothing is coloured. Restyles the whole text.
    void setColouring(bool on);
    bool colouring() const { return m_colouring; }
    // One font for every style, the editor's default included, when `style` is -1.
    void setFont(const QFont &font, int style = -1) override;
    // Styles everything again as it comes into view (after a scheme or palette change).
    void recolourAll();

    // Bytes styled since construction; lets tests and benchmarks see how much work an edit
    // caused.
    qint64 styledBytes() const { return m_styledBytes; }

    const char *language() const override { return "HTML"; }
    QString description(int style) const override;
    void styleText(int start, int end) override;

    // Stretches of text whose line states are known but whose styles were put off, because a
    // jump far ahead (to the end of a large page) needed only the states before the view.
    // Each is styled as it comes into view.
    struct Range
    {
        qint64 start;
        qint64 end;
    };
    const std::vector<Range> &putOff() const { return m_putOff; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyColours();
    void rebuildColourer();
    void noteModified(const TextChange &change);
    // Styles whole lines from `start` (a line start) until `end` is reached or the colouring
    // meets what was styled before; returns the new end of the styled text.
    qint64 styleFrom(qint64 start, qint64 end);
    void flush(qint64 start, qint64 end);
    // Stores the line states of the lines from `start` (a line start) up to `end` (a line
    // start) without styling them.
    void storeStates(qint64 start, qint64 end);
    // Styles the put-off text between `from` and `to`, leaving Scintilla's styled end alone.
    void styleShown(qint64 from, qint64 to);
    qint64 lineStart(qint64 position) const;
    qint64 send(unsigned int message, unsigned long wParam = 0, long lParam = 0) const;

    QsciScintilla *m_editor;
    TagColourScheme m_scheme;
    bool m_colouring = true;
    TagColourer m_colourer;
    std::vector<std::uint8_t> m_styles;

    // Text before m_validEnd was styled, and its line states stored, as one consistent chain
    // before the edits since. That chain can be trusted on the lines after the line holding
    // m_editEnd, the end of the text changed since then (-1: nothing changed). Both follow
    // insertions and deletions.
    qint64 m_validEnd = 0;
    qint64 m_editEnd = -1;
    // Where Scintilla's styled text should end. Finding it lower means someone asked for a
    // restyle (or an edit went unnoticed): everything from there is styled afresh.
    qint64 m_endStyled = 0;
    qint64 m_styledBytes = 0;
    std::vector<Range> m_putOff; // in text order, not touching
};
