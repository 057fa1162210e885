#include "projects/projectmanager.h"

#include "base/filedialogs.h"
#include "base/prompter.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

const QString ProjectFilter = QStringLiteral("Project Files (*.qpj)");
const QString HintText = QStringLiteral(" Click and hold on a file below to see its full path ");

struct FilterChoice
{
    const char *caption;
    QStringList patterns;
};

const FilterChoice Filters[] = {
    {"Quillmark files", {QStringLiteral("*.qpj"), QStringLiteral("*.htm*")}},
    {"All files", {QStringLiteral("*")}},
};

} // namespace

ProjectManager::ProjectManager(ProjectManagerHost host, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      m_host(std::move(host))
{
    setObjectName(QStringLiteral("Tprojects"));
    setWindowTitle(QStringLiteral("Project Manager"));
    setAttribute(Qt::WA_DeleteOnClose);
    build();
    showFolder(m_host.startFolder.isEmpty() ? QDir::homePath() : m_host.startFolder);
}

QPushButton *ProjectManager::button(const QString &objectName) const
{
    return findChild<QPushButton *>(objectName);
}

void ProjectManager::build()
{
    const auto makeButton = [this](const char *name, const QString &text, auto slot) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };

    m_folders = new QFileSystemModel(this);
    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_folders->setRootPath(QDir::rootPath());
    m_folderView = new QTreeView(this);
    m_folderView->setModel(m_folders);
    m_folderView->setRootIndex(m_folders->index(QDir::rootPath()));
    for (int column = 1; column < m_folders->columnCount(); ++column)
        m_folderView->hideColumn(column);
    m_folderView->header()->hide();
    connect(m_folderView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid())
                    showFolder(m_folders->filePath(current));
            });

    m_files = new QFileSystemModel(this);
    m_files->setFilter(QDir::Files);
    m_files->setNameFilterDisables(false);
    m_fileView = new QListView(this);
    m_fileView->setModel(m_files);
    m_fileView->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(m_fileView, &QListView::doubleClicked, this, &ProjectManager::addSelected);

    m_filter = new QComboBox(this);
    for (const FilterChoice &f : Filters)
        m_filter->addItem(QLatin1String(f.caption));
    connect(m_filter, &QComboBox::currentIndexChanged, this, &ProjectManager::applyFilter);
    applyFilter(0);

    m_projectView = new QListWidget(this);
    m_projectView->viewport()->installEventFilter(this);
    connect(m_projectView, &QListWidget::itemDoubleClicked, this, &ProjectManager::removeSelected);
    m_listCaption = new QLabel(QStringLiteral("Files in current project:"), this);
    m_pathLabel = new QLabel(this);
    m_pathLabel->setStyleSheet(QStringLiteral("background: #FFFF80; color: black;"));
    m_pathLabel->hide();
    m_name = new QLabel(QStringLiteral("Untitled"), this);
    m_name->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_hint = new QLabel(QStringLiteral("Hint!"), this);
    m_hint->setStyleSheet(QStringLiteral("color: blue;"));
    m_hint->installEventFilter(this);
    m_holdTimer = new QTimer(this);
    m_holdTimer->setSingleShot(true);
    m_holdTimer->setInterval(500);
    connect(m_holdTimer, &QTimer::timeout, this, [this] {
        if (m_held && m_projectView->currentRow() >= 0)
            showPath(u' ' + m_list.entries().value(m_projectView->currentRow()) + u' ');
    });

    auto *pickers = new QVBoxLayout;
    pickers->addWidget(new QLabel(QStringLiteral("Choose from any directory:"), this));
    pickers->addWidget(m_folderView, 1);
    pickers->addWidget(m_fileView, 1);
    pickers->addWidget(m_filter);

    auto *moves = new QVBoxLayout;
    moves->addStretch();
    moves->addWidget(makeButton("butaddone", QStringLiteral(">"), &ProjectManager::addSelected));
    moves->addWidget(makeButton("butaddall", QStringLiteral(">>"), &ProjectManager::addAllShown));
    moves->addWidget(
        makeButton("butlessone", QStringLiteral("<"), &ProjectManager::removeSelected));
    moves->addWidget(makeButton("butlessall", QStringLiteral("<<"), &ProjectManager::removeAll));
    moves->addStretch();

    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("Project name:"), this));
    nameRow->addWidget(m_name, 1);
    auto *fileButtons = new QGridLayout;
    fileButtons->addWidget(makeButton("Newbut", QStringLiteral("New"), &ProjectManager::newProject),
                           0, 0);
    fileButtons->addWidget(
        makeButton("loadbut", QStringLiteral("Load"), &ProjectManager::loadChosen), 0, 1);
    fileButtons->addWidget(
        makeButton("Savebut", QStringLiteral("Save"), &ProjectManager::saveProject), 1, 0);
    fileButtons->addWidget(makeButton("closebut", QStringLiteral("Close"), &QDialog::close), 1, 1);
    m_open =
        makeButton("quillmark", QStringLiteral("Open in Quillmark"), &ProjectManager::openInEditor);
    m_open->setEnabled(false);
    auto *helpRow = new QHBoxLayout;
    helpRow->addWidget(makeButton("helpbut", QStringLiteral("Help"), [this] {
        if (m_host.help)
            m_host.help();
    }));
    helpRow->addStretch();
    helpRow->addWidget(m_hint);

    auto *project = new QVBoxLayout;
    project->addWidget(m_listCaption);
    project->addWidget(m_pathLabel);
    project->addWidget(m_projectView, 1);
    project->addLayout(nameRow);
    project->addLayout(fileButtons);
    project->addWidget(m_open);
    project->addLayout(helpRow);

    auto *all = new QHBoxLayout(this);
    all->addLayout(pickers, 1);
    all->addLayout(moves);
    all->addLayout(project, 1);
    resize(640, 420);
}

void ProjectManager::showFolder(const QString &folder)
{
    const QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    m_files->setRootPath(path);
    m_fileView->setRootIndex(m_files->index(path));
    const QModelIndex inTree = m_folders->index(path);
    if (inTree.isValid() && m_folderView->currentIndex() != inTree) {
        m_folderView->setCurrentIndex(inTree);
        m_folderView->scrollTo(inTree);
    }
}

void ProjectManager::applyFilter(int index)
{
    m_files->setNameFilters(Filters[std::clamp(index, 0, int(std::size(Filters)) - 1)].patterns);
}

void ProjectManager::refreshList()
{
    m_projectView->clear();
    for (const QString &entry : m_list.entries())
        m_projectView->addItem(QFileInfo(entry).fileName());
    m_open->setEnabled(!m_list.isEmpty());
    Q_EMIT changed();
}

void ProjectManager::addSelected()
{
    const QModelIndex current = m_fileView->currentIndex();
    if (!current.isValid())
        return;
    QString error;
    if (!m_list.add({m_files->filePath(current)}, &error))
        m_host.prompter.error(error);
    refreshList();
}

void ProjectManager::addAllShown()
{
    const QModelIndex root = m_fileView->rootIndex();
    QStringList paths;
    for (int row = 0; row < m_files->rowCount(root); ++row)
        paths << m_files->filePath(m_files->index(row, 0, root));
    QString error;
    if (!m_list.add(paths, &error))
        m_host.prompter.error(error);
    refreshList();
}

void ProjectManager::removeSelected()
{
    const int row = m_projectView->currentRow();
    if (row < 0)
        return;
    m_list.removeAt(row);
    refreshList();
    m_projectView->setCurrentRow(std::min(row, m_projectView->count() - 1));
}

void ProjectManager::removeAll()
{
    m_list.clear();
    refreshList();
}

void ProjectManager::newProject()
{
    m_list.clear();
    m_projectPath.clear();
    m_name->setText(QStringLiteral("Untitled"));
    refreshList();
}

QString ProjectManager::projectName() const
{
    return m_name->text();
}

void ProjectManager::setProject(const QString &path)
{
    m_projectPath = path;
    m_name->setText(QFileInfo(path).fileName());
    m_name->setToolTip(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
}

QString ProjectManager::dialogFolder() const
{
    return m_projectPath.isEmpty() ? m_host.startFolder : QFileInfo(m_projectPath).absolutePath();
}

bool ProjectManager::load(const QString &path)
{
    QString error;
    if (!m_list.load(path, &error)) {
        m_host.prompter.error(error);
        return false;
    }
    setProject(path);
    refreshList();
    return true;
}

void ProjectManager::loadChosen()
{
    const QString chosen =
        m_host.dialogs()
            .openFiles(QStringLiteral("Load Project"), dialogFolder(), ProjectFilter, false)
            .value(0);
    if (!chosen.isEmpty())
        load(chosen);
}

void ProjectManager::saveProject()
{
    const QString suggested =
        m_projectPath.isEmpty() ? QString() : QFileInfo(m_projectPath).fileName();
    QString chosen;
    for (;;) {
        chosen = m_host.dialogs().saveFileTitled(QStringLiteral("Save Project"), dialogFolder(),
                                                 suggested, ProjectFilter);
        if (chosen.isEmpty())
            return;
        if (QFileInfo(chosen).suffix().isEmpty())
            chosen += QStringLiteral(".qpj");
        if (!QFileInfo::exists(chosen) ||
            m_host.prompter.confirm(QStringLiteral("Replace existing ") +
                                    QDir::toNativeSeparators(chosen) + QStringLiteral(" ?")))
            break;
    }
    QString error;
    if (!m_list.save(chosen, &error)) {
        m_host.prompter.error(error);
        return;
    }
    setProject(chosen);
    refreshList();
}

void ProjectManager::openInEditor()
{
    if (m_host.openFiles)
        m_host.openFiles(m_list.entries());
}

void ProjectManager::showPath(const QString &text)
{
    m_listCaption->hide();
    m_pathLabel->setText(text);
    m_pathLabel->show();
}

void ProjectManager::hidePath()
{
    m_pathLabel->hide();
    m_listCaption->show();
}

bool ProjectManager::eventFilter(QObject *watched, QEvent *event)
{
    const bool onList = watched == m_projectView->viewport();
    if (onList || watched == m_hint) {
        if (event->type() == QEvent::MouseButtonPress) {
            m_held = true;
            if (onList)
                m_holdTimer->start();
            else
                showPath(HintText);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            m_held = false;
            m_holdTimer->stop();
            hidePath();
        }
    }
    return QDialog::eventFilter(watched, event);
}
