#include "find/multireplacedialog.h"

#include "base/prompter.h"
#include "base/settingsfile.h"
#include "base/settingskeys.h"
#include "find/findcontroller.h"
#include "help/helptopics.h"
#include "widgets/fieldcontextmenu.h"
#include "widgets/filebrowser.h"

#include <QCheckBox>
#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QColor Teal(0x00, 0x80, 0x80);
const QStringList Masks = {QStringLiteral("*.htm*"), QStringLiteral("*.qpj")};

template <typename W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QPushButton *button(const char *name, const QString &text, QWidget *parent)
{
    auto *b = named(new QPushButton(text, parent), name);
    b->setAutoDefault(false);
    return b;
}

QLineEdit *field(const char *name, const QString &text, QWidget *parent)
{
    auto *edit = named(new QLineEdit(text, parent), name);
    FieldContextMenu::attach(edit);
    return edit;
}

void paint(QWidget *widget, const QColor &background, const QColor &text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

const QString OpenReason =
    QStringLiteral("it was opened in the editor after it was added; close it and replace again, "
                   "or use Find&Replace in the document");

} // namespace

MultiReplaceDialog::MultiReplaceDialog(MultiReplaceHost host, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint),
      m_host(std::move(host)), m_list(m_host.isOpen, m_host.projectEntries)
{
    setObjectName(QStringLiteral("TFRextend"));
    setWindowTitle(QStringLiteral("Multiple File Replace"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose, false);
    const FindState &state = m_host.find.state();
    const SettingsFile &settings = m_host.find.settings();

    m_find = field("fedit", state.savedFind, this);
    m_replace = field("Redit", state.savedReplace, this);
    auto *findLabel = new QLabel(QStringLiteral("Fi&nd text:"), this);
    findLabel->setBuddy(m_find);
    auto *replaceLabel = new QLabel(QStringLiteral("&Replace text:"), this);
    replaceLabel->setBuddy(m_replace);
    m_wholeWord = named(new QCheckBox(QStringLiteral(" whole word only"), this), "wholewordcheck");
    m_wholeWord->setChecked(settings.read(Keys::FindWholeWord));
    m_matchCase = named(new QCheckBox(QStringLiteral(" match case"), this), "Matchcasecheck");
    m_matchCase->setChecked(settings.read(Keys::FindMatchCase));

    m_browser = named(new FileBrowser(this), "pickers");
    m_browser->setNameFilters(Masks);
    m_folderLabel = named(new QLabel(QStringLiteral("Directory"), this), "Label5");
    m_folderLabel->setWordWrap(true);
    connect(m_browser, &FileBrowser::folderChanged, m_folderLabel, &QLabel::setText);

    QPushButton *addOne = button("butaddone", QStringLiteral(">"), this);
    QPushButton *addAll = button("butaddall", QStringLiteral(">>"), this);
    QPushButton *lessOne = button("butlessone", QStringLiteral("<"), this);
    QPushButton *lessAll = button("butlessall", QStringLiteral("<<"), this);
    m_replist = named(new QListWidget(this), "replist");
    auto *listLabel = new QLabel(QStringLiteral("Replace in these files:"), this);
    listLabel->setBuddy(m_replist);
    m_hint = named(new QLabel(QStringLiteral("Hint!"), this), "Label7");
    m_fullPath = named(new QLabel(this), "thefile");
    paint(m_fullPath, Qt::yellow, Qt::black);
    m_fullPath->hide();

    QPushButton *replaceButton = button("Button2", QStringLiteral("Replace"), this);
    QPushButton *closeButton = button("Button3", QStringLiteral("Close"), this);
    QPushButton *helpButton = button("Button1", QStringLiteral("Help"), this);
    m_progress = named(new QProgressBar(this), "progress");
    m_progress->setFormat(QStringLiteral("%v of %m files"));
    m_cancel = button("cancelrun", QStringLiteral("Cancel"), this);

    m_messagePanel = named(new QWidget(this), "messagepanel");
    paint(m_messagePanel, Teal, Qt::white);
    m_messageLine = new QLabel(m_messagePanel);
    m_messageLine->setWordWrap(true);
    auto *messageText = new QLabel(
        QStringLiteral("You can close the file now and add it again, or use the standard "
                       "Find&Replace dialog when you are finished here."),
        m_messagePanel);
    messageText->setWordWrap(true);
    QPushButton *messageOk = button("messageok", QStringLiteral("OK"), m_messagePanel);
    auto *messageLayout = new QVBoxLayout(m_messagePanel);
    messageLayout->addWidget(m_messageLine);
    messageLayout->addWidget(new QLabel(QStringLiteral("is currently open. "), m_messagePanel));
    messageLayout->addWidget(messageText);
    messageLayout->addWidget(messageOk, 0, Qt::AlignRight);
    m_messagePanel->hide();

    auto *grid = new QGridLayout(this);
    grid->addWidget(findLabel, 0, 0);
    grid->addWidget(m_find, 0, 1, 1, 3);
    grid->addWidget(replaceLabel, 1, 0);
    grid->addWidget(m_replace, 1, 1, 1, 3);
    grid->addWidget(m_wholeWord, 2, 1);
    grid->addWidget(m_matchCase, 2, 3);
    grid->addWidget(m_folderLabel, 3, 0, 1, 2);
    grid->addWidget(listLabel, 3, 3);
    grid->addWidget(m_browser, 4, 0, 1, 2);
    auto *moves = new QVBoxLayout;
    moves->addStretch();
    for (QPushButton *b : {addOne, addAll, lessOne, lessAll})
        moves->addWidget(b);
    moves->addStretch();
    grid->addLayout(moves, 4, 2);
    grid->addWidget(m_replist, 4, 3);
    grid->addWidget(m_hint, 5, 0);
    grid->addWidget(m_fullPath, 5, 1, 1, 3);
    grid->addWidget(m_messagePanel, 6, 0, 1, 4);
    auto *runRow = new QHBoxLayout;
    runRow->addWidget(m_progress, 1);
    runRow->addWidget(m_cancel);
    grid->addLayout(runRow, 7, 0, 1, 4);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *b : {replaceButton, closeButton, helpButton})
        buttons->addWidget(b);
    grid->addLayout(buttons, 8, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    m_replist->setMinimumWidth(240);
    m_browser->setMinimumSize(240, 260);
    m_idleOnly = {m_find, m_replace, m_wholeWord, m_matchCase,   addOne,
                  addAll, lessOne,   lessAll,     replaceButton, m_browser};
    setRunning(false);

    connect(addOne, &QPushButton::clicked, this, &MultiReplaceDialog::addOne);
    connect(addAll, &QPushButton::clicked, this, &MultiReplaceDialog::addAll);
    connect(lessOne, &QPushButton::clicked, this, &MultiReplaceDialog::removeOne);
    connect(lessAll, &QPushButton::clicked, this, &MultiReplaceDialog::removeAll);
    connect(m_browser->files(), &QListView::doubleClicked, this, &MultiReplaceDialog::addOne);
    connect(m_replist, &QListWidget::itemDoubleClicked, this,
            [this] { isRunning() ? void() : removeOne(); });
    connect(messageOk, &QPushButton::clicked, m_messagePanel, &QWidget::hide);
    connect(replaceButton, &QPushButton::clicked, this, &MultiReplaceDialog::replace);
    connect(m_cancel, &QPushButton::clicked, this, &MultiReplaceDialog::cancelRun);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    const auto help = [this] {
        if (m_host.help)
            m_host.help(HelpTopic::ReplaceInFiles);
    };
    connect(helpButton, &QPushButton::clicked, this, help);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this, help);
    connect(this, &QDialog::finished, this, &MultiReplaceDialog::closeSteps);

    m_holdTimer.setSingleShot(true);
    m_holdTimer.setInterval(500);
    connect(&m_holdTimer, &QTimer::timeout, this, &MultiReplaceDialog::showFullPath);
    m_replist->viewport()->installEventFilter(this);
    m_hint->installEventFilter(this);

    adjustSize();
    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

MultiReplaceDialog::~MultiReplaceDialog() = default;

void MultiReplaceDialog::setvalues()
{
    FindState &state = m_host.find.state();
    state.savedFind = m_find->text();
    state.savedReplace = m_replace->text();
    state.wholeWord = m_wholeWord->isChecked();
    state.matchCase = m_matchCase->isChecked();
}

void MultiReplaceDialog::showList()
{
    m_replist->clear();
    for (const QString &path : m_list.paths()) {
        auto *item = new QListWidgetItem(u' ' + QFileInfo(path).fileName(), m_replist);
        item->setData(Qt::UserRole, path);
        item->setToolTip(path);
    }
}

void MultiReplaceDialog::tellAdded(const ReplaceList::Added &added)
{
    showList();
    if (!added.openLine.isEmpty())
        showOpenMessage(added.openLine);
    for (const QString &project : added.unreadProjects)
        m_host.prompter.warn(project +
                             QStringLiteral("\r\nis a project file, and project files cannot "
                                            "be read yet: add its pages one by one"));
}

void MultiReplaceDialog::showOpenMessage(const QString &firstLine)
{
    m_messageLine->setText(firstLine);
    m_messagePanel->show();
}

void MultiReplaceDialog::addOne()
{
    tellAdded(m_list.addOne(m_browser->selectedFile()));
}

void MultiReplaceDialog::addAll()
{
    // Read from the folder, not from the picker, which may still be filling in the
    // background; sorted as the picker sorts.
    const QFileInfoList files = QDir(m_browser->folder()).entryInfoList(Masks, QDir::Files);
    QStringList paths;
    for (const QFileInfo &file : files)
        paths << file.absoluteFilePath();
    QCollator collator;
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(paths.begin(), paths.end(), [&collator](const QString &a, const QString &b) {
        return collator.compare(QFileInfo(a).fileName(), QFileInfo(b).fileName()) < 0;
    });
    tellAdded(m_list.addAll(paths));
}

void MultiReplaceDialog::removeOne()
{
    const int row = m_replist->currentRow();
    if (row < 0 || !m_replist->currentItem()->isSelected())
        return;
    m_list.removeAt(row);
    showList();
}

void MultiReplaceDialog::removeAll()
{
    m_list.clear();
    showList();
}

void MultiReplaceDialog::replace()
{
    if (isRunning())
        return;
    setvalues();
    FindState &state = m_host.find.state();
    state.searchText = m_find->text();
    state.replacement = m_replace->text();
    if (state.searchText.isEmpty()) {
        // Every file would get the replacement text put in at its start.
        m_host.prompter.warn(QStringLiteral("Type the text to find first: an empty find text "
                                            "cannot be replaced."));
        return;
    }
    // A file opened since it was added would drift from the editor's copy.
    m_refusedOpen.clear();
    QStringList paths;
    for (const QString &path : m_list.paths()) {
        if (m_host.isOpen && m_host.isOpen(path))
            m_refusedOpen.append({path, 0, OpenReason});
        else
            paths << path;
    }
    if (!m_refusedOpen.isEmpty())
        showOpenMessage(m_refusedOpen.size() == 1
                            ? m_refusedOpen.first().path
                            : QStringLiteral("At least one of your chosen files"));
    m_run = std::make_unique<FilesReplaceRun>(
        paths, ByteReplace::Options{state.searchText, state.replacement, state.wholeWord,
                                    state.matchCase});
    m_progress->setRange(0, m_run->total());
    m_progress->setValue(0);
    connect(m_run.get(), &FilesReplaceRun::progress, m_progress, &QProgressBar::setValue);
    connect(m_run.get(), &FilesReplaceRun::finished, this, &MultiReplaceDialog::runFinished);
    setRunning(true);
    m_run->start();
}

void MultiReplaceDialog::cancelRun()
{
    if (m_run)
        m_run->cancel();
}

void MultiReplaceDialog::runFinished(ReplaceSummary summary)
{
    // Called from the run's own signal: it goes once the signal is over.
    if (m_run)
        m_run.release()->deleteLater();
    summary.failed = m_refusedOpen + summary.failed;
    m_refusedOpen.clear();
    setRunning(false);
    m_host.prompter.inform(summary.text());
    Q_EMIT replaced();
}

void MultiReplaceDialog::setRunning(bool running)
{
    for (QWidget *w : std::as_const(m_idleOnly))
        w->setEnabled(!running);
    m_progress->setVisible(running);
    m_cancel->setVisible(running);
    setCursor(running ? Qt::BusyCursor : Qt::ArrowCursor);
}

bool MultiReplaceDialog::eventFilter(QObject *watched, QEvent *event)
{
    const bool press = event->type() == QEvent::MouseButtonPress;
    const bool release = event->type() == QEvent::MouseButtonRelease;
    if (watched == m_replist->viewport()) {
        if (press)
            m_holdTimer.start();
        if (release) {
            m_holdTimer.stop();
            m_fullPath->hide();
        }
    } else if (watched == m_hint && (press || release)) {
        m_fullPath->setText(
            QStringLiteral(" Click and hold on a file below to see its full path "));
        m_fullPath->setVisible(press);
    }
    return QDialog::eventFilter(watched, event);
}

void MultiReplaceDialog::showFullPath()
{
    const QListWidgetItem *item = m_replist->currentItem();
    if (!item || !item->isSelected())
        return;
    m_fullPath->setText(u' ' + item->data(Qt::UserRole).toString() + u' ');
    m_fullPath->show();
}

void MultiReplaceDialog::closeSteps()
{
    disconnect(this, &QDialog::finished, this, &MultiReplaceDialog::closeSteps);
    if (m_run) {
        // Files under way are finished; the rest are not started, and the user learns which.
        disconnect(m_run.get(), nullptr, this, nullptr);
        m_run->cancel();
        m_run->wait();
        ReplaceSummary summary = m_run->summary();
        summary.failed = m_refusedOpen + summary.failed;
        m_run.reset();
        m_host.prompter.inform(summary.text());
    }
    setvalues();
    SettingsFile &settings = m_host.find.settings();
    SettingsFile::Batch batch(settings);
    settings.write(Keys::FindWholeWord, m_wholeWord->isChecked());
    settings.write(Keys::FindMatchCase, m_matchCase->isChecked());
    deleteLater();
}
