#pragma once

#include "base/editingoptions.h"
#include "base/temporaryfiles.h"
#include "documents/documentcontext.h"
#include "editor/memoryeditor.h"
#include "widgets/keyboardmodifiers.h"

#include <QHash>
#include <QMainWindow>
#include <QStringList>

#include <memory>

class CommandActions;
class CustomTagCommands;
class DocumentAids;
class DocumentContextMenu;
class DocumentClosing;
class DocumentFiles;
class DocumentPrinting;
class DocumentSaving;
class DocumentJournal;
class DocumentRegistry;
class DocumentStatusBar;
class DownloadTimeCommand;
class ExamplePickers;
class FindController;
class GoToLineCommand;
class HelpLauncher;
class HelperPrograms;
class HomeFolder;
class LineEndingsCommand;
class PanelManager;
class PreviewController;
class ProjectCommands;
class ProgramStarter;
class QMdiArea;
class QMenu;
class QTabBar;
class ReturnButtons;
class SessionRestore;
class SpeedBar;
class SpellingController;
class PageCheckController;
class TabStrips;
class TagController;
class ViewToggles;
class WindowArranger;

// The main frame: menus, the document area, the toolbar, the tab strips and the status bar.
// It makes the features, hands each what it needs (the registry of open documents, the
// settings file, the prompter) and runs the start and end of a session; the features follow
// the documents and the settings themselves and carry their commands' logic.
class MainFrame : public QMainWindow
{
    Q_OBJECT

public:
    MainFrame(const HomeFolder &home, SettingsFile &settings, Prompter &prompter,
              QWidget *parent = nullptr);
    ~MainFrame() override;

    // Shows the frame where it stood when it was last closed, and the splash picture.
    void showAtStart(bool withSplash = true);
    // Files of the command line or handed over by a later copy. They open in the order given,
    // at once, or, while a dialog or message is up, as soon as it closes.
    void queueFiles(const QStringList &files);
    // A later copy asked this one to come forward with its files.
    void comeForward(const QStringList &files);
    // Opens the file waiting in the hand-over key; runs on every activation.
    void openHandedOverFile();

Q_SIGNALS:
    // The frame is about to close for good: a later copy of the program must start alone.
    void closing();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool event(QEvent *event) override;

private:
    // The tests reach the features through it; the program only through the frame's commands.
    friend class FrameDriver;

    void build();
    void buildMenus();
    // The frame's own commands: Exit, About, Preferences and the help's.
    void registerHandlers(CommandActions &commands);
    void buildPrograms();
    void makePanels();
    void startSession();
    bool mayClose();
    void keepWindowPlace();
    void restoreMainGeometry();
    // The settings of the frame's own pieces, after the preferences were applied.
    void applySettings();
    void openQueuedFiles();
    void showAbout();
    void showPreferences();

    const HomeFolder &m_home;
    SettingsFile &m_settings;
    Prompter &m_prompter;
    DocumentContext m_context;
    EditingOptions m_options;
    MemoryEditor m_storememo;
    KeyboardModifiers m_keyboard;
    TemporaryFiles m_temporaries;
    std::unique_ptr<ProgramStarter> m_programs;
    std::unique_ptr<ReturnButtons> m_returnButtons;

    QMdiArea *m_client = nullptr;
    QWidget *m_upperPanel = nullptr;
    QTabBar *m_upperTabs = nullptr;
    DocumentRegistry *m_documents = nullptr;
    DocumentStatusBar *m_status = nullptr;
    TabStrips *m_tabs = nullptr;
    WindowArranger *m_arranger = nullptr;
    DocumentFiles *m_files = nullptr;
    DocumentSaving *m_saving = nullptr;
    DocumentClosing *m_closing = nullptr;
    DocumentPrinting *m_printing = nullptr;
    TagController *m_tags = nullptr;
    CommandActions *m_commands = nullptr;
    SpeedBar *m_bar = nullptr;
    ViewToggles *m_view = nullptr;
    FindController *m_find = nullptr;
    DocumentContextMenu *m_contextMenu = nullptr;
    DocumentAids *m_aids = nullptr;
    GoToLineCommand *m_goToLine = nullptr;
    LineEndingsCommand *m_lineEndings = nullptr;
    PanelManager *m_panels = nullptr;
    SpellingController *m_spelling = nullptr;
    PageCheckController *m_pageCheck = nullptr;
    PreviewController *m_preview = nullptr;
    HelperPrograms *m_helpers = nullptr;
    ProjectCommands *m_projects = nullptr;
    ExamplePickers *m_pickers = nullptr;
    CustomTagCommands *m_customTags = nullptr;
    HelpLauncher *m_help = nullptr;
    DownloadTimeCommand *m_downloadTime = nullptr;
    DocumentJournal *m_journal = nullptr;
    std::unique_ptr<SessionRestore> m_session;
    QHash<QString, QMenu *> m_menus;

    QStringList m_queuedFiles;

    bool m_shown = false;
    bool m_inHandOver = false;
    bool m_openingQueue = false;
};
