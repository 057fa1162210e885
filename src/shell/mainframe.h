#pragma once

#include "base/shelloptions.h"
#include "base/temporaryfiles.h"
#include "documents/documentcontext.h"
#include "editor/memoryeditor.h"
#include "widgets/keyboardmodifiers.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <memory>

class CommandActions;
class CustomTagCommands;
class DocumentAids;
class DocumentContextMenu;
class DocumentFiles;
class DocumentJournal;
class SessionRestore;
class FindController;
class GoToLineCommand;
class HelpWindow;
class DownloadTimeWindow;
class LineEndingsCommand;
class PanelManager;
class HelperPrograms;
class HomeFolder;
class PreviewController;
class ProgramStarter;
class ReturnButtons;
class QLabel;
class QMdiArea;
class QMenu;
class SpeedBar;
class SpellingController;
class QTabBar;
class TabStrips;
class TagController;
class TemporaryFiles;
class DocumentWindow;
class ViewToggles;
class WindowArranger;

// The main frame: menus, the document area, the tab strips and the status bar. It builds
// the pieces, routes commands to them and runs the start and end of a session; the logic of
// the commands lives in the pieces.
class MainFrame : public QMainWindow
{
    Q_OBJECT

public:
    MainFrame(const HomeFolder &home, SettingsFile &settings, Prompter &prompter,
              QWidget *parent = nullptr);
    ~MainFrame() override;

    // Shows the frame where it stood when it was last closed, and the splash picture.
    void showAtStart(bool withSplash = true);

    // Opens the file waiting in the hand-over key; runs on every activation.
    void AppAct();
    // Files of the command line or handed over by a later copy. They open in the order given,
    // at once, or, while a dialog or message is up, as soon as it closes.
    void queueFiles(const QStringList &files);
    // A later copy asked this one to come forward with its files.
    void comeForward(const QStringList &files);
    // The preview files of this run, deleted at the end.
    // Re-applies the settings to every open document.
    void newtabs();
    // Inserts the date label's text at the caret and selects it.
    void DatesClick();
    void showAbout();
    // Opens a fresh preferences dialog wired to this frame.
    void showPreferences();
    // The help window at a dialog's or panel's topic, or at the contents; made on first use.
    void showHelp(int topic);
    void showHelpContents();
    // Null until help was first asked for.
    HelpWindow *helpWindow() const;
    // The download time window of the active document; an open one is shown as it is.
    void DownloadTime1Click();
    // Null while no download time window is open.
    DownloadTimeWindow *downloadTime() const;

    DocumentFiles &files() const { return *m_files; }
    TabStrips &tabs() const { return *m_tabs; }
    WindowArranger &arranger() const { return *m_arranger; }
    // The tag commands and the insert and wrap entry points (wraptag, listcode2, tipper...).
    TagController &tags() const { return *m_tags; }
    CommandActions &commands() const { return *m_commands; }
    SpeedBar &speedBar() const { return *m_bar; }
    FindController &finding() const { return *m_find; }
    GoToLineCommand &goToLine() const { return *m_goToLine; }
    PanelManager &panels() const { return *m_panels; }
    SpellingController &spelling() const { return *m_spelling; }
    DocumentJournal &journal() const { return *m_journal; }
    DocumentContextMenu &contextMenu() const { return *m_contextMenu; }
    QMenu *menu(const QString &name) const { return m_menus.value(name); }
    MemoryEditor &storememo() { return m_storememo; }
    ShellOptions &options() { return m_options; }
    SettingsFile &settings() const { return m_settings; }
    Prompter &prompter() const { return m_prompter; }
    // Shared with every document window; the preferences set its edit lock while they apply.
    DocumentContext &context() { return m_context; }
    // Sets the helper-programs menu's captions from the stored helper names and paths.
    void helpermenu();
    PreviewController &previews() const { return *m_preview; }
    HelperPrograms &helpers() const { return *m_helpers; }
    ReturnButtons &returnButtons() const { return *m_returnButtons; }
    // The temporary files of this run, deleted when the frame closes.
    TemporaryFiles &temporaryFiles() { return m_temporaries; }
    QString dateLabelText() const;
    QString caretStatusText() const;
    // The active document's encoding and line break, as the status bar shows them.
    QString formatStatusText() const;
    DocumentWindow *activeDocument() const;

Q_SIGNALS:
    // The frame is about to close for good: a later copy of the program must start alone.
    void closing();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool event(QEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    bool FormCloseQuery();
    void FormClose();
    void buildMenus();
    void buildStatusBar();
    void buildPrograms();
    void restoreMainGeometry();
    void updateCaretStatus(DocumentWindow *document);
    void updateFormatStatus(DocumentWindow *document);
    void updateSavePicture();
    void openQueuedFiles();
    void makePanels();
    // The keyboard back to the active document, after a control of a helper panel.
    void returnFocus();

    const HomeFolder &m_home;
    SettingsFile &m_settings;
    Prompter &m_prompter;
    DocumentContext m_context;
    ShellOptions m_options;
    MemoryEditor m_storememo;
    KeyboardModifiers m_keyboard;
    TemporaryFiles m_temporaries;
    std::unique_ptr<ProgramStarter> m_programs;
    std::unique_ptr<ReturnButtons> m_returnButtons;

    QMdiArea *m_client = nullptr;
    QWidget *m_upperPanel = nullptr;
    QTabBar *m_upperTabs = nullptr;
    QTabBar *m_lowerTabs = nullptr;
    QLabel *m_caretStatus = nullptr;
    QLabel *m_wrapNote = nullptr;
    QLabel *m_formatStatus = nullptr;
    QLabel *m_dates = nullptr;
    TabStrips *m_tabs = nullptr;
    WindowArranger *m_arranger = nullptr;
    DocumentFiles *m_files = nullptr;
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
    PreviewController *m_preview = nullptr;
    HelperPrograms *m_helpers = nullptr;
    CustomTagCommands *m_customTags = nullptr;
    QPointer<HelpWindow> m_help;
    QPointer<DownloadTimeWindow> m_downloadTime;
    DocumentJournal *m_journal = nullptr;
    std::unique_ptr<SessionRestore> m_session;
    QHash<QString, QMenu *> m_menus;

    QStringList m_queuedFiles;

    bool m_shown = false;
    bool m_inHandOver = false;
    bool m_openingQueue = false;
};
