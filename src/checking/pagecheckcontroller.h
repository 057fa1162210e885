#pragma once

#include "checking/pagechecker.h"
#include "checking/pageproblem.h"

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>

#include <functional>

class ClickLabel;
class CommandActions;
class DocumentRegistry;
class DocumentWindow;
class PageCheckMarks;
class ProblemList;
class QMainWindow;
class QStatusBar;
class QTimer;
class SettingsFile;

// Checks the active document a moment after typing stops and shows what it found: marks in
// the editor, the list under it and the count in the status bar. The check runs on a worker
// thread on a copy of the text, so a keystroke only restarts a timer; a result for a text
// that has changed since is dropped. Follows the registry and the settings file's switch
// (the Edit menu's "Check Page as You Type"). Owned by the main frame.
class PageCheckController : public QObject
{
    Q_OBJECT

public:
    // How long typing must rest before the page is checked.
    static constexpr int RestMs = 500;

    PageCheckController(DocumentRegistry &documents, SettingsFile &settings, QMainWindow *frame,
                        QStatusBar *bar, QObject *parent = nullptr);
    ~PageCheckController() override;

    void registerHandlers(CommandActions &commands);
    // Where addresses that start with "/" lead for a page: the folder of the open project
    // that lists it, or empty (they are left unchecked). Asked on the user's thread as each
    // check starts; the worker gets the answer as text.
    void setProjectFolder(std::function<QString(const QString &page)> folderOf);
    // Checks the active page again after the usual rest, as when a project opens or closes.
    void recheck();

    bool isOn() const;
    // The command: turns the check on or off and stores the choice.
    void toggle();

    ProblemList *list() const { return m_list; }
    QString countText() const;
    // The problems shown for a document (none while the check is off).
    QList<PageProblem> problems(DocumentWindow *document) const;
    // Whether a check is waiting for typing to rest or running.
    bool isBusy() const;

Q_SIGNALS:
    // A check's result has been shown.
    void checked(DocumentWindow *document);

private:
    void applySettings();
    void follow(DocumentWindow *document);
    void noteEdit(DocumentWindow *document);
    void startCheck();
    void takeResult();
    void showActive();
    void goTo(const PageProblem &problem);
    PageCheckMarks *marksOf(DocumentWindow *document) const;
    CheckOptions optionsFor(DocumentWindow *document) const;

    DocumentRegistry &m_documents;
    SettingsFile &m_settings;
    CommandActions *m_commands = nullptr;
    std::function<QString(const QString &)> m_projectFolder;
    ProblemList *m_list;
    ClickLabel *m_count;
    QTimer *m_rest;
    bool m_on = false;
    // Closed by the user in this run: it stays closed until the count is clicked.
    bool m_listClosed = false;

    // The check that runs: its document and that document's edit number when the text was
    // taken. Another check waits until it is done. It is done when its result has been taken,
    // not when the worker ends: the watcher stops running before it reports the result.
    QFutureWatcher<QList<PageProblem>> m_watcher;
    bool m_checking = false;
    QPointer<DocumentWindow> m_running;
    quint64 m_runningEdit = 0;
    bool m_again = false;
};
