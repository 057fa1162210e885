#include "markup/insertwrap.h"

#include "base/editingoptions.h"
#include "base/settingsfile.h"
#include "editor/linebreaks.h"
#include "editor/texteditor.h"
#include "markup/tagtext.h"

#include <algorithm>

InsertWrap::InsertWrap(const SettingsFile &settings, const EditingOptions &options,
                       TextEditor &scratch, TipSink tipSink)
    : m_settings(settings), m_options(options), m_scratch(scratch), m_tipSink(std::move(tipSink))
{
}

void InsertWrap::setParts(const QString &start, const QString &end)
{
    m_start = start;
    m_end = end;
}

void InsertWrap::addtags(TextEditor &doc, QString &start, QString &end)
{
    // The parts' lines end as the document's own do; the wrapped text keeps its line breaks.
    start = LineBreaks::convert(start, doc.lineBreak());
    end = LineBreaks::convert(end, doc.lineBreak());
    // Neither conversion changes a length, so the callers' caret offsets into the start
    // part stay valid.
    const int startLength = int(start.size());
    const int selected = doc.selectionEnd() - doc.selectionStart();
    // The parts are read with the wrapped text between them, which may stand inside a value
    // they open and close, but only the parts change.
    const TagCase letters = m_options.tagCase();
    const bool apostrophe = m_settings.read(Keys::Apostrophe);
    if (letters != TagCase::AsWritten || apostrophe) {
        const QString whole =
            TagText::caseAndQuote(start + doc.selectedText() + end, letters, apostrophe,
                                  startLength, startLength + selected);
        start = whole.left(startLength);
        end = whole.right(end.size());
    }
    // The parts are done; the wrapped text is the author's and stays as it is.
    m_caseAndQuote = false;
    m_scratch.setText(start + doc.selectedText() + end);
    m_mode = InsertMode::Wrap;
    const Inserted at = insertScratch(doc, startLength, startLength + selected);
    doc.setSelection(at.start + at.wrapEnd, at.wrapStart - at.wrapEnd);
    doc.ensureCaretVisible();
    start.clear();
    end.clear();
    reset();
}

void InsertWrap::boardit(TextEditor &doc)
{
    insertScratch(doc, 0, 0);
    doc.ensureCaretVisible();
    reset();
}

void InsertWrap::tipper(TextEditor &doc, const QString &what, int back)
{
    QString start = m_start;
    QString end = m_end;
    // `back` counts characters of the start part as given, before its line breaks become
    // the document's.
    back = int(LineBreaks::convert(QStringView(m_start).right(back), doc.lineBreak()).size());
    addtags(doc, start, end);
    doc.setCaret(std::max(0, doc.selectionStart() - back));
    if (m_options.tipsShown())
        showTip(doc, what);
}

void InsertWrap::insertText(TextEditor &doc, const QString &text, bool caseAndQuote)
{
    if (text.isEmpty())
        return;
    m_scratch.setText(text);
    m_caseAndQuote = caseAndQuote;
    boardit(doc);
}

void InsertWrap::showTip(TextEditor &doc, const QString &what)
{
    if (m_tipSink)
        m_tipSink(doc, QStringLiteral("Type ") + what + QStringLiteral(" here"));
}

InsertWrap::Inserted InsertWrap::insertScratch(TextEditor &doc, int wrapStart, int wrapEnd)
{
    const int selStart = doc.selectionStart();
    const QString selected = doc.selectedText();

    // Auto-indent follows the line the insertion starts in.
    QString prefix;
    if (m_options.autoIndent())
        prefix = TagText::indentPrefix(doc.line(doc.lineOfOffset(selStart)), selected);
    // Text built for the document takes the document's line break. A wrap has composed its
    // parts so and leaves the wrapped selection as it is; a conversion writes the lines it
    // builds so and keeps the user's own.
    const TagText::IndentedText indented(
        m_mode == InsertMode::Direct ? LineBreaks::convert(m_scratch.text(), doc.lineBreak())
                                     : m_scratch.text(),
        prefix);
    QString text = indented.text();

    if (m_caseAndQuote) {
        // A conversion gives its own tags their letter case, never the user's text.
        if (m_mode != InsertMode::ConvSelection)
            text = TagText::tagNames(text, m_options.tagCase());
        if (m_settings.read(Keys::Apostrophe))
            text = TagText::apostrophes(text);
    }

    {
        UndoGroup group(doc);
        if (m_mode != InsertMode::Direct) {
            doc.replaceSelection(text);
        } else if (!text.isEmpty() && selected.isEmpty()) {
            doc.replaceSelection(text);
        } else if (!text.isEmpty()) {
            // Replacing the selection by text + itself leaves the selected text untouched
            // and lets undo bring the selection back as it was.
            doc.replaceSelection(text + selected);
            doc.setSelection(selStart + int(text.size()) + int(selected.size()),
                             -int(selected.size()));
        }
    }
    // With nothing wrapped the caret belongs after the indent of its line; a wrapped text
    // that ends a line keeps the next line's indent out of its selection.
    return {selStart, indented.map(wrapStart, true), indented.map(wrapEnd, wrapEnd == wrapStart)};
}

void InsertWrap::reset()
{
    m_start.clear();
    m_end.clear();
    m_caseAndQuote = false;
    m_mode = InsertMode::Direct;
    if (m_scratch.length() > 0)
        m_scratch.clear();
}
