#include "widgets/filebrowser.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QListView>
#include <QScrollBar>
#include <QSplitter>
#include <QStorageInfo>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

FileBrowser::FileBrowser(QWidget *parent) : QWidget(parent)
{
    m_drives = new QComboBox(this);
    // Long entries must not widen the panel past its minimum.
    m_drives->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_drives->setMinimumContentsLength(6);
    m_drives->setObjectName(QStringLiteral("drives"));
    m_folderModel = new QFileSystemModel(this);
    m_folderModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_folderModel->setRootPath(QDir::rootPath());
    m_fileModel = new QFileSystemModel(this);
    m_fileModel->setFilter(QDir::Files);
    m_fileModel->setNameFilterDisables(false);

    m_splitter = new QSplitter(Qt::Vertical, this);
    m_splitter->setObjectName(QStringLiteral("splitter"));
    m_splitter->setToolTip(QStringLiteral("Drag this bar to resize the Files and Folders windows"));
    m_splitter->setChildrenCollapsible(false);
    m_folders = new QTreeView(m_splitter);
    m_folders->setObjectName(QStringLiteral("Dirlist"));
    m_folders->setModel(m_folderModel);
    for (int c = 1; c < m_folderModel->columnCount(); ++c)
        m_folders->hideColumn(c);
    m_folders->header()->hide();
    m_folders->setMinimumHeight(33);
    m_folders->viewport()->installEventFilter(this);
    m_files = new QListView(m_splitter);
    m_files->setObjectName(QStringLiteral("Files"));
    m_files->setModel(m_fileModel);
    m_files->setMinimumHeight(33);
    m_files->setSelectionMode(QAbstractItemView::SingleSelection);
    m_splitter->handle(1)->setToolTip(m_splitter->toolTip());

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    layout->addWidget(m_splitter, 1);
    layout->addWidget(m_drives);

    fillDrives();
    // The folder model reads folders in the background: the current one is shown once read.
    connect(m_folderModel, &QFileSystemModel::directoryLoaded, this, &FileBrowser::revealFolder);
    connect(m_drives, &QComboBox::activated, this, &FileBrowser::driveChosen);
    connect(m_folders->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid())
                    showFolder(m_folderModel->filePath(current), true);
            });
    connect(m_files, &QListView::clicked, this, &FileBrowser::fileTouched);
    connect(m_files, &QListView::doubleClicked, this, &FileBrowser::fileTouched);
    connect(m_files->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &FileBrowser::fileTouched);
    m_previewDelay.setSingleShot(true);
    m_previewDelay.setInterval(100);
    connect(&m_previewDelay, &QTimer::timeout, this, &FileBrowser::previewDue);
    connect(this, &FileBrowser::fileTouched, this, [this] {
        if (!m_previewDelay.isActive())
            m_previewDelay.start();
    });
    setFolder(QDir::homePath());
}

void FileBrowser::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    QTimer::singleShot(0, this, &FileBrowser::revealFolder);
}

bool FileBrowser::eventFilter(QObject *watched, QEvent *event)
{
    // The list gets its final size only once the window manager has shown the panel.
    if (watched == m_folders->viewport() && event->type() == QEvent::Resize)
        QTimer::singleShot(0, this, &FileBrowser::revealFolder);
    return QWidget::eventFilter(watched, event);
}

void FileBrowser::revealFolder()
{
    const QModelIndex current = m_folders->currentIndex();
    if (m_revealPending && current.isValid() && m_folders->isVisible()) {
        m_folders->expand(current);
        m_folders->scrollTo(current, QAbstractItemView::PositionAtCenter);
    }
}

void FileBrowser::fillDrives()
{
    QStringList roots{QDir::rootPath(), QDir::homePath()};
    for (const QStorageInfo &v : QStorageInfo::mountedVolumes()) {
        const QString path = v.rootPath();
        if (v.isValid() && v.isReady() &&
            (path.startsWith(QLatin1String("/media/")) || path.startsWith(QLatin1String("/mnt/")) ||
             path.startsWith(QLatin1String("/run/media/"))) &&
            !roots.contains(path))
            roots << path;
    }
    for (const QString &r : roots)
        m_drives->addItem(QDir::toNativeSeparators(r), r);
}

void FileBrowser::driveChosen(int index)
{
    setFolder(m_drives->itemData(index).toString());
}

void FileBrowser::setNameFilters(const QStringList &masks)
{
    m_fileModel->setNameFilters(masks);
}

void FileBrowser::setFolder(const QString &path)
{
    if (!QFileInfo(path).isDir())
        return;
    showFolder(QDir::cleanPath(QFileInfo(path).absoluteFilePath()), false);
}

void FileBrowser::showFolder(const QString &path, bool fromFolderList)
{
    if (path == m_folder)
        return;
    m_folder = path;
    // The drive list shows the longest drive the folder lies on.
    int best = -1, bestLength = -1;
    for (int i = 0; i < m_drives->count(); ++i) {
        const QString root = m_drives->itemData(i).toString();
        const bool under =
            path == root || path.startsWith(root.endsWith(u'/') ? root : root + u'/');
        if (under && root.size() > bestLength) {
            best = i;
            bestLength = int(root.size());
        }
    }
    if (best >= 0)
        m_drives->setCurrentIndex(best);
    if (!fromFolderList) {
        m_revealPending = true;
        const QModelIndex index = m_folderModel->index(path);
        m_folders->setCurrentIndex(index);
        m_folders->expand(index);
        m_folders->scrollTo(index);
    }
    m_files->setRootIndex(m_fileModel->setRootPath(path));
    m_files->clearSelection();
    m_files->setCurrentIndex(QModelIndex());
    Q_EMIT folderChanged(path);
}

QString FileBrowser::folder() const
{
    return m_folder;
}

QString FileBrowser::selectedFile() const
{
    const QModelIndex current = m_files->currentIndex();
    if (!current.isValid() || !m_files->selectionModel()->isSelected(current))
        return {};
    return m_fileModel->filePath(current);
}

bool FileBrowser::selectFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return false;
    setFolder(info.absolutePath());
    const QModelIndex index = m_fileModel->index(info.absoluteFilePath());
    if (!index.isValid())
        return false;
    m_files->setCurrentIndex(index);
    m_files->scrollTo(index);
    return true;
}

void FileBrowser::shareHeight()
{
    const int total = m_splitter->height();
    m_splitter->setSizes({total / 2, total - total / 2});
}
