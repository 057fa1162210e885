#include "markup/tagcontroller.h"

#include "base/settingsfile.h"
#include "editor/activeeditor.h"
#include "editor/caretmoves.h"
#include "editor/texteditor.h"
#include "markup/tagcommands.h"

#include <QDir>
#include <QFileInfo>

TagController::TagController(ActiveEditor &editors, const ModifierSource &keyboard,
                             const SettingsFile &settings, const EditingOptions &options,
                             Prompter &prompter, TextEditor &storememo, QObject *parent)
    : QObject(parent), m_editors(editors),
      m_insertWrap(settings, options, storememo,
                   [this](TextEditor &doc, const QString &text) { m_editors.showTip(doc, text); }),
      m_conversions(settings, m_insertWrap,
                    QFileInfo(settings.path()).dir().filePath(QStringLiteral("library/chars"))),
      m_runner(m_insertWrap, settings, options, prompter, keyboard, m_conversions)
{
    m_conversions.reportProblemsTo(prompter);
}

TextEditor *TagController::activeEditor() const
{
    return m_editors.activeEditor();
}

bool TagController::run(QStringView id)
{
    return m_runner.run(id, activeEditor());
}

void TagController::wraptag(const QString &start, const QString &end)
{
    if (TextEditor *doc = activeEditor()) {
        QString s = start, e = end;
        m_insertWrap.addtags(*doc, s, e);
    }
}

void TagController::boardit()
{
    if (TextEditor *doc = activeEditor())
        m_insertWrap.boardit(*doc);
}

void TagController::listcode2(const QString &text)
{
    if (TextEditor *doc = activeEditor())
        m_insertWrap.insertText(*doc, text, true);
}

int TagController::replaceRange(int start, int end, const QString &text)
{
    TextEditor *doc = activeEditor();
    if (!doc || text.isEmpty())
        return -1;
    doc->setSelection(start, end - start);
    m_insertWrap.setInsertMode(InsertMode::Wrap);
    m_insertWrap.insertText(*doc, text, true);
    return doc->caret();
}

void TagController::tipper(const QString &what, int back)
{
    if (TextEditor *doc = activeEditor())
        m_insertWrap.tipper(*doc, what, back);
}

void TagController::listcode()
{
    if (TextEditor *doc = activeEditor())
        CaretMoves::listcode(*doc);
}

void TagController::killspace()
{
    if (TextEditor *doc = activeEditor())
        CaretMoves::killspace(*doc);
}

void TagController::moveline(int n)
{
    if (TextEditor *doc = activeEditor())
        CaretMoves::moveline(*doc, n);
}

void TagController::changeline(int line)
{
    if (TextEditor *doc = activeEditor())
        CaretMoves::changeline(*doc, line);
}
