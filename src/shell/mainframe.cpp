#include "shell/mainframe.h"

#include "base/filedialogs.h"
#include "base/homefolder.h"
#include "base/programdata.h"
#include "base/prompter.h"
#include "base/settingsfile.h"
#include "base/temporaryfiles.h"
#include "base/windowplace.h"
#include "commands/commandactions.h"
#include "commands/commandids.h"
#include "commands/menubuilder.h"
#include "customtags/customtagcommands.h"
#include "documents/documentaids.h"
#include "documents/documentcontextmenu.h"
#include "documents/documentwindow.h"
#include "documents/editcommands.h"
#include "documents/editingaids.h"
#include "documents/gotoline.h"
#include "documents/lineendings.h"
#include "downloadtime/downloadtimewindow.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "files/filedrops.h"
#include "files/filemenu.h"
#include "find/findcontroller.h"
#include "help/helptopics.h"
#include "help/helpwindow.h"
#include "helperprograms/helperprograms.h"
#include "helpers/document/documenthelper.h"
#include "helpers/frame/panelmanager.h"
#include "helpers/image/imagehelper.h"
#include "helpers/link/linkhelper.h"
#include "helpers/list/listhelper.h"
#include "helpers/table/tablehelper.h"
#include "markup/tagcontroller.h"
#include "prefs/preferencesdialog.h"
#include "preview/internalpreview.h"
#include "preview/previewcontroller.h"
#include "session/documentjournal.h"
#include "session/sessionrestore.h"
#include "shell/commandhandlers.h"
#include "shell/splashwindow.h"
#include "shell/startupsteps.h"
#include "shell/tabstrips.h"
#include "shell/windowarranger.h"
#include "shell/windowmenu.h"
#include "spelling/spellingcontroller.h"
#include "toolbar/speedbar.h"
#include "view/documentfont.h"
#include "view/viewtoggles.h"
#include "widgets/desktopprograms.h"
#include "widgets/returnbutton.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// A label that reports clicks and double clicks.
class ClickLabel : public QLabel
{
public:
    std::function<void()> onClick;
    std::function<void()> onDoubleClick;

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        QLabel::mousePressEvent(event);
        if (onClick)
            onClick();
    }
    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        QLabel::mouseDoubleClickEvent(event);
        if (onDoubleClick)
            onDoubleClick();
    }
};

constexpr int StatusHeight = 22;
constexpr int StatusPanelWidth = 240;

} // namespace

MainFrame::MainFrame(const HomeFolder &home, SettingsFile &settings, Prompter &prompter,
                     QWidget *parent)
    : QMainWindow(parent), m_home(home), m_settings(settings),
      m_prompter(prompter), m_context{settings, prompter, home.file(QStringLiteral("addict.cfg")),
                                      QString()},
      m_temporaries(settings), m_programs(std::make_unique<DesktopPrograms>()),
      m_returnButtons(std::make_unique<ReturnButtons>(settings, this))
{
    FormCreate();
}

MainFrame::~MainFrame()
{
    // The document area outlives this object's own members while QWidget takes it down.
    disconnect(m_client, nullptr, this, nullptr);
}

void MainFrame::FormCreate()
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
    m_commands = new CommandActions(this, [this] { return activeDocument() != nullptr; });
    m_bar = new SpeedBar(m_settings, *m_commands, m_home.path(), central);
    m_bar->setObjectName(QStringLiteral("thepanel"));
    m_bar->registerHandlers();
    m_bar->setFlat(!m_settings.read(Keys::Flat).isEmpty());
    layout->addWidget(m_bar);
    layout->addWidget(m_upperPanel);
    layout->addWidget(m_client, 1);
    setCentralWidget(central);

    buildStatusBar();
    m_tabs = new TabStrips(m_lowerTabs, m_upperTabs, m_upperPanel, this);
    m_files = new DocumentFiles(m_client, m_context, m_options, m_home, this);
    connect(m_files, &DocumentFiles::documentAdded, this,
            [this](DocumentWindow *doc, const QString &tab) {
                m_tabs->add(doc, tab);
                DocumentFont::applyStored(*doc, m_settings);
            });
    connect(m_files, &DocumentFiles::documentMaximised, m_tabs, [this] { m_tabs->setShown(true); });
    connect(m_files, &DocumentFiles::documentRenamed, m_tabs, &TabStrips::setText);
    connect(m_files, &DocumentFiles::modifiedChanged, m_tabs,
            [this](DocumentWindow *doc, bool modified) {
                if (modified)
                    m_tabs->markModified(doc);
                else
                    m_tabs->clearModified(doc);
                m_arranger->showModified(doc, modified);
            });
    // Renaming gives the window the document's plain caption again.
    connect(m_files, &DocumentFiles::documentRenamed, this,
            [this](DocumentWindow *doc) { m_arranger->showModified(doc, doc->isModified()); });
    // The strip stays up, empty, after the last document closes, until the display changes.
    connect(m_files, &DocumentFiles::documentClosed, m_tabs, &TabStrips::remove);
    // A tab's close button and a middle click close that document, through its question.
    connect(m_tabs, &TabStrips::closeRequested, this,
            [](DocumentWindow *doc) { doc->parentWidget()->close(); });
    m_files->setFirstCallHook([this] { restoreMainGeometry(); });
    m_journal = new DocumentJournal(*m_files, m_home.file(QStringLiteral("recovery")), this);
    connect(m_journal, &DocumentJournal::failed, this,
            [this](const QString &message) { statusBar()->showMessage(message); });
    m_session = std::make_unique<SessionRestore>(*m_files, *m_journal, m_settings, m_prompter);
    // Files dropped on the frame or on a document open as documents.
    new FileDrops(this, [this](const QStringList &names) { m_files->openFiles(names); });
    const auto activeEditor = [this]() -> TextEditor * {
        DocumentWindow *doc = activeDocument();
        return doc ? &doc->editor() : nullptr;
    };
    m_tags = new TagController(
        activeEditor,
        [this](TextEditor &editor, const QString &tip) {
            for (DocumentWindow *doc : m_files->documents())
                if (&doc->editor() == &editor)
                    doc->showTip(tip);
        },
        m_keyboard, m_settings, m_options, m_prompter, m_storememo, this);
    m_arranger = new WindowArranger(m_client, *m_tabs, m_settings, this);
    m_find = new FindController(m_settings, m_storememo, m_prompter, activeEditor, this);
    m_contextMenu = new DocumentContextMenu(*m_commands, this);
    m_aids = new DocumentAids(m_options, *m_commands, *m_contextMenu, this);
    m_aids->setEscapeHandler([this] { m_find->dropAll(); });
    m_find->setHelp([this](int topic) { showHelp(topic); });
    m_spelling = new SpellingController(
        m_context.spellingConfigPath, m_prompter, [this] { return activeDocument(); }, this, this);
    m_spelling->attachTo(*m_contextMenu);
    m_goToLine = new GoToLineCommand(
        [this](int line) {
            DocumentWindow *doc = activeDocument();
            if (!doc)
                return false;
            m_tags->changeline(line);
            doc->showCaretInContext();
            return true;
        },
        [this] { return activeDocument() != nullptr; }, m_prompter, this, statusBar(),
        m_caretStatus->parentWidget());
    m_lineEndings = new LineEndingsCommand([this] { return activeDocument(); },
                                           m_formatStatus->parentWidget(), this);
    connect(m_arranger, &WindowArranger::lastClosing, m_caretStatus, &QLabel::clear);
    connect(m_arranger, &WindowArranger::lastClosing, m_formatStatus, &QLabel::clear);
    connect(m_arranger, &WindowArranger::lastClosing, m_wrapNote, &QWidget::hide);
    connect(m_arranger, &WindowArranger::lastClosing, this, [this] {
        if (GoToLineDialog *box = m_goToLine->window())
            box->close();
    });
    connect(m_client, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *sub) {
        if (auto *doc = sub ? qobject_cast<DocumentWindow *>(sub->widget()) : nullptr) {
            updateCaretStatus(doc);
            updateFormatStatus(doc);
        }
        updateSavePicture();
        m_view->updateChecks();
        if (DocumentWindow *doc = activeDocument())
            m_bar->setLiveSpelling(doc->liveSpelling());
    });
    connect(m_files, &DocumentFiles::documentMade, this, [this](DocumentWindow *doc) {
        m_arranger->watch(doc);
        m_aids->watch(doc);
        m_spelling->watch(doc);
        connect(doc, &DocumentWindow::caretMoved, this, &MainFrame::updateCaretStatus);
        // The live spelling picture and check mark follow the active document.
        connect(doc, &DocumentWindow::liveSpellingChanged, this, [this](DocumentWindow *changed) {
            if (changed != activeDocument())
                return;
            m_bar->setLiveSpelling(changed->liveSpelling());
            m_view->updateChecks();
        });
        connect(doc, &DocumentWindow::edited, this, &MainFrame::updateSavePicture);
        connect(doc, &DocumentWindow::formatChanged, this, &MainFrame::updateFormatStatus);
        updateCaretStatus(doc);
        updateFormatStatus(doc);
        updateSavePicture();
    });
    connect(m_files, &DocumentFiles::documentSaved, this, &MainFrame::updateSavePicture);
    // A reload or a deleted file changes the modified state without an edit.
    connect(m_files, &DocumentFiles::modifiedChanged, this, &MainFrame::updateSavePicture);
    makePanels();

    buildMenus();
    buildPrograms();

    m_tabs->setUpper(!m_settings.read(Keys::TabLoc).isEmpty());
    m_options.read(m_settings, true);
    StartupSteps::prepareSettings(m_settings);
    m_dates->setText(dateLabelText());
    m_storememo.setUndoEnabled(false);
    m_storememo.clear();
    m_storememo.setTabWidth(m_settings.read(Keys::TabWidth));
    StartupSteps::fixUpSpellingConfig(m_home.file(QStringLiteral("addict.cfg")), m_home.path());
}

void MainFrame::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setSizeGripEnabled(false);
    bar->setFixedHeight(StatusHeight);

    // The lower tab strip sits over a blank label that fills the rest of the bar; a double
    // click on the label brings back the tabbed display.
    auto *left = new ClickLabel;
    left->onDoubleClick = [this] { m_arranger->Tabbed(); };
    auto *leftLayout = new QHBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    m_lowerTabs = new QTabBar(left);
    m_lowerTabs->setShape(QTabBar::RoundedSouth);
    leftLayout->addWidget(m_lowerTabs);
    leftLayout->addStretch(1);
    bar->addWidget(left, 1);

    // The active document's encoding and line break; a click offers to convert the line breaks.
    auto *formatPanel = new QFrame(bar);
    formatPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto *formatLayout = new QHBoxLayout(formatPanel);
    formatLayout->setContentsMargins(4, 0, 4, 0);
    auto *format = new ClickLabel;
    format->onClick = [this] { m_lineEndings->run(); };
    format->setToolTip(
        QStringLiteral("Encoding and line breaks; click to convert the line breaks"));
    m_formatStatus = format;
    formatLayout->addWidget(format);
    bar->addPermanentWidget(formatPanel);

    // Shown while the active document is a large page that opened without word wrap.
    auto *wrapNote = new ClickLabel;
    wrapNote->setText(QStringLiteral(" Word wrap is off for this large page "));
    wrapNote->setToolTip(QStringLiteral("Click to wrap the lines of this page"));
    wrapNote->setCursor(Qt::PointingHandCursor);
    wrapNote->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    wrapNote->onClick = [this] { m_commands->run(Cmd::Wordwrap1Click); };
    wrapNote->setObjectName(QStringLiteral("wrapNote"));
    wrapNote->hide();
    m_wrapNote = wrapNote;
    bar->addPermanentWidget(wrapNote);

    auto *panel = new QFrame(bar);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setMinimumWidth(StatusPanelWidth);
    auto *panelLayout = new QHBoxLayout(panel);
    panelLayout->setContentsMargins(2, 0, 2, 0);
    auto *caret = new ClickLabel;
    caret->setText(QStringLiteral(" line: 1  col: 1"));
    caret->onDoubleClick = [this] { m_commands->run(Cmd::GoToLine1Click); };
    m_caretStatus = caret;
    auto *dates = new ClickLabel;
    dates->onClick = [this] { DatesClick(); };
    dates->setCursor(Qt::PointingHandCursor);
    dates->setToolTip(QStringLiteral("Click to insert the date"));
    m_dates = dates;
    panelLayout->addWidget(caret, 1);
    panelLayout->addWidget(dates);
    bar->addPermanentWidget(panel);
}

void MainFrame::buildMenus()
{
    m_menus = MenuBuilder::build(menuBar(), *m_commands);
    if (QMenu *help = m_menus.value(QStringLiteral("Help1")))
        if (auto *version = help->findChild<QAction *>(QStringLiteral("Version")))
            version->setText(QStringLiteral("Version ") + QCoreApplication::applicationVersion());
    CommandHandlers::registerAll(
        *m_commands, {*m_files, *m_arranger, *m_tags, *m_find, *m_goToLine, *m_panels,
                      [this] { close(); }, [this] { showAbout(); }, [this] { showPreferences(); },
                      [this](int topic) { showHelp(topic); }, [this] { showHelpContents(); }});
    m_commands->setHandler(Cmd::DownloadTime1Click, [this] { DownloadTime1Click(); });
    EditCommands::registerAll(
        *m_commands, [this] { return activeDocument(); }, m_tags->insertWrap(),
        m_tags->conversions());
    m_view = new ViewToggles(
        m_settings, [this] { return m_files->active(); }, this, this);
    m_view->registerHandlers(*m_commands);
    m_lineEndings->registerHandler(*m_commands);
    m_spelling->registerHandlers(*m_commands);
    connect(m_view, &ViewToggles::liveSpellingChanged, m_bar, &SpeedBar::setLiveSpelling);
    if (QAction *wrap = m_commands->action(Cmd::Wordwrap1Click))
        wrap->setChecked(m_settings.read(Keys::Wraps) != QLatin1String("no"));
    FileMenu::watch(m_menus.value(QStringLiteral("File1")),
                    m_menus.value(QStringLiteral("RecentFiles")), *m_commands, *m_files);
    WindowMenu::listDocuments(m_menus.value(QStringLiteral("Window1")), *m_arranger, *m_files);
    m_tabs->setPopupMenu(WindowMenu::buildStripMenu(this, *m_arranger, *m_files));
    MenuState::watchEdit(m_menus.value(QStringLiteral("Edit1")), *m_commands, [this] {
        EditMenuState state;
        DocumentWindow *doc = activeDocument();
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
    PanelHost host{m_settings,
                   *m_tags,
                   [this]() -> TextEditor * {
                       DocumentWindow *doc = activeDocument();
                       return doc ? &doc->editor() : nullptr;
                   },
                   [this] {
                       DocumentWindow *doc = activeDocument();
                       // An Untitled document has no file yet.
                       return doc && QDir::isAbsolutePath(doc->identity()) ? doc->identity()
                                                                           : QString();
                   },
                   [this] { returnFocus(); },
                   [this](int topic) { showHelp(topic); }};
    m_panels =
        new PanelManager(std::move(host), this, [this] { return activeDocument() != nullptr; });
    m_panels->addFactory("ImageHelper", [](const PanelRow &row, PanelHost &h, QWidget *frame) {
        return new ImageHelper(row, h, frame);
    });
    m_panels->addFactory("DocumentHelper", [](const PanelRow &row, PanelHost &h, QWidget *frame) {
        return new DocumentHelper(row, h, frame);
    });
    m_panels->addFactory("LinkHelper", [this](const PanelRow &row, PanelHost &h, QWidget *frame) {
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
    m_panels->addFactory("ListHelper", [](const PanelRow &row, PanelHost &h, QWidget *frame) {
        return new ListHelper(row, h, frame);
    });
    m_panels->addFactory("TableHelper", [this](const PanelRow &row, PanelHost &h, QWidget *frame) {
        return new TableHelper(row, h, frame, m_prompter);
    });
}

void MainFrame::returnFocus()
{
    activateWindow();
    if (DocumentWindow *doc = activeDocument())
        doc->memo()->setFocus();
}

void MainFrame::buildPrograms()
{
    const auto dialogs = [this]() -> FileDialogs & { return m_files->dialogs(); };
    m_preview =
        new PreviewController({m_settings, m_prompter, *m_programs, m_temporaries, *m_returnButtons,
                               m_keyboard, m_home.path(), this, [this] { return activeDocument(); },
                               dialogs, [this] { return m_files->chooseFile(); }},
                              this);
    m_preview->registerHandlers(*m_commands);
    m_helpers =
        new HelperPrograms(m_settings, m_prompter, *m_programs, *m_returnButtons, dialogs, this);
    m_helpers->registerHandlers(*m_commands);
    m_customTags = new CustomTagCommands(
        m_settings, m_prompter, m_keyboard,
        [this]() -> TextEditor * {
            DocumentWindow *doc = activeDocument();
            return doc ? &doc->editor() : nullptr;
        },
        *m_tags, this);
    m_customTags->registerHandlers(*m_commands);
    m_customTags->watchMenu(m_menus.value(QStringLiteral("Custom1")));
    connect(m_customTags, &CustomTagCommands::changed, m_bar, &SpeedBar::doButtons);
    // Typing in a document means the user is back: the return button goes.
    connect(m_files, &DocumentFiles::documentMade, this, [this](DocumentWindow *doc) {
        connect(doc, &DocumentWindow::edited, this, [this] { m_returnButtons->drop(); });
    });
}

void MainFrame::helpermenu()
{
    if (m_helpers)
        m_helpers->helpermenu();
}

void MainFrame::updateSavePicture()
{
    DocumentWindow *doc = activeDocument();
    m_bar->setSaveModified(doc && doc->isModified());
}

QString MainFrame::dateLabelText() const
{
    return StartupSteps::dateLabelText(QDate::currentDate(), QLocale::system());
}

QString MainFrame::caretStatusText() const
{
    return m_caretStatus->text();
}

QString MainFrame::formatStatusText() const
{
    return m_formatStatus->text();
}

DocumentWindow *MainFrame::activeDocument() const
{
    return m_files->active();
}

void MainFrame::updateCaretStatus(DocumentWindow *doc)
{
    if (!doc || doc != activeDocument())
        return;
    m_caretStatus->setText(EditingAids::caretStatus(doc->editor()));
}

void MainFrame::updateFormatStatus(DocumentWindow *doc)
{
    if (!doc || doc != activeDocument())
        return;
    m_formatStatus->setText(doc->formatText());
    m_wrapNote->setVisible(doc->wrapHeldOff());
    if (m_view)
        m_view->updateChecks();
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
    if (withSplash)
        (new SplashWindow(SplashWindow::Mode::Splash, frameGeometry(), this))->show();
}

void MainFrame::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void MainFrame::FormShow()
{
    QString error;
    m_home.createFolders(&error);
    m_bar->restoreLayout();
    m_bar->doButtons();
    m_journal->setEnabled(m_settings.read(Keys::Recovery));
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
        m_files->activate(given);
    else if (!m_settings.read(Keys::Hello).isEmpty())
        AppAct();
    else if (!restored)
        m_files->news();
    // The first New of the run would otherwise still make no document.
    if (m_options.startNew == QLatin1String("no"))
        m_options.startNew.clear();
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
    AppAct();
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
        AppAct();
}

void MainFrame::AppAct()
{
    // A message shown while opening activates the frame again when it closes.
    if (m_inHandOver || !m_shown)
        return;
    m_inHandOver = true;
    m_files->openHandedOver();
    m_inHandOver = false;
}

void MainFrame::newtabs()
{
    m_options.read(m_settings, false);
    m_journal->setEnabled(m_settings.read(Keys::Recovery));
    m_bar->setFlat(!m_settings.read(Keys::Flat).isEmpty());
    const auto docs = m_files->documents();
    if (!docs.isEmpty())
        m_storememo.setTabWidth(m_settings.read(Keys::TabWidth));
    for (DocumentWindow *doc : docs)
        doc->newtabs();
}

void MainFrame::DatesClick()
{
    DocumentWindow *doc = activeDocument();
    if (!doc)
        return;
    QString text = m_dates->text();
    text.chop(2);
    ScintillaEditor &ed = doc->editor();
    const int start = ed.selectionStart();
    {
        UndoGroup group(ed);
        ed.replaceSelection(text);
    }
    ed.setSelection(start, int(text.size()));
}

void MainFrame::showAbout()
{
    auto *about = new SplashWindow(SplashWindow::Mode::About, frameGeometry(), this);
    about->show();
    // Escape and Enter close it: it needs the keyboard (and gives it back when it closes).
    about->activateWindow();
    about->setFocus();
}

bool MainFrame::FormCloseQuery()
{
    for (DocumentWindow *doc : m_files->documents())
        if (!doc->closeQuery([this](DocumentWindow *d) { m_files->save(d); }))
            return false;
    m_bar->saveLayout();
    return true;
}

void MainFrame::FormClose()
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
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    Q_EMIT closing();
    m_session->atEnd();
    m_journal->finish();
    // Every document has agreed; none asks again when the frame takes them down.
    for (DocumentWindow *doc : m_files->documents())
        doc->editor().setModified(false);
    FormClose();
    event->accept();
}

void MainFrame::showPreferences()
{
    PreferencesHost host{m_settings, m_prompter};
    host.editLock = &m_context.sharedTextFlag;
    host.tabLocation = [this](bool upper) {
        m_options.upperTabs = upper;
        m_tabs->setUpper(upper);
    };
    host.shellOptions = [this] { m_options.read(m_settings, false); };
    host.dataFolder = [this](const QString &folder) { m_files->dialogState().setFolder(folder); };
    host.helperMenu = [this] { helpermenu(); };
    host.newtabs = [this] { newtabs(); };
    host.help = [this](int topic) { showHelp(topic); };
    PreferencesDialog::showFor(std::move(host), this);
}

void MainFrame::showHelp(int topic)
{
    // Made on first use only, so that starting the program costs nothing for it; the pages
    // are read where the program's data was installed, never from the home folder.
    if (!m_help)
        m_help = new HelpWindow(ProgramData::folder(QCoreApplication::applicationDirPath()) +
                                    QStringLiteral("/help"),
                                this);
    m_help->showTopic(topic);
}

HelpWindow *MainFrame::helpWindow() const
{
    return m_help;
}

void MainFrame::DownloadTime1Click()
{
    DocumentWindow *doc = activeDocument();
    if (!doc)
        return;
    if (m_downloadTime) {
        m_downloadTime->raise();
        m_downloadTime->activateWindow();
        return;
    }
    // The page counts as the editor holds it, in the bytes saving would write; its files are
    // looked for beside the saved file, and relative ones are not found for an Untitled page.
    const QFileInfo file(doc->identity());
    const bool untitled = !file.isAbsolute();
    const QString name = untitled ? doc->identity() : file.fileName();
    const QString folder = untitled ? QString() : file.absolutePath();
    const QList<DownloadEstimate::FileRow> rows =
        DownloadEstimate::measure(name, doc->editor().bytes().size(), doc->editor().text(), folder);
    m_downloadTime = new DownloadTimeWindow(
        rows, [this] { showHelp(HelpTopic::DownloadTime); }, this);
    m_downloadTime->show();
}

DownloadTimeWindow *MainFrame::downloadTime() const
{
    return m_downloadTime;
}

void MainFrame::showHelpContents()
{
    showHelp(HelpTopic::None);
}
