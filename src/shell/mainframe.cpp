#include "shell/mainframe.h"

#include "base/filedialogs.h"
#include "base/homefolder.h"
#include "base/programdata.h"
#include "base/prompter.h"
#include "base/settingsfile.h"
#include "base/temporaryfiles.h"
#include "base/windowplace.h"
#include "checking/pagecheckcontroller.h"
#include "commands/commandactions.h"
#include "commands/commandids.h"
#include "commands/keyshelppage.h"
#include "commands/menubuilder.h"
#include "customtags/customtagcommands.h"
#include "documents/documentaids.h"
#include "documents/documentcontextmenu.h"
#include "documents/documentregistry.h"
#include "documents/documentwindow.h"
#include "documents/editcommands.h"
#include "documents/editingaids.h"
#include "documents/gotoline.h"
#include "documents/lineendings.h"
#include "downloadtime/downloadtimecommand.h"
#include "editor/scintillaeditor.h"
#include "files/documentclosing.h"
#include "files/documentfiles.h"
#include "files/documentprinting.h"
#include "files/documentsaving.h"
#include "files/filedrops.h"
#include "files/filemenu.h"
#include "find/findcontroller.h"
#include "find/multireplacecommand.h"
#include "help/helplauncher.h"
#include "help/helptopics.h"
#include "help/helpwindow.h"
#include "helperprograms/helperprograms.h"
#include "helpers/colour/colourhelper.h"
#include "helpers/document/documenthelper.h"
#include "helpers/font/fonthelper.h"
#include "helpers/form/formhelper.h"
#include "helpers/frame/panelmanager.h"
#include "helpers/frames/frameshelper.h"
#include "helpers/image/imagehelper.h"
#include "helpers/link/linkhelper.h"
#include "helpers/list/listhelper.h"
#include "helpers/specialchars/specialcharshelper.h"
#include "helpers/table/tablehelper.h"
#include "helpers/usertags/addtolibrary.h"
#include "helpers/usertags/usertagshelper.h"
#include "markup/tagcontroller.h"
#include "prefs/preferencesdialog.h"
#include "preview/internalpreview.h"
#include "preview/previewcontroller.h"
#include "projects/projectcommands.h"
#include "projects/projectfile.h"
#include "session/documentjournal.h"
#include "session/sessionrestore.h"
#include "shell/splashwindow.h"
#include "shell/startupsteps.h"
#include "shell/tabstrips.h"
#include "shell/windowarranger.h"
#include "shell/windowmenu.h"
#include "spelling/spellingcontroller.h"
#include "statusbar/documentstatusbar.h"
#include "toolbar/examplepickers.h"
#include "toolbar/speedbar.h"
#include "view/documentfont.h"
#include "view/viewtoggles.h"
#include "widgets/desktopprograms.h"
#include "widgets/returnbutton.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>

MainFrame::MainFrame(const HomeFolder &home, SettingsFile &settings, Prompter &prompter,
                     QWidget *parent)
    : QMainWindow(parent), m_home(home), m_settings(settings),
      m_prompter(prompter), m_context{settings, prompter, home.file(QStringLiteral("addict.cfg"))},
      m_options(settings), m_temporaries(settings), m_programs(std::make_unique<DesktopPrograms>()),
      m_returnButtons(std::make_unique<ReturnButtons>(settings, this))
{
    build();
}

MainFrame::~MainFrame()
{
    // The document area outlives this object's own members while QWidget takes it down.
    disconnect(m_client, nullptr, this, nullptr);
    m_documents->detach();
}

void MainFrame::build()
{
    setWindowTitle(QStringLiteral("Quillmark"));
    resize(900, 640);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_upperPanel = new QWidget(central);
    auto *upperLayout = new QVBoxLayout(m_upperPanel);
    upperLayout->setContentsMargins(0, 0, 0, 0);
    m_upperTabs = new QTabBar(m_upperPanel);
    upperLayout->addWidget(m_upperTabs);
    m_client = new QMdiArea(central);
    m_client->setFrameShape(QFrame::NoFrame);
    m_documents = new DocumentRegistry(m_client, this);
    m_commands = new CommandActions(this, [this] { return m_documents->hasEditor(); });
    m_commands->followKeys(m_settings);
    m_bar = new SpeedBar(m_settings, *m_commands, m_home.path(), central);
    m_bar->registerHandlers();
    m_bar->followDocuments(*m_documents);
    layout->addWidget(m_bar);
    auto *findBarTop = new QVBoxLayout;
    layout->addLayout(findBarTop);
    layout->addWidget(m_upperPanel);
    layout->addWidget(m_client, 1);
    auto *findBarBottom = new QVBoxLayout;
    layout->addLayout(findBarBottom);
    setCentralWidget(central);

    m_help = new HelpLauncher(ProgramData::folder(QCoreApplication::applicationDirPath()) +
                                  QStringLiteral("/help"),
                              this);
    const auto help = [this](int topic) { m_help->show(topic); };
    m_help->setGeneratedPage(QLatin1String(KeysHelpPage::File),
                             [this] { return KeysHelpPage::html(m_commands->keys()); });
    m_status = new DocumentStatusBar(statusBar(), *m_documents, *m_commands);
    m_tabs = new TabStrips(m_status->lowerTabs(), m_upperTabs, m_upperPanel, this);
    m_tabs->follow(*m_documents);
    m_arranger = new WindowArranger(m_client, *m_tabs, m_settings, this);
    m_arranger->follow(*m_documents);
    connect(m_status, &DocumentStatusBar::tabbedDisplayRequested, m_arranger,
            &WindowArranger::Tabbed);
    m_files = new DocumentFiles(*m_documents, m_context, m_home, this);
    m_saving = new DocumentSaving(*m_documents, *m_files, m_context, this);
    m_closing = new DocumentClosing(*m_documents, this);
    m_printing = new DocumentPrinting(*m_documents, *m_files, m_prompter, this);
    connect(m_files, &DocumentFiles::documentMaximised, m_tabs, [this] { m_tabs->setShown(true); });
    // A tab's close button and a middle click close that document, through its question.
    connect(m_tabs, &TabStrips::closeRequested, this,
            [](DocumentWindow *doc) { doc->parentWidget()->close(); });
    m_files->setFirstCallHook([this] { restoreMainGeometry(); });
    m_journal = new DocumentJournal(*m_documents, m_files->watcher(),
                                    m_home.file(QStringLiteral("recovery")), this);
    connect(m_journal, &DocumentJournal::failed, this,
            [this](const QString &message) { statusBar()->showMessage(message); });
    m_session = std::make_unique<SessionRestore>(*m_documents, *m_files, *m_journal, m_settings,
                                                 m_prompter);
    // Files dropped on the frame or on a document open as documents.
    new FileDrops(this, [this](const QStringList &names) { m_files->openFiles(names); });
    m_tags = new TagController(*m_documents, m_keyboard, m_settings, m_options, m_prompter,
                               m_storememo, this);
    m_find = new FindController(m_settings, m_storememo, m_prompter, *m_documents, this);
    m_find->setHelp(help);
    m_find->setBarPlaces({findBarTop, findBarBottom}, [this] { m_documents->returnFocus(); });
    m_contextMenu = new DocumentContextMenu(*m_commands, this);
    m_aids = new DocumentAids(*m_documents, m_options, *m_commands, *m_contextMenu, this);
    m_aids->setEscapeHandler([this] { m_find->dropAll(); });
    // F1 in the frame itself; a helper panel or a find window with the keyboard answers its own.
    auto *helpKey = new QShortcut(QKeySequence(Qt::Key_F1), this);
    helpKey->setContext(Qt::WidgetWithChildrenShortcut);
    connect(helpKey, &QShortcut::activated, m_help, &HelpLauncher::showContents);
    m_spelling =
        new SpellingController(m_context.spellingConfigPath, m_prompter, *m_documents, this, this);
    m_spelling->attachTo(*m_contextMenu);
    m_goToLine = new GoToLineCommand(
        [this](int line) {
            DocumentWindow *doc = m_documents->active();
            if (!doc)
                return false;
            m_tags->changeline(line);
            doc->showCaretInContext();
            return true;
        },
        [this] { return m_documents->hasEditor(); }, m_prompter, this, statusBar(),
        m_status->caretPanel());
    m_lineEndings = new LineEndingsCommand(*m_documents, m_status->formatPanel(), this);
    connect(m_arranger, &WindowArranger::lastClosing, this, [this] {
        if (GoToLineDialog *box = m_goToLine->window())
            box->close();
    });
    m_downloadTime = new DownloadTimeCommand(*m_documents, help, this);
    m_pageCheck = new PageCheckController(*m_documents, m_settings, this, statusBar(), this);
    makePanels();

    buildMenus();
    buildPrograms();

    m_tabs->setUpper(m_options.tabsAtTop());
    m_storememo.setUndoEnabled(false);
    m_storememo.clear();
    m_storememo.setTabWidth(m_settings.read(Keys::TabWidth));
    StartupSteps::fixUpSpellingConfig(m_home.file(QStringLiteral("addict.cfg")), m_home.path());
    connect(&m_settings, &SettingsFile::applied, this, &MainFrame::applySettings);
}

void MainFrame::buildMenus()
{
    m_menus = MenuBuilder::build(menuBar(), *m_commands);
    if (QMenu *helpMenu = m_menus.value(QStringLiteral("Help1")))
        if (auto *version = helpMenu->findChild<QAction *>(QStringLiteral("Version")))
            version->setText(QStringLiteral("Version ") + QCoreApplication::applicationVersion());
    registerHandlers(*m_commands);
    m_files->registerHandlers(*m_commands);
    m_saving->registerHandlers(*m_commands);
    m_closing->registerHandlers(*m_commands);
    m_printing->registerHandlers(*m_commands);
    m_arranger->registerHandlers(*m_commands);
    EditCommands::registerTagCommands(*m_commands, *m_tags);
    m_find->registerHandlers(*m_commands);
    connect(m_arranger, &WindowArranger::lastClosing, m_find, &FindController::closeAll);
    m_goToLine->registerHandlers(*m_commands);
    m_panels->registerHandlers(*m_commands);
    m_downloadTime->registerHandlers(*m_commands);
    auto *multiReplace = new MultiReplaceCommand(
        *m_find, m_prompter,
        [this](const QString &path) { return m_files->findOpen(path) != nullptr; },
        [this](int topic) { m_help->show(topic); }, this);
    // A project in the list stands for the pages it names.
    multiReplace->setProjectEntries([this](const QString &project) {
        QStringList entries;
        QString reason;
        if (!ProjectFile::read(project, &entries, &reason))
            m_prompter.error(QStringLiteral("%1 could not be read: %2")
                                 .arg(QDir::toNativeSeparators(project), reason));
        return entries;
    });
    multiReplace->registerHandlers(*m_commands);
    EditCommands::registerAll(*m_commands, *m_documents, m_tags->insertWrap(),
                              m_tags->conversions());
    m_view = new ViewToggles(m_settings, *m_documents, this, this);
    m_view->registerHandlers(*m_commands);
    m_lineEndings->registerHandlers(*m_commands);
    m_spelling->registerHandlers(*m_commands);
    m_pageCheck->registerHandlers(*m_commands);
    connect(m_view, &ViewToggles::liveSpellingChanged, m_bar, &SpeedBar::setLiveSpelling);
    if (QAction *wrap = m_commands->action(Cmd::Wordwrap1Click))
        wrap->setChecked(m_settings.read(Keys::Wraps) != QLatin1String("no"));
    FileMenu::watch(m_menus.value(QStringLiteral("File1")),
                    m_menus.value(QStringLiteral("RecentFiles")), *m_commands, *m_files);
    WindowMenu::listDocuments(m_menus.value(QStringLiteral("Window1")), *m_arranger, *m_documents);
    m_tabs->setPopupMenu(WindowMenu::buildStripMenu(
        this, *m_arranger, {*m_documents, *m_files, *m_saving, *m_closing}));
    MenuState::watchEdit(m_menus.value(QStringLiteral("Edit1")), *m_commands, [this] {
        EditMenuState state;
        DocumentWindow *doc = m_documents->active();
        if (!doc)
            return state;
        state.hasDocument = true;
        state.wordWrap = doc->wordWrap();
        state.liveSpelling = doc->liveSpelling();
        state.colouredTags = doc->tagColouring();
        state.canUndo = doc->editor().canUndo();
        state.canRedo = doc->memo()->isRedoAvailable();
        state.hasSelection = doc->editor().selLength() != 0;
        state.clipboardHasText = !QApplication::clipboard()->text().isEmpty();
        return state;
    });
    MenuState::watchCharacter(m_menus.value(QStringLiteral("Character1")), *m_commands, m_options);
}

void MainFrame::makePanels()
{
    PanelHost host{m_settings, *m_tags, *m_documents, *m_help};
    m_panels = new PanelManager(std::move(host), this, [this] { return m_documents->hasEditor(); });
    m_panels->addFactory(PanelId::Image, [](const PanelRow &row, PanelHost &h, QWidget *frame) {
        return new ImageHelper(row, h, frame);
    });
    m_panels->addFactory(PanelId::Document, [](const PanelRow &row, PanelHost &h, QWidget *frame) {
        return new DocumentHelper(row, h, frame);
    });
    m_panels->addFactory(PanelId::Link, [this](const PanelRow &row, PanelHost &h, QWidget *frame) {
        // The link helper's file dialog starts where Open does and moves it along.
        return new LinkHelper(row, h, frame, [this](const QString &filter) {
            FileDialogState &state = m_files->dialogState();
            const QString file =
                m_files->dialogs()
                    .openFiles(QStringLiteral("Link to File"), state.folder(), filter, false)
                    .value(0);
            if (!file.isEmpty())
                state.chosen(file);
            return file;
        });
    });
    m_panels->addFactory(PanelId::List, [](const PanelRow &row, PanelHost &h, QWidget *frame) {
        return new ListHelper(row, h, frame);
    });
    m_panels->addFactory(PanelId::Table, [this](const PanelRow &row, PanelHost &h, QWidget *frame) {
        return new TableHelper(row, h, frame, m_prompter);
    });
    m_panels->addFactory(
        PanelId::SpecialChars, [this](const PanelRow &row, PanelHost &h, QWidget *frame) {
            return new SpecialCharsHelper(row, h, frame, m_prompter, m_home.libraryDir());
        });
    // Add to Library, started from the user tags panel, closes and opens it again.
    auto *addToLibrary = new AddToLibrary(*m_panels, m_prompter, m_home.libraryDir(), this);
    m_panels->addFactory(PanelId::UserTags, [this, addToLibrary](const PanelRow &row, PanelHost &h,
                                                                 QWidget *frame) {
        return new UserTagsHelper(row, h, frame, m_prompter, m_home.libraryDir(), *addToLibrary);
    });
    m_panels->addFactory(PanelId::Colour, [](const PanelRow &row, PanelHost &h, QWidget *frame) {
        return new ColourHelper(row, h, frame);
    });
    m_panels->addFactory(PanelId::Font, [](const PanelRow &row, PanelHost &h, QWidget *frame) {
        return new FontHelper(row, h, frame);
    });
    m_panels->addFactory(PanelId::Form, [](const PanelRow &row, PanelHost &h, QWidget *frame) {
        return new FormHelper(row, h, frame);
    });
    m_panels->addFactory(PanelId::Frames, [this](const PanelRow &row, PanelHost &h,
                                                 QWidget *frame) {
        // The frame helper's file dialog starts where Open does and moves it along.
        return new FramesHelper(row, h, frame, [this](const QString &title, const QString &filter) {
            FileDialogState &state = m_files->dialogState();
            const QString file =
                m_files->dialogs().openFiles(title, state.folder(), filter, false).value(0);
            if (!file.isEmpty())
                state.chosen(file);
            return file;
        });
    });
}

void MainFrame::buildPrograms()
{
    const auto dialogs = [this]() -> FileDialogs & { return m_files->dialogs(); };
    m_preview =
        new PreviewController({m_settings, m_prompter, *m_programs, m_temporaries, *m_returnButtons,
                               m_keyboard, m_home.path(), this, *m_documents, *m_files},
                              this);
    m_preview->registerHandlers(*m_commands);
    m_helpers =
        new HelperPrograms(m_settings, m_prompter, *m_programs, *m_returnButtons, dialogs, this);
    m_helpers->registerHandlers(*m_commands);
    m_customTags = new CustomTagCommands(m_settings, m_prompter, m_keyboard, *m_tags, this);
    m_customTags->registerHandlers(*m_commands);
    m_customTags->watchMenu(m_menus.value(QStringLiteral("Custom1")));
    connect(m_customTags, &CustomTagCommands::changed, m_bar, &SpeedBar::doButtons);
    m_projects = new ProjectCommands({*m_documents, *m_files, *m_saving, m_settings, m_prompter,
                                      m_home, [this](int topic) { m_help->show(topic); }},
                                     this);
    m_projects->registerHandlers(*m_commands);
    m_pageCheck->setProjectFolder(
        [this](const QString &page) { return m_projects->projectFolderOf(page); });
    connect(m_projects, &ProjectCommands::projectChanged, m_pageCheck,
            &PageCheckController::recheck);
    m_pickers = new ExamplePickers(
        *m_bar, *m_tags, m_settings, m_keyboard, [this] { m_documents->returnFocus(); }, this);
    m_pickers->registerHandlers(*m_commands);
    // Typing in a document means the user is back: the return button goes.
    connect(m_documents, &DocumentRegistry::edited, this, [this] { m_returnButtons->drop(); });
}

void MainFrame::restoreMainGeometry()
{
    if (m_settings.read(Keys::RestoreMain).isEmpty() ||
        m_settings.read(Keys::Up) == QLatin1String("ok")) {
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    const QRect place = WindowPlace::clamped(
        QRect(m_settings.read(Keys::MainLeft), m_settings.read(Keys::MainTop),
              m_settings.read(Keys::MainWidth), m_settings.read(Keys::MainHeight)),
        screen() ? screen()->availableGeometry() : QRect());
    resize(place.size());
    move(place.topLeft());
}

void MainFrame::showAtStart(bool withSplash)
{
    // The first new document restores the frame's place; do it before the frame appears so
    // that it does not jump once shown.
    m_files->setFirstCallHook(nullptr);
    restoreMainGeometry();
    show();
    // The recovery journal starts once the frame is up, with the documents the session opened:
    // making its folder and lock on the disk need not hold the window back.
    m_journal->setEnabled(m_settings.read(Keys::Recovery));
    // The picture comes once the frame is up, so that it never holds the frame back.
    if (withSplash)
        QTimer::singleShot(0, this, [this] {
            (new SplashWindow(SplashWindow::Mode::Splash, frameGeometry(), this))->show();
        });
}

void MainFrame::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        startSession();
    }
}

void MainFrame::startSession()
{
    // The untitled count goes back to nought and the first document takes number one: the
    // file is written once at the end, or not at all when it ends as it was.
    SettingsFile::Batch batch(m_settings);
    StartupSteps::prepareSettings(m_settings);
    QString error;
    m_home.createFolders(&error);
    m_bar->restoreLayout();
    m_bar->doButtons();
    const bool restored = m_session->atStart();
    // A file of the command line that came back with the session is shown, not named as
    // open already.
    DocumentWindow *given = nullptr;
    for (auto it = m_queuedFiles.begin(); it != m_queuedFiles.end();) {
        DocumentWindow *open =
            m_files->findOpen(QDir::cleanPath(QFileInfo(*it).absoluteFilePath()));
        if (open)
            given = open;
        it = open ? m_queuedFiles.erase(it) : it + 1;
    }
    if (!m_queuedFiles.isEmpty())
        openQueuedFiles();
    else if (given)
        m_documents->activate(given);
    else if (!m_settings.read(Keys::Hello).isEmpty())
        openHandedOverFile();
    else if (!restored)
        m_files->news();
    m_files->startUpDone();
}

void MainFrame::queueFiles(const QStringList &files)
{
    m_queuedFiles += files;
    openQueuedFiles();
}

void MainFrame::comeForward(const QStringList &files)
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    queueFiles(files);
    openHandedOverFile();
}

void MainFrame::openQueuedFiles()
{
    // A dialog that is up may be in the middle of a command over the open documents (Close
    // All, a save question): new documents wait until it has closed. A message shown while
    // the queue is opened lets the loop below take files that arrive meanwhile.
    if (!m_shown || m_openingQueue || QApplication::activeModalWidget())
        return;
    m_openingQueue = true;
    while (!m_queuedFiles.isEmpty() && !QApplication::activeModalWidget())
        m_files->openFiles({m_queuedFiles.takeFirst()});
    m_openingQueue = false;
}

bool MainFrame::event(QEvent *event)
{
    const bool result = QMainWindow::event(event);
    // Sent when the last dialog over the frame has closed.
    if (event->type() == QEvent::WindowUnblocked && !m_queuedFiles.isEmpty())
        QTimer::singleShot(0, this, &MainFrame::openQueuedFiles);
    return result;
}

void MainFrame::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        openHandedOverFile();
}

void MainFrame::openHandedOverFile()
{
    // A message shown while opening activates the frame again when it closes.
    if (m_inHandOver || !m_shown)
        return;
    m_inHandOver = true;
    m_files->openHandedOver();
    m_inHandOver = false;
}

void MainFrame::applySettings()
{
    m_journal->setEnabled(m_settings.read(Keys::Recovery));
    m_tabs->setUpper(m_options.tabsAtTop());
    if (!m_documents->documents().isEmpty())
        m_storememo.setTabWidth(m_settings.read(Keys::TabWidth));
}

void MainFrame::registerHandlers(CommandActions &commands)
{
    commands.setHandler(Cmd::Exit1Click, [this] { close(); });
    commands.setHandler(Cmd::About1Click, [this] { showAbout(); });
    commands.setHandler(Cmd::Preferences1Click, [this] { showPreferences(); });
    commands.setHandler(Cmd::Contents1Click, [this] { m_help->showContents(); });
    commands.setHandler(Cmd::ToolbarHelp1Click, [this] { m_help->show(HelpTopic::Toolbar); });
}

void MainFrame::showAbout()
{
    auto *about = new SplashWindow(SplashWindow::Mode::About, frameGeometry(), this);
    about->show();
    // Escape and Enter close it: it needs the keyboard (and gives it back when it closes).
    about->activateWindow();
    about->setFocus();
}

bool MainFrame::mayClose()
{
    for (DocumentWindow *doc : m_documents->documents())
        if (!doc->closeQuery([this](DocumentWindow *d) { m_saving->save(d); }))
            return false;
    m_bar->saveLayout();
    return true;
}

void MainFrame::keepWindowPlace()
{
    // The internal preview and the return button keep their places when they close.
    if (InternalPreview *preview = m_preview->internal())
        preview->widget()->close();
    m_returnButtons->close();
    SettingsFile::Batch batch(m_settings);
    const bool maximised = isMaximized();
    m_settings.write(Keys::Up, maximised ? QStringLiteral("ok") : QString());
    if (!isMinimized()) {
        const QRect g = geometry();
        m_settings.write(Keys::MainTop, g.top());
        m_settings.write(Keys::MainLeft, g.left());
        m_settings.write(Keys::MainWidth, g.width());
        m_settings.write(Keys::MainHeight, g.height());
    }
    m_temporaries.deleteAll();
}

void MainFrame::closeEvent(QCloseEvent *event)
{
    if (!mayClose()) {
        event->ignore();
        return;
    }
    Q_EMIT closing();
    m_session->atEnd();
    m_journal->finish();
    // Every document has agreed; none asks again when the frame takes them down.
    for (DocumentWindow *doc : m_documents->documents())
        doc->setModified(false);
    keepWindowPlace();
    // Nothing of the program stays open once its frame has gone.
    m_panels->closeAll();
    if (HelpWindow *help = m_help->window())
        help->close();
    event->accept();
}

void MainFrame::showPreferences()
{
    PreferencesHost host{m_settings, m_prompter};
    host.dataFolder = [this](const QString &folder) { m_files->dialogState().setFolder(folder); };
    host.help = [this](int topic) { m_help->show(topic); };
    PreferencesDialog::showFor(std::move(host), this);
}
