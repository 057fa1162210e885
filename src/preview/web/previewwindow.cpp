#include "preview/web/previewwindow.h"

#include "base/prompter.h"
#include "editor/cp1252.h"
#include "preview/backgroundsound.h"
#include "preview/linkpolicy.h"
#include "preview/serversideincludes.h"
#include "preview/web/cornerbutton.h"
#include "preview/web/pageprinter.h"
#include "preview/web/previewpage.h"
#include "preview/web/soundplayer.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QOpenGLContext>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTime>
#include <QToolBar>
#include <QToolButton>
#include <QUrlQuery>
#include <QVBoxLayout>
#include <QWebEngineContextMenuRequest>
#include <QWebEngineFindTextResult>
#include <QWebEngineHistory>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <unistd.h>

namespace {

constexpr int CaptionLength = 80;
const QStringList PageSuffixes = {QStringLiteral("htm"), QStringLiteral("html"),
                                  QStringLiteral("shtml"), QStringLiteral("shtm"),
                                  QStringLiteral("xhtml")};

QString folderOf(const QString &file)
{
    return QFileInfo(file).absolutePath();
}

bool isPageFile(const QString &file)
{
    return PageSuffixes.contains(QFileInfo(file).suffix().toLower());
}

// A page's bytes as the editor reads them: valid UTF-8 is UTF-8, anything else Windows-1252.
QString mimeFor(const QByteArray &bytes)
{
    return isValidUtf8(bytes) ? QStringLiteral("text/html;charset=UTF-8")
                              : QStringLiteral("text/html;charset=windows-1252");
}

// A text as a JavaScript string literal.
QString jsString(const QString &text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

// A button with the theme's picture when there is one, else its text.
QToolButton *button(QWidget *bar, const QString &name, const QString &text, const QString &hint,
                    QStyle::StandardPixmap icon = QStyle::SP_CustomBase,
                    const QString &themeIcon = QString())
{
    auto *b = new QToolButton(bar);
    b->setObjectName(name);
    b->setAutoRaise(true);
    b->setToolTip(hint);
    b->setText(text);
    const QIcon themed = themeIcon.isEmpty() ? QIcon() : QIcon::fromTheme(themeIcon);
    if (!themed.isNull())
        b->setIcon(themed);
    else if (icon != QStyle::SP_CustomBase)
        b->setIcon(bar->style()->standardIcon(icon));
    b->setToolButtonStyle(b->icon().isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
    static_cast<QToolBar *>(bar)->addWidget(b);
    return b;
}

// The find dialog: forward only, with match case.
class FindBox : public QDialog
{
public:
    FindBox(PreviewWindow *browser) : QDialog(browser)
    {
        setObjectName(QStringLiteral("FindDialog1"));
        setWindowTitle(QStringLiteral("Find"));
        auto *layout = new QHBoxLayout(this);
        auto *text = new QLineEdit(this);
        text->setObjectName(QStringLiteral("findText"));
        auto *matchCase = new QCheckBox(QStringLiteral("Match &case"), this);
        matchCase->setObjectName(QStringLiteral("matchCase"));
        auto *next = new QPushButton(QStringLiteral("&Find Next"), this);
        next->setObjectName(QStringLiteral("findNext"));
        next->setDefault(true);
        auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
        layout->addWidget(text, 1);
        layout->addWidget(matchCase);
        layout->addWidget(next);
        layout->addWidget(cancel);
        connect(next, &QPushButton::clicked, this, [browser, text, matchCase] {
            if (!text->text().isEmpty())
                browser->findNext(text->text(), matchCase->isChecked());
        });
        connect(cancel, &QPushButton::clicked, this, &QDialog::close);
    }
};

} // namespace

PreviewWindow::PreviewWindow(const InternalPreviewHost &host, QWidget *parent)
    : QWidget(parent, Qt::Window), m_host(host)
{
    setObjectName(QStringLiteral("PreviewWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Quillmark Internal Preview"));
    setAcceptDrops(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // A tool bar, so that the buttons that do not fit a narrow window stay reachable.
    auto *bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("Panel3"));
    bar->setMovable(false);
    bar->setIconSize(QSize(16, 16));
    bar->setMouseTracking(true);
    bar->installEventFilter(this);
    layout->addWidget(bar);

    m_view = new QWebEngineView(this);
    m_page = new PreviewPage(PreviewPage::sharedProfile(), m_view);
    m_view->setPage(m_page);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    m_view->installEventFilter(this);
    m_page->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    m_page->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    // A page without a background of its own shows on white, as in any browser.
    m_page->setBackgroundColor(Qt::white);
    layout->addWidget(m_view, 1);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("Panel2"));
    m_status->setContentsMargins(4, 1, 4, 1);
    m_status->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    layout->addWidget(m_status);

    buildButtons(bar);
    m_printer = new PagePrinter(m_page, this);
    m_sound = new SoundPlayer(this);

    m_page->setDecider([this](const QUrl &url, QWebEnginePage::NavigationType type, bool main) {
        return decide(url, int(type), main);
    });
    connect(m_page, &PreviewPage::newWindowRequested, this, [this](const QUrl &url) {
        if (!followLink(url))
            linkRefused();
    });
    connect(m_page, &PreviewPage::objectClicked, this, &PreviewWindow::objectClicked);
    installPageScripts();
    connect(m_page, &QWebEnginePage::linkHovered, this, [this](const QString &url) {
        m_status->setText(url.isEmpty() ? QString() : QStringLiteral("URL: ") + url);
    });
    connect(m_page, &QWebEnginePage::loadStarted, this, &PreviewWindow::loadStarted);
    connect(m_page, &QWebEnginePage::loadFinished, this, &PreviewWindow::loadFinished);
    connect(m_page, &QWebEnginePage::titleChanged, this, &PreviewWindow::titleChanged);
    connect(m_view, &QWidget::customContextMenuRequested, this, &PreviewWindow::contextMenu);

    auto *close = new QAction(this);
    close->setShortcut(Qt::Key_Escape);
    connect(close, &QAction::triggered, this, &QWidget::close);
    auto *open = new QAction(this);
    open->setShortcut(Qt::Key_F3);
    connect(open, &QAction::triggered, this, &PreviewWindow::openFile);
    auto *copy = new QAction(this);
    copy->setShortcut(QKeySequence::Copy);
    connect(copy, &QAction::triggered, this,
            [this] { m_view->triggerPageAction(QWebEnginePage::Copy); });
    auto *back = new QAction(this);
    back->setShortcut(QKeySequence::Back);
    connect(back, &QAction::triggered, this, &PreviewWindow::goBack);
    auto *forward = new QAction(this);
    forward->setShortcut(QKeySequence::Forward);
    connect(forward, &QAction::triggered, this, &PreviewWindow::goForward);
    auto *reloadKey = new QAction(this);
    reloadKey->setShortcut(QKeySequence::Refresh);
    connect(reloadKey, &QAction::triggered, this, &PreviewWindow::reload);
    for (QAction *a : {close, open, copy, back, forward, reloadKey}) {
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a);
    }

    const QRect stored = m_host.storedGeometry ? m_host.storedGeometry() : QRect(0, 0, 640, 480);
    resize(stored.size());
    move(stored.topLeft());
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::buildButtons(QWidget *bar)
{
    m_back = button(bar, QStringLiteral("Back"), QString(), QStringLiteral("Back"),
                    QStyle::SP_ArrowBack);
    m_forward = button(bar, QStringLiteral("Fwd"), QString(), QStringLiteral("Forward"),
                       QStyle::SP_ArrowForward);
    m_reload = button(bar, QStringLiteral("Reload"), QString(), QStringLiteral("Reload"),
                      QStyle::SP_BrowserReload);
    m_history = button(bar, QStringLiteral("History"), QStringLiteral("History"),
                       QStringLiteral("History"));
    m_historyMenu = new QMenu(m_history);
    m_historyMenu->setObjectName(QStringLiteral("History1"));
    m_history->setMenu(m_historyMenu);
    m_history->setPopupMode(QToolButton::InstantPopup);
    m_open = button(bar, QStringLiteral("OpenFile"), QStringLiteral("Open"),
                    QStringLiteral("Open File"), QStyle::SP_DialogOpenButton);
    m_print =
        button(bar, QStringLiteral("Print"), QStringLiteral("Print"), QStringLiteral("Print"));
    m_print->installEventFilter(this);
    m_printPreview = button(bar, QStringLiteral("PrintPreview"), QStringLiteral("Preview"),
                            QStringLiteral("Print Preview"), QStyle::SP_CustomBase,
                            QStringLiteral("document-print-preview"));
    m_find =
        button(bar, QStringLiteral("Find"), QStringLiteral("Find"), QStringLiteral("Find Text"));
    m_fonts = button(bar, QStringLiteral("DefaultFont"), QStringLiteral("Fonts"),
                     QStringLiteral("Default Font/Colors"), QStyle::SP_CustomBase,
                     QStringLiteral("preferences-desktop-font"));
    m_live = button(bar, QStringLiteral("Live"), QStringLiteral("Live"),
                    QStringLiteral("Follow the editor's unsaved text"));
    m_live->setCheckable(true);
    m_live->setChecked(m_host.liveEnabled ? m_host.liveEnabled() : true);
    auto *closeButton = button(bar, QStringLiteral("CloseButton"), QStringLiteral("Close"),
                               QStringLiteral("Close Preview Window"),
                               QStyle::SP_TitleBarCloseButton, QStringLiteral("window-close"));
    auto *returnButton = button(bar, QStringLiteral("Return"), QStringLiteral("Return"),
                                QStringLiteral("Return to Editor"));
    auto *size640 = button(bar, QStringLiteral("Size640"), QStringLiteral("640 \u00D7 480"),
                           QStringLiteral("Window Size"));
    m_size800 = button(bar, QStringLiteral("Size800"), QStringLiteral("800 \u00D7 600"),
                       QStringLiteral("Window Size"));
    m_size1024 = button(bar, QStringLiteral("Size1024"), QStringLiteral("1024 \u00D7 720"),
                        QStringLiteral("Window Size"));
    auto *corner = new CornerButton(bar);
    static_cast<QToolBar *>(bar)->addWidget(corner);

    const int screenWidth = screen() ? screen()->geometry().width() : 1024;
    m_size1024->setEnabled(screenWidth >= 1000);
    m_size800->setEnabled(screenWidth >= 790);

    connect(m_back, &QToolButton::clicked, this, &PreviewWindow::goBack);
    connect(m_forward, &QToolButton::clicked, this, &PreviewWindow::goForward);
    connect(m_reload, &QToolButton::clicked, this, &PreviewWindow::reload);
    connect(m_open, &QToolButton::clicked, this, &PreviewWindow::openFile);
    connect(m_print, &QToolButton::clicked, this, [this] { printPage(false); });
    connect(m_printPreview, &QToolButton::clicked, this, [this] { printPage(true); });
    connect(m_find, &QToolButton::clicked, this, [this] {
        if (!m_findBox)
            m_findBox = new FindBox(this);
        m_findBox->show();
        m_findBox->raise();
        m_findBox->activateWindow();
    });
    connect(m_fonts, &QToolButton::clicked, this, &PreviewWindow::chooseDefaultLook);
    connect(m_live, &QToolButton::toggled, this, [this](bool on) {
        if (m_host.setLiveEnabled)
            m_host.setLiveEnabled(on);
    });
    connect(closeButton, &QToolButton::clicked, this, &QWidget::close);
    connect(returnButton, &QToolButton::clicked, this, [this] {
        if (m_host.returnToEditor)
            m_host.returnToEditor();
    });
    connect(size640, &QToolButton::clicked, this, [this] { sizeTo(640, 480, true); });
    connect(m_size800, &QToolButton::clicked, this, [this] { sizeTo(800, 600, true); });
    // The largest size leaves the window where it is.
    connect(m_size1024, &QToolButton::clicked, this, [this] { sizeTo(1024, 720, false); });
    connect(corner, &CornerButton::cornerChosen, this, &PreviewWindow::moveToCorner);
    updateHistoryMenu();
}

void PreviewWindow::sizeTo(int width, int height, bool toCorner)
{
    if (toCorner && screen())
        move(screen()->availableGeometry().topLeft());
    resize(width, height);
}

void PreviewWindow::moveToCorner(int corner)
{
    const QRect area = screen() ? screen()->availableGeometry() : QRect(0, 0, 1024, 768);
    const QSize size = frameGeometry().size();
    const int left = corner & 1 ? area.right() + 1 - size.width() : area.left();
    const int top = corner & 2 ? area.bottom() + 1 - size.height() : area.top();
    move(left, top);
}

void PreviewWindow::load(const QString &file)
{
    if (isMinimized())
        showNormal();
    QWidget::show();
    raise();
    activateWindow();
    showFile(QDir::cleanPath(file), true);
}

void PreviewWindow::showFile(const QString &file, bool addToHistory)
{
    m_sound->stop();
    m_currentFile = file;
    m_keepScroll = QPointF(-1, -1);
    m_refused = false;
    if (addToHistory) {
        // Going somewhere new drops the entries ahead; the oldest go when the list is full.
        m_entries = m_entries.mid(0, m_index + 1);
        m_entries.append({file, QString()});
        while (m_entries.size() > HistorySize)
            m_entries.removeFirst();
        m_index = int(m_entries.size()) - 1;
        updateHistoryMenu();
    }
    // The preview of a document that is still open shows its text as it is now.
    const QByteArray current = m_host.currentText ? m_host.currentText(file) : QByteArray();
    if (!current.isNull() && current.size() <= MaxContentSize) {
        setPage(current, file);
        return;
    }
    const QFileInfo info(file);
    QFile in(file);
    // Pages are read here, so that their includes are done; anything else, anything too
    // large to hand over in one piece, and a missing file are left to the web engine.
    if (!isPageFile(file) || !info.isFile() || info.size() > MaxContentSize ||
        !in.open(QIODevice::ReadOnly)) {
        m_view->load(QUrl::fromLocalFile(file));
        return;
    }
    setPage(in.readAll(), file);
}

void PreviewWindow::showLive(const QByteArray &page, const QString &file)
{
    if (page.size() > MaxContentSize)
        return;
    const QPointF scroll = m_page->scrollPosition();
    m_currentFile = file;
    m_refused = false;
    setPage(page, file);
    m_keepScroll = scroll;
}

void PreviewWindow::setPage(const QByteArray &bytes, const QString &file)
{
    QByteArray page = bytes;
    const bool utf8 = isValidUtf8(bytes);
    if (ServerSideIncludes::hasDirectives(page)) {
        const QLocale locale;
        const auto encode = [utf8](const QString &text) {
            return utf8 ? text.toUtf8() : Cp1252::fromUtf8(text.toUtf8());
        };
        page = ServerSideIncludes::expand(
            page,
            {folderOf(file), encode(locale.toString(QDate::currentDate(), QLocale::ShortFormat)),
             encode(locale.toString(QTime::currentTime(), QLocale::ShortFormat))});
    }
    const BackgroundSound::Request sound = BackgroundSound::find(page, folderOf(file));
    if (!sound.file.isEmpty())
        m_sound->play(sound.file, sound.loops);
    if (page.size() > MaxContentSize) {
        m_view->load(QUrl::fromLocalFile(file));
        return;
    }
    m_page->setContent(page, mimeFor(page), QUrl::fromLocalFile(file));
}

bool PreviewWindow::decide(const QUrl &url, int type, bool isMainFrame)
{
    switch (QWebEnginePage::NavigationType(type)) {
    case QWebEnginePage::NavigationTypeLinkClicked:
        break;
    case QWebEnginePage::NavigationTypeFormSubmitted:
        showFormResults(url);
        return false;
    default:
        return true;
    }
    // A jump within the page on show, and links inside frames, stay with the engine.
    const QUrl current = QUrl::fromLocalFile(m_currentFile);
    if (url.hasFragment() && url.adjusted(QUrl::RemoveFragment) == current)
        return true;
    if (!isMainFrame && LinkPolicy::classify(url.toString(), folderOf(m_currentFile)).action ==
                            LinkPolicy::Action::Follow)
        return !OfflineInterceptor::isNetworkScheme(url.scheme());
    if (!followLink(url))
        linkRefused();
    return false;
}

bool PreviewWindow::followLink(const QUrl &url)
{
    const LinkPolicy::Decision d = LinkPolicy::classify(url.toString(), folderOf(m_currentFile));
    switch (d.action) {
    case LinkPolicy::Action::Ignore:
        return false;
    case LinkPolicy::Action::Sound:
        m_sound->play(d.file, 1);
        return false;
    case LinkPolicy::Action::Media:
        if (m_host.openUrl)
            m_host.openUrl(QUrl::fromLocalFile(d.file));
        return false;
    case LinkPolicy::Action::Program: {
        const QString question =
            d.parameters.isEmpty()
                ? QStringLiteral("This page links to the program %1. Run it?")
                      .arg(QDir::toNativeSeparators(d.file))
                : QStringLiteral("This page links to the program %1 with the arguments %2. Run "
                                 "it?")
                      .arg(QDir::toNativeSeparators(d.file), d.parameters.join(u' '));
        if (m_host.prompter && m_host.prompter->confirm(question) && m_host.runProgram)
            m_host.runProgram(d.file, d.parameters);
        return false;
    }
    case LinkPolicy::Action::Follow:
        break;
    }
    if (!url.isLocalFile()) {
        if (OfflineInterceptor::isNetworkScheme(url.scheme()))
            return false;
        m_refused = false;
        m_view->load(url);
        return true;
    }
    m_fragment = url.fragment();
    showFile(d.file, true);
    return true;
}

// The engine may have started on the link and end it as a failed load: the page on show is
// still there, and so are the commands that act on it.
void PreviewWindow::linkRefused()
{
    m_refused = true;
    enableForPage(m_pageReady);
}

void PreviewWindow::objectClicked(const QString &message)
{
    if (m_host.prompter)
        m_host.prompter->inform(message);
}

void PreviewWindow::showFormResults(const QUrl &url)
{
    QStringList lines{QStringLiteral("Action: ") + url.adjusted(QUrl::RemoveQuery).toString()};
    const QUrlQuery query(url);
    for (const auto &[name, value] : query.queryItems(QUrl::FullyDecoded))
        lines << name + u'=' + value;
    if (m_host.prompter)
        m_host.prompter->inform(lines.join(u'\n'));
}

void PreviewWindow::loadStarted()
{
    m_loading = true;
    for (QToolButton *b : {m_back, m_forward, m_reload, m_print, m_printPreview, m_find, m_open})
        b->setEnabled(false);
}

void PreviewWindow::enableForPage(bool loaded)
{
    m_back->setEnabled(m_index > 0);
    m_forward->setEnabled(m_index >= 0 && m_index + 1 < m_entries.size());
    m_reload->setEnabled(loaded);
    for (QToolButton *b : {m_print, m_printPreview, m_find})
        b->setEnabled(loaded);
    m_open->setEnabled(true);
}

void PreviewWindow::loadFinished(bool ok)
{
    m_loading = false;
    if (!ok && m_refused) {
        m_refused = false;
        enableForPage(m_pageReady);
        return;
    }
    m_refused = false;
    m_pageReady = ok && !m_currentFile.isEmpty();
    enableForPage(m_pageReady);
    if (m_index >= 0 && m_entries[m_index].file == m_currentFile) {
        m_entries[m_index].title = m_view->title();
        updateHistoryMenu();
    }
    if (m_keepScroll.x() >= 0) {
        m_page->runJavaScript(
            QStringLiteral("window.scrollTo(%1, %2);").arg(m_keepScroll.x()).arg(m_keepScroll.y()));
        m_keepScroll = QPointF(-1, -1);
    } else if (!m_fragment.isEmpty()) {
        const QString id = m_fragment;
        m_fragment.clear();
        m_page->runJavaScript(
            QStringLiteral("(function(n){var e=document.getElementById(n)||"
                           "document.getElementsByName(n)[0];if(e)e.scrollIntoView();})(%1);")
                .arg(jsString(id)));
    }
    Q_EMIT pageShown(m_currentFile);
}

void PreviewWindow::titleChanged(const QString &title)
{
    // The engine may tell the page's title after it has said the load finished: the history
    // entry takes it then, not the title of the page before.
    if (m_index < 0 || m_entries[m_index].file != m_currentFile ||
        m_entries[m_index].title == title)
        return;
    m_entries[m_index].title = title;
    // While a page loads, its end brings the menu up to date along with the buttons.
    if (!m_loading)
        updateHistoryMenu();
}

QString PreviewWindow::historyCaption(const QString &title, const QString &file)
{
    QString caption = title.left(CaptionLength);
    if (!file.isEmpty())
        caption += QStringLiteral("--") + file;
    return caption.left(CaptionLength);
}

QStringList PreviewWindow::historyCaptions() const
{
    QStringList captions;
    for (const Entry &e : m_entries)
        captions << historyCaption(e.title, QFileInfo(e.file).fileName());
    return captions;
}

void PreviewWindow::updateHistoryMenu()
{
    m_historyMenu->clear();
    const QStringList captions = historyCaptions();
    for (int i = 0; i < captions.size(); ++i) {
        QAction *item = m_historyMenu->addAction(captions[i]);
        item->setCheckable(true);
        item->setChecked(i == m_index);
        connect(item, &QAction::triggered, this, [this, i] {
            if (i < 0 || i >= m_entries.size())
                return;
            m_index = i;
            updateHistoryMenu();
            showFile(m_entries[i].file, false);
        });
    }
    m_history->setEnabled(!captions.isEmpty());
    m_back->setEnabled(m_index > 0);
    m_forward->setEnabled(m_index >= 0 && m_index + 1 < m_entries.size());
}

void PreviewWindow::goBack()
{
    if (m_index <= 0)
        return;
    --m_index;
    updateHistoryMenu();
    showFile(m_entries[m_index].file, false);
}

void PreviewWindow::goForward()
{
    if (m_index < 0 || m_index + 1 >= m_entries.size())
        return;
    ++m_index;
    updateHistoryMenu();
    showFile(m_entries[m_index].file, false);
}

void PreviewWindow::reload()
{
    if (m_currentFile.isEmpty())
        return;
    m_reload->setEnabled(false);
    const QPointF scroll = m_page->scrollPosition();
    showFile(m_currentFile, false);
    m_keepScroll = scroll;
    m_view->setFocus();
}

void PreviewWindow::findNext(const QString &text, bool matchCase)
{
    if (text != m_lastFind)
        m_lastActiveMatch = 0;
    m_lastFind = text;
    const QWebEnginePage::FindFlags flags =
        matchCase ? QWebEnginePage::FindCaseSensitively : QWebEnginePage::FindFlags();
    m_page->findText(text, flags, [this, text](const QWebEngineFindTextResult &result) {
        // The engine starts again at the top after the last hit: that is where we stop.
        const bool none =
            result.numberOfMatches() == 0 ||
            (m_lastActiveMatch == result.numberOfMatches() && result.activeMatch() == 1);
        m_lastActiveMatch = result.activeMatch();
        if (none) {
            m_lastActiveMatch = 0;
            if (m_host.prompter)
                m_host.prompter->inform(
                    QStringLiteral("No further occurrences of \"%1\"").arg(text));
        }
    });
}

void PreviewWindow::printPage(bool preview)
{
    if (m_currentFile.isEmpty())
        return;
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    PagePrinter::Page header{m_view->title(), m_currentFile, QDate::currentDate()};
    if (preview) {
        m_printer->prepare(*printer, [this, printer, header](bool ok) {
            if (!ok)
                return;
            QPrintPreviewDialog dialog(printer.get(), this);
            dialog.setWindowTitle(QStringLiteral("Print Preview"));
            connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
                    [this, header](QPrinter *p) { m_printer->print(*p, header, 1, 9999); });
            dialog.exec();
        });
        return;
    }
    printer->setFromTo(1, 1);
    if (!m_host.choosePrinter || !m_host.choosePrinter(*printer))
        return;
    const bool range = printer->printRange() == QPrinter::PageRange;
    const int from = range ? printer->fromPage() : 1;
    const int to = range ? printer->toPage() : 9999;
    m_printer->prepare(*printer, [this, printer, header, from, to](bool ok) {
        if (ok)
            m_printer->print(*printer, header, from, to);
        else if (m_host.prompter)
            m_host.prompter->error(QStringLiteral("%1 could not be printed")
                                       .arg(QDir::toNativeSeparators(header.file)));
    });
}

void PreviewWindow::openFile()
{
    if (!m_host.chooseFile)
        return;
    const QString file = m_host.chooseFile();
    if (!file.isEmpty())
        showFile(QDir::cleanPath(file), true);
}

void PreviewWindow::chooseDefaultLook()
{
    if (!m_lookDialog) {
        m_lookDialog = new DefaultLookDialog(defaultLook(), this);
        m_lookDialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_lookDialog, &QDialog::accepted, this,
                [this] { applyDefaultLook(m_lookDialog->look()); });
    }
    m_lookDialog->open();
}

DefaultLook PreviewWindow::defaultLook() const
{
    if (m_lookSet)
        return m_look;
    DefaultLook look;
    QWebEngineSettings *settings = m_page->settings();
    look.family = settings->fontFamily(QWebEngineSettings::StandardFont);
    look.pointSize =
        qMax(1, qRound(settings->fontSize(QWebEngineSettings::DefaultFontSize) * 0.75));
    look.background = m_page->backgroundColor();
    return look;
}

void PreviewWindow::applyDefaultLook(const DefaultLook &look)
{
    m_look = look;
    m_lookSet = true;
    QWebEngineSettings *settings = m_page->settings();
    settings->setFontFamily(QWebEngineSettings::StandardFont, look.family);
    // Pages count in CSS pixels, 96 to the inch.
    settings->setFontSize(QWebEngineSettings::DefaultFontSize, qRound(look.pointSize * 96 / 72.0));
    m_page->setBackgroundColor(look.background);
    installPageScripts();
    reload();
}

// The window's own scripts run beside every page in a world of their own, so the page's
// scripts neither see nor disturb them. The default colours are rules that any rule of the
// page beats; a BODY that names its link colour keeps it.
void PreviewWindow::installPageScripts()
{
    QWebEngineScriptCollection &scripts = m_page->scripts();
    for (const QString &name :
         {QStringLiteral("quillmark-objects"), QStringLiteral("quillmark-defaults")})
        for (const QWebEngineScript &old : scripts.find(name))
            scripts.remove(old);
    const auto add = [&scripts](const QString &name, const QString &source) {
        QWebEngineScript script;
        script.setName(name);
        script.setSourceCode(source);
        script.setInjectionPoint(QWebEngineScript::DocumentReady);
        script.setWorldId(QWebEngineScript::ApplicationWorld);
        script.setRunsOnSubFrames(true);
        scripts.insert(script);
    };
    add(QStringLiteral("quillmark-objects"), PreviewPage::objectClickScript());
    if (!m_lookSet)
        return;
    add(QStringLiteral("quillmark-defaults"),
        QStringLiteral("(function () {"
                       "  var d = document, r = d.documentElement;"
                       "  if (!r || d.getElementById('quillmark-defaults')) return;"
                       "  var s = d.createElement('style');"
                       "  s.id = 'quillmark-defaults';"
                       "  var css = ':where(html) { color: %1 }';"
                       "  if (!(d.body && d.body.hasAttribute('link')))"
                       "    css += ' :where(:link) { color: %2 }';"
                       "  s.textContent = css;"
                       "  r.insertBefore(s, r.firstChild);"
                       "})();")
            .arg(m_look.text.name(), m_look.link.name()));
}

void PreviewWindow::closeEvent(QCloseEvent *event)
{
    m_sound->stop();
    if (m_host.storeGeometry)
        m_host.storeGeometry(QRect(pos(), size()));
    QWidget::closeEvent(event);
}

bool PreviewWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_print && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent *>(event)->button() == Qt::RightButton) {
        printPage(true);
        return true;
    }
    if (event->type() == QEvent::MouseMove && watched->objectName() == QLatin1String("Panel3"))
        if (auto *corner = findChild<CornerButton *>())
            corner->showNeutral();
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        if (watched == m_view || watched->parent() == m_view)
            return dropFiles(event);
        break;
    case QEvent::ChildAdded:
        // The engine paints into a child of the view made with the first page; files dropped
        // on it are ours, not the page's.
        if (watched == m_view)
            if (QObject *child = static_cast<QChildEvent *>(event)->child(); child->isWidgetType())
                child->installEventFilter(this);
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

bool PreviewWindow::dropFiles(QEvent *event)
{
    auto *drop = static_cast<QDropEvent *>(event);
    const QMimeData *data = drop->mimeData();
    QString first;
    if (data && data->hasUrls())
        for (const QUrl &url : data->urls())
            if (url.isLocalFile()) {
                first = url.toLocalFile();
                break;
            }
    if (first.isEmpty())
        return false;
    drop->acceptProposedAction();
    if (event->type() == QEvent::Drop)
        showFile(QDir::cleanPath(first), true);
    return true;
}

void PreviewWindow::contextMenu(const QPoint &pos)
{
    QWebEngineContextMenuRequest *request = m_view->lastContextMenuRequest();
    if (!request)
        return;
    const QUrl image = request->mediaType() == QWebEngineContextMenuRequest::MediaTypeImage
                           ? request->mediaUrl()
                           : QUrl();
    const QString imageFile = image.isLocalFile() ? image.toLocalFile() : QString();
    QString link;
    if (request->linkUrl().isLocalFile()) {
        const QUrl url = request->linkUrl();
        link = url.toLocalFile();
        if (link.isEmpty())
            link = m_currentFile;
    }
    QMenu menu(this);
    QAction *view = menu.addAction(QStringLiteral("&View Image"));
    QAction *copy = menu.addAction(QStringLiteral("&Copy image to clipboard"));
    menu.addSeparator();
    QAction *open = menu.addAction(QStringLiteral("&Open in new window"));
    const bool hasImage = !imageFile.isEmpty() && !QPixmap(imageFile).isNull();
    view->setEnabled(hasImage);
    copy->setEnabled(!image.isEmpty());
    open->setEnabled(!link.isEmpty() && QFileInfo(link).isFile());
    QAction *chosen = menu.exec(m_view->mapToGlobal(pos));
    if (chosen == view) {
        auto *window = new QLabel;
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setWindowTitle(QStringLiteral("Quillmark"));
        window->setPixmap(QPixmap(imageFile));
        window->show();
    } else if (chosen == copy) {
        m_view->triggerPageAction(QWebEnginePage::CopyImageToClipboard);
    } else if (chosen == open && m_host.openUrl) {
        m_host.openUrl(QUrl::fromLocalFile(link));
    }
}

// Qt's own setter of the context every OpenGL context shares with; exported by Qt GUI but
// declared only in its private headers.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);

namespace {

// The engine draws through a context shared with the application's. The program does not ask
// for one at start (it would load the OpenGL drivers into every start), so it is made here,
// the first time the engine is needed.
void shareGraphicsContext()
{
    if (QOpenGLContext::globalShareContext())
        return;
    // Where no OpenGL can be had (the offscreen platform), the engine still expects the
    // context to be there and draws without it, as it does when Qt makes the context itself.
    auto *context = new QOpenGLContext(QCoreApplication::instance());
    context->create();
    qt_gl_set_global_share_context(context);
}

} // namespace

// The module's entry point. The web engine's sandbox cannot run for the superuser; only then
// is it switched off.
extern "C" Q_DECL_EXPORT InternalPreview *
quillmark_create_internal_preview(const InternalPreviewHost &host, QWidget *parent)
{
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    shareGraphicsContext();
    return new PreviewWindow(host, parent);
}
