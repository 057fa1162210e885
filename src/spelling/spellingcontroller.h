#pragma once

#include "spelling/spellingservice.h"

#include <QHash>
#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

class CommandActions;
class DocumentContextMenu;
class LiveSpeller;
class Prompter;
class QAction;
class QMenu;
class SpellCheckDialog;
class DocumentRegistry;
class DocumentWindow;
class ThesaurusDialog;

// Spelling and the thesaurus for the documents of the main frame: the commands "From
// Cursor"/"Selected Text", "Entire Document" and "Thesaurus", live spelling in every document
// it watches, and the suggestions at the top of a document's context menu. It owns the one
// dictionary (SpellingService). Owned by the main frame.
class SpellingController : public QObject
{
    Q_OBJECT

public:
    // Every document the registry opens gets a live speller.
    SpellingController(const QString &configPath, Prompter &prompter, DocumentRegistry &documents,
                       QWidget *dialogParent, QObject *parent = nullptr,
                       QStringList dictionaryFolders = {});
    ~SpellingController() override;

    SpellingService &service() { return m_service; }
    void registerHandlers(CommandActions &commands);
    // Puts the suggestions for a misspelt word at the top of the documents' context menu.
    void attachTo(DocumentContextMenu &menu);

    LiveSpeller *liveSpeller(DocumentWindow *document) const;
    // The open checking or thesaurus window, if any.
    SpellCheckDialog *checkDialog() const;
    ThesaurusDialog *thesaurusDialog() const;

    // The commands.
    void spellcheck();
    void spellcheckentire();
    void thesaurus();

private:
    // Gives the document a live speller that follows its live spelling switch and scope.
    void watch(DocumentWindow *document);
    void check(bool entire);
    void applyTo(DocumentWindow *document);
    void recheckAllDocuments();
    void refreshAllDocuments();
    bool loadDictionary(bool quiet);
    std::optional<FoundWord> misspeltWordAt(DocumentWindow &document, int offset);
    QList<QAction *> suggestionItems(DocumentWindow &document, int offset, QMenu *menu);
    void replace(DocumentWindow &document, int start, int length, const QString &text);

    SpellingService m_service;
    Prompter &m_prompter;
    DocumentRegistry &m_registry;
    QWidget *m_dialogParent;
    QList<QPointer<DocumentWindow>> m_documents;
    QPointer<SpellCheckDialog> m_checkDialog;
    QPointer<ThesaurusDialog> m_thesaurusDialog;
    bool m_loadTried = false;
};
