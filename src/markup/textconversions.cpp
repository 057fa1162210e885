#include "markup/textconversions.h"

#include "base/editingoptions.h"
#include "base/prompter.h"
#include "base/settingsfile.h"
#include "editor/linebreaks.h"
#include "editor/texteditor.h"
#include "markup/insertwrap.h"
#include "markup/tagremoval.h"
#include "markup/tagtext.h"

#include <QDir>

namespace {

const QString CrLf = QStringLiteral("\r\n");

// Blanks, tabs and other control characters go from both ends.
QString trimmed(const QString &line)
{
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && line.at(begin).unicode() <= 0x20)
        ++begin;
    while (end > begin && line.at(end - 1).unicode() <= 0x20)
        --end;
    return line.mid(begin, end - begin);
}

} // namespace

TextConverter::TextConverter(const SettingsFile &settings, InsertWrap &insertWrap,
                             QString charsPath)
    : m_settings(settings), m_insertWrap(insertWrap), m_charsPath(std::move(charsPath))
{
}

QStringList TextConverter::lines(const QString &text)
{
    QStringList out;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        out << text.mid(start, i - start);
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    out << text.mid(start);
    return out;
}

QString TextConverter::cased(const QString &tags) const
{
    switch (EditingOptions(m_settings).tagCase()) {
    case TagCase::Upper:
        return TagText::asciiUpper(tags);
    case TagCase::Lower:
        return TagText::tagNames(tags, TagCase::Lower);
    case TagCase::AsWritten:
        break;
    }
    return tags;
}

QString TextConverter::lowered(const QString &tags) const
{
    return EditingOptions(m_settings).tagCase() == TagCase::Lower
               ? TagText::tagNames(tags, TagCase::Lower)
               : tags;
}

QString TextConverter::tableStart() const
{
    return QuickCode::tableTag(m_settings, true) + QuickCode::captionLine(m_settings);
}

QString TextConverter::rowsTable(const QStringList &lines) const
{
    const QString row = cased(QuickCode::rowTag(m_settings, true)) + CrLf +
                        cased(u'\t' + QuickCode::cellTag(m_settings, "TD", true));
    const QString cellEnd = lowered(QuickCode::cellEnd(m_settings, "TD"));
    const QString rowEnd = lowered(QuickCode::rowEnd(m_settings));
    const QString rowClose = rowEnd.isEmpty() ? QString() : CrLf + rowEnd;

    QString out = cased(tableStart());
    for (const QString &line : lines)
        out += CrLf + row + trimmed(line) + cellEnd + rowClose;
    return out + lowered(QStringLiteral("</TABLE>"));
}

QString TextConverter::cellsTable(const QStringList &lines) const
{
    const QString cell = cased(u'\t' + QuickCode::cellTag(m_settings, "TD", true));
    const QString cellEnd = lowered(QuickCode::cellEnd(m_settings, "TD"));
    const QString rowEnd = lowered(QuickCode::rowEnd(m_settings));

    QString out = cased(tableStart() + CrLf + QuickCode::rowTag(m_settings, true));
    for (const QString &line : lines)
        out += CrLf + cell + trimmed(line) + cellEnd;
    if (!rowEnd.isEmpty())
        out += rowEnd + CrLf;
    return out + lowered(QStringLiteral("</TABLE>"));
}

QString TextConverter::oneCellTable(const QStringList &lines) const
{
    // This layout closes its cell and row whatever the close options say.
    QString out = cased(tableStart() + CrLf + QuickCode::rowTag(m_settings, true) + CrLf + u'\t' +
                        QuickCode::cellTag(m_settings, "TD", true));
    out += trimmed(lines.front());
    for (qsizetype i = 1; i < lines.size(); ++i)
        out += CrLf + u'\t' + trimmed(lines.at(i));
    return out + lowered(QStringLiteral("</TD>\r\n</TR>\r\n</TABLE>"));
}

void TextConverter::makeTable(TextEditor &doc, Table layout)
{
    const QStringList selected = lines(doc.selectedText());
    // Every line break of a table is one the table builds: all take the document's.
    const auto insertBuilt = [&](const QString &table) {
        insert(doc, LineBreaks::convert(table, doc.lineBreak()));
    };
    switch (layout) {
    case Table::AsRows:
        insertBuilt(rowsTable(selected));
        break;
    case Table::AsCells:
        insertBuilt(cellsTable(selected));
        break;
    case Table::AsOneCell:
        insertBuilt(oneCellTable(selected));
        break;
    }
}

void TextConverter::makeList(TextEditor &doc, QuickCode::ListKind kind, bool itemPerLine)
{
    const QStringList selected = lines(doc.selectedText());
    const QString itemEnd = lowered(QuickCode::itemEnd(m_settings));
    const QString start = QuickCode::listStart(m_settings, kind);
    QString out;
    if (itemPerLine) {
        out = cased(start);
        for (const QString &line : selected)
            out += CrLf + lowered(QStringLiteral("\t<LI>")) + trimmed(line) + itemEnd;
    } else {
        out = cased(start + CrLf + QStringLiteral("\t<LI>")) + trimmed(selected.front());
        for (qsizetype i = 1; i < selected.size(); ++i)
            out += CrLf + u'\t' + trimmed(selected.at(i));
        out += itemEnd + CrLf;
    }
    insert(doc, LineBreaks::convert(out + lowered(QuickCode::listEnd(kind)), doc.lineBreak()));
}

void TextConverter::addLineBreaks(TextEditor &doc)
{
    const QString text = doc.selectedText();
    const QString tag = lowered(QStringLiteral("<BR>"));
    QString out;
    out.reserve(text.size() + text.size() / 8 + tag.size());
    const QStringView view(text);
    qsizetype copied = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        const qsizetype breakLength =
            c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n' ? 2 : 1;
        out += view.mid(copied, i - copied);
        out += tag;
        out += view.mid(i, breakLength);
        i += breakLength - 1;
        copied = i + 1;
    }
    out += view.mid(copied);
    out += tag;
    insert(doc, out);
}

void TextConverter::removeTags(TextEditor &doc)
{
    QString problem;
    const QStringList table = TagRemoval::readCharTable(m_charsPath, &problem);
    const QString result = TagRemoval::removeTags(doc.selectedText(), table);
    // Said once, not at every Remove Tags: the tags still go, the entities stay as they are.
    if (!problem.isEmpty() && m_prompter && problem != m_reportedProblem) {
        m_reportedProblem = problem;
        m_prompter->error(QStringLiteral("The character table %1 cannot be used: %2. Remove "
                                         "Tags leaves the entities as they are.")
                              .arg(QDir::toNativeSeparators(m_charsPath), problem));
    }
    const int start = doc.selectionStart();
    {
        UndoGroup group(doc);
        doc.replaceSelection(result);
    }
    doc.setCaret(start);
    doc.ensureCaretVisible();
}

void TextConverter::insert(TextEditor &doc, const QString &text)
{
    m_insertWrap.scratch().setText(text);
    m_insertWrap.setCaseAndQuote(true);
    m_insertWrap.setInsertMode(InsertMode::ConvSelection);
    m_insertWrap.boardit(doc);
}
