#pragma once

#include "editor/scintillaeditor.h"
#include "files/filedialogstate.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class CommandActions;
class DocumentRegistry;
class DocumentWatcher;
class FileDialogs;
class HomeFolder;
class ModifierSource;
class QMdiArea;
class RecentFiles;
class DocumentWindow;
struct DocumentContext;

// A text kept by crash recovery, as the document it goes back into: under its path when it
// had one (and no other window holds that path), else as a new Untitled document.
struct RestoredText
{
    QString identity;
    bool named = false;
    QByteArray bytes;
    bool windows1252 = false;
    QString lineBreak;
    int caret = 0;
    int firstLine = 0;
    // The hash (DocumentWatcher::hashOf) and size of the file's content the text was based
    // on; empty when not known. A file that holds other content now was changed after the
    // crash: restoring asks about it as about any outside change, and a save asks first.
    QByteArray baseHash;
    qint64 baseSize = -1;
};

// Makes document windows: new ones, from files, from the last session and from the recovery
// journal; keeps the recent-files list, the file dialogs' state and the watch on each file, and
// opens the file waiting in the hand-over key. A finished window goes into the document
// registry, which tells the rest of the program. Saving, closing and printing are commands of
// their own. Owned by the main frame.
class DocumentFiles : public QObject
{
    Q_OBJECT

public:
    DocumentFiles(DocumentRegistry &registry, DocumentContext &context, const HomeFolder &home,
                  QObject *parent = nullptr);
    // The handlers of the commands it carries out.
    void registerHandlers(CommandActions &commands);
    ~DocumentFiles() override;

    // Run once, by the first new-document call, before its document is made.
    void setFirstCallHook(std::function<void()> hook) { m_firstCallHook = std::move(hook); }
    // The dialogs and the keyboard state; null restores Qt's dialogs and the keyboard.
    void setDialogs(FileDialogs *dialogs);
    void setModifiers(const ModifierSource *modifiers);
    // Where a project file goes when it is opened (else it is refused), and what New shows
    // instead of making a document from the default template at once.
    void setProjectOpener(std::function<void(const QString &)> opener)
    {
        m_projectOpener = std::move(opener);
    }
    void setTemplateChooser(std::function<void()> chooser)
    {
        m_templateChooser = std::move(chooser);
    }
    FileDialogs &dialogs() const { return *m_dialogs; }

    DocumentWindow *active() const;
    // The open document of that file: the same path, or a path to the same file.
    DocumentWindow *findOpen(const QString &path) const;

    // A new document: the file waiting in the hand-over key, else an Untitled one from the
    // given template (or the default one). Nothing when "startnew" says so at start.
    DocumentWindow *newt(const QString &templateName);
    // The plain New: the first call restores the main window's place first.
    DocumentWindow *news();
    // An empty Untitled document, no template.
    DocumentWindow *newclean();
    // New: the template chooser; without one, a document from the default template (null then
    // too when the chooser is shown).
    DocumentWindow *newFromTemplate();
    // New HTML Document: the plain New when the "newt" option is on, else New.
    DocumentWindow *newHtmlDocument();

    // The start is over: from now on every New makes a document, whatever "startnew" says.
    void startUpDone() { m_skipFirstNew = false; }

    // Opens the file waiting in the hand-over key, or says that it is already open.
    void openHandedOver();

    // Opens a named file (a project file is refused, an open one is named as such); the new
    // document, or null when nothing was opened.
    DocumentWindow *openFile(const QString &name);
    // Open: the files chosen in the Open dialog.
    void Open();
    // Opens one file chosen in the Open dialog.
    DocumentWindow *Opens();
    // The Open dialog for a file to look at rather than edit (the internal preview's Open
    // File): the chosen name, or empty. The dialogs start in its folder next time.
    QString chooseFile();
    // Opens each file in turn (dropped files, further files of the command line).
    void openFiles(const QStringList &names);
    // A file of the last session: opened with the caret and the first visible line as they
    // were. A file that has gone since is passed over without a word, and one that is open
    // already is not opened again; null then.
    DocumentWindow *reopen(const QString &path, int caret, int firstLine);
    // A document brought back from the recovery journal, modified: a named one under its
    // path (saving writes to it), an Untitled one under a new Untitled name. A named one whose
    // file is open already comes back Untitled, so that neither text is lost.
    DocumentWindow *restore(const RestoredText &text);
    // Makes the document the active one.
    void activate(DocumentWindow *document);
    // Opens recent-files entry n (from 1).
    void openRecent(int n);
    // Inserts a chosen file's text at the caret of the active document, as one undo step.
    void InsertFile();

    // Puts a name at the top of the recent files.
    void UpdateOldies(const QString &name);
    // The recent files the File menu shows, after dropping the ones whose file has gone.
    QStringList recentMenuEntries();

    FileDialogState &dialogState() { return m_dialogState; }
    // The dialogs' starting folder and filters for the next file dialog.
    void prepareDialogs();
    // What is known of each document's file on the disk.
    DocumentWatcher &watcher() const { return *m_watcher; }

Q_SIGNALS:
    // A new window was shown maximised.
    void documentMaximised(DocumentWindow *document);

private:
    DocumentWindow *makeDocument();
    static void placeCaret(DocumentWindow *document, int caret, int firstLine);
    void finishDocument(DocumentWindow *document);
    void loadBytes(DocumentWindow *document, const QByteArray &bytes);
    bool loadFrom(DocumentWindow *document, const ScintillaEditor::PieceSource &source,
                  qint64 size);
    // The one open sequence: reads the file at its full path into a new window.
    DocumentWindow *openPath(const QString &full);
    bool readFile(const QString &path, QByteArray *bytes);
    int nextUntitledNumber();
    QString templatePath(const QString &name);
    void refuseProject(const QString &name);
    void reloadChanged(DocumentWindow *document, const QByteArray &bytes);
    void keepDeleted(DocumentWindow *document);

    DocumentRegistry &m_registry;
    QMdiArea *m_area;
    DocumentContext &m_context;
    const HomeFolder &m_home;
    // "startnew" = "no": the first New of the start makes nothing.
    bool m_skipFirstNew;
    std::function<void()> m_firstCallHook;
    std::function<void(const QString &)> m_projectOpener;
    std::function<void()> m_templateChooser;
    // A default template that names no file inside the template folder is reported once.
    QString m_badTemplateReported;

    std::unique_ptr<FileDialogs> m_ownDialogs;
    std::unique_ptr<ModifierSource> m_ownModifiers;
    FileDialogs *m_dialogs = nullptr;
    const ModifierSource *m_modifiers = nullptr;
    FileDialogState m_dialogState;
    DocumentWatcher *m_watcher = nullptr;
};
