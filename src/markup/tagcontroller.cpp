#include "markup/tagcontroller.h"

#include "files/documentfiles.h"
#include "base/settingsfile.h"
#include "editor/caretmoves.h"
#include "editor/scintillaeditor.h"
#include "markup/tagcommands.h"
#include "documents/tmdisub.h"

#include <QDir>
#include <QFileInfo>

TagController::TagController(DocumentFiles &files, const SettingsFile &settings,
                             const ShellOptions &options, Prompter &prompter, TextEditor &storememo,
                             QObject *parent)
    : QObject(parent), m_files(files),
      m_insertWrap(settings, options, storememo,
                   [this](TextEditor &doc, const QString &text) { showTip(doc, text); }),
      m_conversions(settings, m_insertWrap,
                    QFileInfo(settings.path()).dir().filePath(QStringLiteral("library/chars"))),
      m_runner(m_insertWrap, settings, options, prompter, m_keyboard, m_conversions)
{
}

TextEditor *TagController::activeEditor() const
{
    TMDIsub *doc = m_files.active();
    return doc ? &doc->editor() : nullptr;
}

void TagController::showTip(TextEditor &editor, const QString &text)
{
    for (TMDIsub *doc : m_files.documents())
        if (&doc->editor() == &editor)
            doc->showTip(text);
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
