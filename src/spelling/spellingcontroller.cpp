#include "spelling/spellingcontroller.h"

#include "base/prompter.h"
#include "commands/commandactions.h"
#include "commands/commandids.h"
#include "documents/documentcontextmenu.h"
#include "documents/documentregistry.h"
#include "documents/documentwindow.h"
#include "editor/cp1252.h"
#include "editor/scintillaeditor.h"
#include "spelling/livespeller.h"
#include "spelling/spellcheckdialog.h"
#include "spelling/spellingsession.h"
#include "spelling/thesaurusdialog.h"

#include <QAction>
#include <QMenu>

namespace {

// The context menu offers at most this many suggestions.
constexpr int MenuSuggestions = 8;

// A Windows-1252 page holds only the characters of that code page.
SpellingSession::CanHold canHoldFor(DocumentWindow &document)
{
    if (document.editor().encoding() != ScintillaEditor::Encoding::Cp1252)
        return {};
    return [](const QString &text) { return Cp1252::unstorable(text).isEmpty(); };
}

} // namespace

SpellingController::SpellingController(const QString &configPath, Prompter &prompter,
                                       DocumentRegistry &documents, QWidget *dialogParent,
                                       QObject *parent, QStringList dictionaryFolders)
    : QObject(parent),
      m_service(configPath,
                dictionaryFolders.isEmpty() ? Dictionaries::systemFolders() : dictionaryFolders),
      m_prompter(prompter), m_registry(documents), m_dialogParent(dialogParent)
{
    connect(&m_registry, &DocumentRegistry::opened, this, &SpellingController::watch);
}

SpellingController::~SpellingController()
{
    // The live spellers hold the service; they go with their editors, which may outlive this.
    for (const QPointer<DocumentWindow> &doc : std::as_const(m_documents))
        if (LiveSpeller *speller = doc ? liveSpeller(doc) : nullptr)
            speller->setChecker(nullptr);
}

void SpellingController::registerHandlers(CommandActions &commands)
{
    commands.setHandler(Cmd::spellcheck, [this] { spellcheck(); });
    commands.setHandler(Cmd::spellcheckentire, [this] { spellcheckentire(); });
    commands.setHandler(Cmd::thesaurus, [this] { thesaurus(); });
}

void SpellingController::watch(DocumentWindow *document)
{
    m_documents.removeAll(nullptr);
    m_documents << document;
    new LiveSpeller(document->memo());
    connect(document, &DocumentWindow::liveSpellingChanged, this, &SpellingController::applyTo);
    applyTo(document);
}

LiveSpeller *SpellingController::liveSpeller(DocumentWindow *document) const
{
    return document->memo()->findChild<LiveSpeller *>(QString(), Qt::FindDirectChildrenOnly);
}

SpellCheckDialog *SpellingController::checkDialog() const
{
    return m_checkDialog;
}

ThesaurusDialog *SpellingController::thesaurusDialog() const
{
    return m_thesaurusDialog;
}

void SpellingController::attachTo(DocumentContextMenu &menu)
{
    menu.setTopItems([this](DocumentWindow &document, int offset, QMenu *owner) {
        return suggestionItems(document, offset, owner);
    });
}

bool SpellingController::loadDictionary(bool quiet)
{
    if (m_service.isLoaded())
        return true;
    // Live spelling tries once and quietly; the checking commands say what is wrong.
    if (quiet && m_loadTried)
        return false;
    m_loadTried = true;
    QString error;
    const bool loaded = m_service.load(&error);
    if (!error.isEmpty() && (loaded || !quiet))
        m_prompter.error(error);
    return loaded;
}

void SpellingController::applyTo(DocumentWindow *document)
{
    LiveSpeller *speller = liveSpeller(document);
    if (!speller)
        return;
    if (document->liveSpelling())
        loadDictionary(true);
    speller->setChecker(m_service.isLoaded() ? &m_service : nullptr);
    speller->setScope({document->spellingSkipsHtml(), document->spellingSkipsInternet()});
    speller->setActive(document->liveSpelling());
}

void SpellingController::recheckAllDocuments()
{
    for (const QPointer<DocumentWindow> &doc : std::as_const(m_documents)) {
        if (!doc)
            continue;
        applyTo(doc);
        if (LiveSpeller *speller = liveSpeller(doc))
            speller->recheckAll();
    }
}

void SpellingController::refreshAllDocuments()
{
    for (const QPointer<DocumentWindow> &doc : std::as_const(m_documents))
        if (doc)
            doc->refreshSpelling();
}

void SpellingController::spellcheck()
{
    check(false);
}

void SpellingController::spellcheckentire()
{
    check(true);
}

void SpellingController::check(bool entire)
{
    DocumentWindow *document = m_registry.active();
    if (!document)
        return;
    if (m_checkDialog) {
        m_checkDialog->raise();
        return;
    }
    if (!loadDictionary(false))
        return;
    ScintillaEditor &ed = document->editor();
    using Range = SpellingSession::Range;
    const Range range = entire           ? Range::Whole
                        : ed.selLength() ? Range::Selection
                                         : Range::FromCaret;
    auto session = std::make_unique<SpellingSession>(ed, m_service, m_service.scope(), range);
    session->setCanHold(canHoldFor(*document));
    auto *dialog = new SpellCheckDialog(m_service, std::move(session), m_prompter, m_dialogParent);
    // The spelling marks and colours are brought up to date once the check is over.
    const QPointer<DocumentWindow> guard(document);
    const auto refresh = [guard] {
        if (guard)
            guard->refreshSpelling();
    };
    if (!dialog->start()) {
        delete dialog;
        m_prompter.inform(QStringLiteral("The spelling check is complete."));
        refresh();
        return;
    }
    connect(dialog, &SpellCheckDialog::wordsChanged, this,
            &SpellingController::recheckAllDocuments);
    connect(dialog, &SpellCheckDialog::scopeChanged, this,
            &SpellingController::refreshAllDocuments);
    connect(dialog, &QDialog::finished, this, refresh);
    // The session edits this document: the window goes with it.
    connect(document, &QObject::destroyed, dialog, &QObject::deleteLater);
    dialog->setWindowModality(Qt::ApplicationModal);
    m_checkDialog = dialog;
    dialog->show();
}

void SpellingController::thesaurus()
{
    DocumentWindow *document = m_registry.active();
    if (!document)
        return;
    if (m_thesaurusDialog) {
        m_thesaurusDialog->raise();
        return;
    }
    QString error;
    Thesaurus *thesaurus = m_service.thesaurus(&error);
    if (!thesaurus) {
        m_prompter.error(error);
        return;
    }
    // The selection, or the word the caret stands in or at the end of.
    ScintillaEditor &ed = document->editor();
    int start = ed.selectionStart();
    int length = ed.selectionEnd() - start;
    QString word = ed.selectedText();
    if (length == 0) {
        const int line = ed.lineOfOffset(start);
        const int column = start - ed.lineStart(line);
        QList<FoundWord> words;
        WordScanner().scanLine(ed.line(line), WordScanner::StartState, words);
        for (const FoundWord &w : std::as_const(words)) {
            if (w.start <= column && column <= w.end()) {
                start = ed.lineStart(line) + int(w.start);
                length = int(w.length);
                word = w.text;
                break;
            }
        }
    }
    auto *dialog = new ThesaurusDialog(*thesaurus, word.trimmed(), m_dialogParent);
    const QPointer<DocumentWindow> guard(document);
    connect(dialog, &ThesaurusDialog::replaceRequested, this,
            [this, guard, start, length](const QString &text) {
                if (guard)
                    replace(*guard, start, length, text);
            });
    connect(document, &QObject::destroyed, dialog, &QObject::deleteLater);
    dialog->setWindowModality(Qt::ApplicationModal);
    m_thesaurusDialog = dialog;
    dialog->show();
}

std::optional<FoundWord> SpellingController::misspeltWordAt(DocumentWindow &document, int offset)
{
    LiveSpeller *speller = liveSpeller(&document);
    if (!speller || !speller->isActive() || !m_service.isLoaded())
        return std::nullopt;
    ScintillaEditor &ed = document.editor();
    const int line = ed.lineOfOffset(offset);
    const int lineStart = ed.lineStart(line);
    QList<FoundWord> words;
    WordScanner(speller->scope()).scanLine(ed.line(line), speller->stateBefore(line), words);
    for (FoundWord &w : words) {
        if (w.start <= offset - lineStart && offset - lineStart <= w.end()) {
            if (m_service.isCorrect(w.text))
                return std::nullopt;
            w.start += lineStart;
            return w;
        }
    }
    return std::nullopt;
}

QList<QAction *> SpellingController::suggestionItems(DocumentWindow &document, int offset,
                                                     QMenu *menu)
{
    const std::optional<FoundWord> word = misspeltWordAt(document, offset);
    if (!word)
        return {};
    QList<QAction *> items;
    const SpellingSession::CanHold canHold = canHoldFor(document);
    const QPointer<DocumentWindow> guard(&document);
    QFont bold = menu->font();
    bold.setBold(true);
    for (const QString &s : m_service.suggestions(word->text)) {
        if (items.size() == MenuSuggestions)
            break;
        if (canHold && !canHold(s))
            continue;
        auto *item = new QAction(s, menu);
        item->setFont(bold);
        connect(item, &QAction::triggered, this, [this, guard, w = *word, s] {
            if (guard)
                replace(*guard, int(w.start), int(w.length), s);
        });
        items << item;
    }
    if (items.isEmpty()) {
        auto *none = new QAction(QStringLiteral("(no suggestions)"), menu);
        none->setEnabled(false);
        items << none;
    }
    auto *ignoreAll = new QAction(QStringLiteral("Ignore All"), menu);
    connect(ignoreAll, &QAction::triggered, this, [this, text = word->text] {
        m_service.ignoreAll(text);
        recheckAllDocuments();
    });
    auto *add = new QAction(QStringLiteral("Add to Dictionary"), menu);
    connect(add, &QAction::triggered, this, [this, text = word->text] {
        QString error;
        if (!m_service.add(text, &error))
            m_prompter.error(error);
        recheckAllDocuments();
    });
    return items << ignoreAll << add;
}

void SpellingController::replace(DocumentWindow &document, int start, int length,
                                 const QString &text)
{
    if (const SpellingSession::CanHold canHold = canHoldFor(document); canHold && !canHold(text)) {
        m_prompter.warn(
            QStringLiteral("\"%1\" holds characters that this page's encoding cannot hold.")
                .arg(text));
        return;
    }
    ScintillaEditor &ed = document.editor();
    UndoGroup group(ed);
    ed.setSelection(start, length);
    ed.replaceSelection(text);
}
