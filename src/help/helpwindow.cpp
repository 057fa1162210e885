#include "help/helpwindow.h"

#include "base/filebytes.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int FileRole = Qt::UserRole;

QToolButton *toolButton(QStyle::StandardPixmap icon, const QString &text, const QString &name)
{
    auto *button = new QToolButton;
    button->setObjectName(name);
    button->setIcon(button->style()->standardIcon(icon));
    button->setToolTip(text);
    button->setAutoRaise(true);
    return button;
}

// Shows the pages of the help folder, and the generated ones under their names in it, so
// that links, Back and Forward treat both alike.
class HelpBrowser : public QTextBrowser
{
public:
    explicit HelpBrowser(const GeneratedPages &generated) : m_generated(generated) {}

    QVariant loadResource(int type, const QUrl &name) override
    {
        if (type == QTextDocument::HtmlResource && name.isLocalFile()) {
            const auto made = m_generated.constFind(QFileInfo(name.toLocalFile()).fileName());
            if (made != m_generated.cend())
                return (*made)();
        }
        return QTextBrowser::loadResource(type, name);
    }

private:
    const GeneratedPages &m_generated;
};

} // namespace

HelpWindow::HelpWindow(QString folder, QWidget *parent, GeneratedPages generated)
    : QWidget(parent, Qt::Window), m_folder(std::move(folder)), m_generated(std::move(generated)),
      m_index(m_folder, m_generated)
{
    setObjectName(QStringLiteral("helpwindow"));
    setWindowTitle(QStringLiteral("Quillmark Help"));

    m_contents = new QTreeWidget;
    m_contents->setObjectName(QStringLiteral("helpcontents"));
    m_contents->setHeaderHidden(true);
    m_contents->setRootIsDecorated(true);
    QTreeWidgetItem *group = nullptr;
    for (const HelpPage &page : HelpPages::all()) {
        const QString heading = QString::fromUtf8(page.group);
        if (!group || group->text(0) != heading) {
            group = new QTreeWidgetItem(m_contents, {heading});
            group->setFlags(Qt::ItemIsEnabled);
            group->setExpanded(true);
        }
        auto *item = new QTreeWidgetItem(group, {QString::fromUtf8(page.title)});
        item->setData(0, FileRole, QString::fromLatin1(page.file));
    }
    connect(m_contents, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) {
        const QString file = item->data(0, FileRole).toString();
        if (!file.isEmpty())
            showPage(file);
    });
    connect(m_contents, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem *item) {
        const QString file = item->data(0, FileRole).toString();
        if (!file.isEmpty())
            showPage(file);
    });

    m_searchField = new QLineEdit;
    m_searchField->setObjectName(QStringLiteral("helpsearchfield"));
    m_searchField->setPlaceholderText(QStringLiteral("Words to find"));
    auto *searchButton = new QPushButton(QStringLiteral("&Search"));
    searchButton->setObjectName(QStringLiteral("helpsearch"));
    m_results = new QListWidget;
    m_results->setObjectName(QStringLiteral("helpresults"));
    connect(m_searchField, &QLineEdit::returnPressed, this,
            [this] { search(m_searchField->text()); });
    connect(searchButton, &QPushButton::clicked, this, [this] { search(m_searchField->text()); });
    connect(m_results, &QListWidget::itemClicked, this, &HelpWindow::openResult);
    connect(m_results, &QListWidget::itemActivated, this, &HelpWindow::openResult);

    auto *searchPage = new QWidget;
    auto *searchRow = new QHBoxLayout;
    searchRow->addWidget(m_searchField, 1);
    searchRow->addWidget(searchButton);
    auto *searchLayout = new QVBoxLayout(searchPage);
    searchLayout->addLayout(searchRow);
    searchLayout->addWidget(m_results, 1);

    m_tabs = new QTabWidget;
    m_tabs->addTab(m_contents, QStringLiteral("&Contents"));
    m_tabs->addTab(searchPage, QStringLiteral("Searc&h"));
    // Whoever turns to Search is about to type the words.
    connect(m_tabs, &QTabWidget::currentChanged, this, [this, searchPage](int index) {
        if (m_tabs->widget(index) == searchPage)
            m_searchField->setFocus();
    });

    m_browser = new HelpBrowser(m_generated);
    m_browser->setObjectName(QStringLiteral("helpview"));
    m_browser->setSearchPaths({m_folder});
    // Links are followed here: pages of the help folder only, nothing from the network.
    m_browser->setOpenLinks(false);
    m_browser->setOpenExternalLinks(false);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    connect(m_browser, &QTextBrowser::sourceChanged, this,
            [this] { markInContents(currentPage()); });

    auto *back = toolButton(QStyle::SP_ArrowBack, QStringLiteral("Back"), QStringLiteral("back"));
    auto *forward =
        toolButton(QStyle::SP_ArrowForward, QStringLiteral("Forward"), QStringLiteral("forward"));
    auto *home =
        toolButton(QStyle::SP_DirHomeIcon, QStringLiteral("Contents"), QStringLiteral("home"));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(home, &QToolButton::clicked, this, &HelpWindow::showContents);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QToolButton::setEnabled);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addWidget(home);
    buttons->addStretch(1);
    auto *right = new QWidget;
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addLayout(buttons);
    rightLayout->addWidget(m_browser, 1);

    auto *splitter = new QSplitter;
    splitter->addWidget(m_tabs);
    splitter->addWidget(right);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 560});
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    resize(840, 560);

    auto *close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

void HelpWindow::showTopic(int topic)
{
    if (const HelpPage *page = HelpPages::byTopic(topic)) {
        m_tabs->setCurrentWidget(m_contents);
        showPage(QString::fromLatin1(page->file));
    } else {
        showContents();
    }
}

void HelpWindow::showContents()
{
    m_tabs->setCurrentWidget(m_contents);
    showPage(QString::fromLatin1(HelpPages::ContentsFile));
}

void HelpWindow::showPage(const QString &file)
{
    const QString path = QDir(m_folder).filePath(file);
    QByteArray bytes;
    QString reason;
    if (m_generated.contains(file) || FileBytes::read(path, &bytes, &reason, 1024 * 1024)) {
        m_browser->setSource(QUrl::fromLocalFile(path));
        markInContents(file);
    } else {
        // Missing pages say which file and why, in place of the page.
        m_browser->setHtml(
            QStringLiteral("<h1>Help page missing</h1><p>The help page %1 cannot "
                           "be shown: %2</p>")
                .arg(QDir::toNativeSeparators(path).toHtmlEscaped(), reason.toHtmlEscaped()));
        markInContents(file);
    }
    bringForward();
}

QString HelpWindow::currentPage() const
{
    const QUrl source = m_browser->source();
    return source.isLocalFile() ? QFileInfo(source.toLocalFile()).fileName() : QString();
}

void HelpWindow::search(const QString &words)
{
    m_tabs->setCurrentIndex(m_tabs->indexOf(m_results->parentWidget()));
    if (m_searchField->text() != words)
        m_searchField->setText(words);
    m_lastSearch = words.simplified();
    m_results->clear();
    const QList<HelpIndex::Hit> hits = m_index.search(words);
    for (const HelpIndex::Hit &hit : hits) {
        auto *item = new QListWidgetItem(QString::fromUtf8(hit.page->title), m_results);
        item->setData(FileRole, QString::fromLatin1(hit.page->file));
    }
    if (hits.isEmpty() && !m_lastSearch.isEmpty()) {
        auto *none = new QListWidgetItem(
            QStringLiteral("No page holds all of \"%1\".").arg(m_lastSearch), m_results);
        none->setFlags(Qt::NoItemFlags);
    }
    for (const QString &problem : m_index.unreadable()) {
        auto *item = new QListWidgetItem(QStringLiteral("Not searched: ") + problem, m_results);
        item->setFlags(Qt::NoItemFlags);
    }
    bringForward();
}

void HelpWindow::openResult()
{
    QListWidgetItem *item = m_results->currentItem();
    if (!item)
        return;
    const QString file = item->data(FileRole).toString();
    if (file.isEmpty())
        return;
    showPage(file);
    // The first place of the first word, so the reader sees why the page was found.
    const QStringList words = m_lastSearch.split(u' ', Qt::SkipEmptyParts);
    if (!words.isEmpty())
        m_browser->find(words.first());
}

void HelpWindow::followLink(const QUrl &url)
{
    const QUrl target = m_browser->source().resolved(url);
    if (!target.isLocalFile())
        return;
    const QString path = QFileInfo(target.toLocalFile()).absoluteFilePath();
    const QString folder = QFileInfo(m_folder).absoluteFilePath() + u'/';
    if (!path.startsWith(folder))
        return;
    if (target.hasFragment() && QFileInfo(path) == QFileInfo(m_browser->source().toLocalFile()))
        m_browser->scrollToAnchor(target.fragment());
    else
        m_browser->setSource(target);
}

void HelpWindow::markInContents(const QString &file)
{
    const QSignalBlocker block(m_contents);
    for (int g = 0; g < m_contents->topLevelItemCount(); ++g) {
        QTreeWidgetItem *group = m_contents->topLevelItem(g);
        for (int i = 0; i < group->childCount(); ++i) {
            if (group->child(i)->data(0, FileRole).toString() == file) {
                m_contents->setCurrentItem(group->child(i));
                return;
            }
        }
    }
    m_contents->setCurrentItem(nullptr);
}

void HelpWindow::bringForward()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}
