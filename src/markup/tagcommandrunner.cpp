#include "markup/tagcommandrunner.h"

#include "base/editingoptions.h"
#include "base/modifiersource.h"
#include "base/prompter.h"
#include "editor/texteditor.h"
#include "markup/conversionseam.h"
#include "markup/insertwrap.h"
#include "markup/tagcommands.h"
#include "markup/tagtext.h"

using QuickCode::ListKind;

TagCommandRunner::TagCommandRunner(InsertWrap &insertWrap, const SettingsFile &settings,
                                   const EditingOptions &options, Prompter &prompter,
                                   const ModifierSource &modifiers, TextConversions &conversions)
    : m_insertWrap(insertWrap), m_settings(settings), m_options(options), m_prompter(prompter),
      m_modifiers(modifiers), m_conversions(conversions)
{
}

bool TagCommandRunner::run(QStringView id, TextEditor *doc)
{
    const TagCommand *command = findTagCommand(id);
    if (!command)
        return false;
    run(*command, doc);
    return true;
}

void TagCommandRunner::run(const TagCommand &command, TextEditor *doc)
{
    if (!doc)
        return;
    const PartContext context{m_settings, m_options, !(command.shiftBare && m_modifiers.shift())};
    UndoGroup group(*doc);
    switch (command.action) {
    case TagAction::Wrap: {
        QString start = command.startPart(context);
        QString end = command.endPart(context);
        m_insertWrap.setCaseAndQuote(command.caseAndQuote);
        m_insertWrap.addtags(*doc, start, end);
        break;
    }
    case TagAction::Tip: {
        const QString start = command.startPart(context);
        m_insertWrap.setParts(start, command.endPart(context));
        m_insertWrap.setCaseAndQuote(command.caseAndQuote);
        m_insertWrap.tipper(*doc, QString::fromLatin1(command.tipWord),
                            int(start.size()) - command.tipCaret);
        break;
    }
    case TagAction::Insert:
        m_insertWrap.insertText(*doc, insertedPart(command, context), command.caseAndQuote);
        break;
    case TagAction::QuickTable:
        quickTable(doc, 0, 0);
        break;
    case TagAction::QuickList:
        quickList(doc, command.list, 0);
        break;
    case TagAction::LinkButton: {
        // The FORM line is the one the insertion starts in; its action quotes end it.
        const int formLine = doc->lineOfOffset(doc->selectionStart());
        m_insertWrap.insertText(*doc, insertedPart(command, context), command.caseAndQuote);
        doc->setCaret(doc->lineEnd(formLine) - 2);
        m_insertWrap.showTip(*doc, QString::fromLatin1(command.tipWord));
        break;
    }
    }
}

QString TagCommandRunner::insertedPart(const TagCommand &command, const PartContext &context) const
{
    // Lower case reaches every tag the program builds; the inserts outside the case-and-quote
    // rows have never followed "ucase" and still do not.
    const QString text = command.startPart(context);
    return !command.caseAndQuote && m_options.tagCase() == TagCase::Lower
               ? TagText::tagNames(text, TagCase::Lower)
               : text;
}

void TagCommandRunner::quickTable(TextEditor *doc, int rows, int cells)
{
    if (!doc)
        return;
    UndoGroup group(*doc);
    if (rows == 0 && cells == 0 && doc->selLength() != 0)
        convertToTable(*doc);
    else
        m_insertWrap.insertText(*doc, QuickCode::table(m_settings, rows, cells), true);
}

void TagCommandRunner::quickList(TextEditor *doc, ListKind kind, int items)
{
    if (!doc)
        return;
    UndoGroup group(*doc);
    if (items == 0 && kind != ListKind::Definition && doc->selLength() != 0)
        convertToList(*doc, kind);
    else
        m_insertWrap.insertText(*doc, QuickCode::list(m_settings, kind, items), true);
}

void TagCommandRunner::convertToTable(TextEditor &doc)
{
    using Table = TextConversions::Table;
    if (TagText::lineCount(doc.selectedText()) < 2) {
        m_conversions.makeTable(doc, Table::AsOneCell);
        return;
    }
    switch (m_prompter.yesNoCancel(QStringLiteral("Put each paragraph into a separate cell?"))) {
    case PromptAnswer::Yes:
        switch (m_prompter.yesNoCancel(QStringLiteral("Put each cell into a separate row?"))) {
        case PromptAnswer::Yes:
            m_conversions.makeTable(doc, Table::AsRows);
            break;
        case PromptAnswer::No:
            m_conversions.makeTable(doc, Table::AsCells);
            break;
        default:
            break;
        }
        break;
    case PromptAnswer::No:
        m_conversions.makeTable(doc, Table::AsOneCell);
        break;
    default:
        break;
    }
}

void TagCommandRunner::convertToList(TextEditor &doc, ListKind kind)
{
    if (TagText::lineCount(doc.selectedText()) < 2) {
        m_conversions.makeList(doc, kind, false);
        return;
    }
    switch (m_prompter.yesNoCancel(QStringLiteral("Put each paragraph into a separate item?"))) {
    case PromptAnswer::Yes:
        m_conversions.makeList(doc, kind, true);
        break;
    case PromptAnswer::No:
        m_conversions.makeList(doc, kind, false);
        break;
    default:
        break;
    }
}
