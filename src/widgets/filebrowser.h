#pragma once

#include <QTimer>
#include <QWidget>

class QComboBox;
class QFileSystemModel;
class QListView;
class QSplitter;
class QTreeView;

// The drive, folder and file lists of the image and document helpers, as views over the
// file system. The file-system root, the home folder and mounted volumes stand in for
// drives; the file list shows the files that match the mask in any letter case.
class FileBrowser : public QWidget
{
    Q_OBJECT

public:
    explicit FileBrowser(QWidget *parent = nullptr);

    // Masks such as "*.gif"; letter case does not matter.
    void setNameFilters(const QStringList &masks);
    // Moves the folder list to a folder; the file list and the drive list follow.
    void setFolder(const QString &path);
    QString folder() const;
    // The selected file's full path, or empty.
    QString selectedFile() const;
    // Moves to the file's folder and selects it; false when it is not there.
    bool selectFile(const QString &path);
    // Shares the list area's height evenly between the folder and the file list.
    void shareHeight();
    // A preview made now makes the pending one unneeded.
    void cancelPendingPreview() { m_previewDelay.stop(); }

    QComboBox *drives() const { return m_drives; }
    QTreeView *folders() const { return m_folders; }
    QListView *files() const { return m_files; }
    QSplitter *splitter() const { return m_splitter; }
    QFileSystemModel *fileModel() const { return m_fileModel; }

Q_SIGNALS:
    void folderChanged(const QString &path);
    // A click, double click or a change of the selected file.
    void fileTouched();
    // A moment after a file was touched: time to preview it. A burst of clicks gives one.
    void previewDue();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Scrolls the folder list to the current folder, once it is read and laid out.
    void revealFolder();
    void fillDrives();
    void driveChosen(int index);
    void showFolder(const QString &path, bool fromFolderList);

    QComboBox *m_drives;
    QTreeView *m_folders;
    QListView *m_files;
    QSplitter *m_splitter;
    QFileSystemModel *m_folderModel;
    QFileSystemModel *m_fileModel;
    QString m_folder;
    // The folder list keeps its folder in view while the folders above it are still being
    // read and sorted in, until the user works the list.
    bool m_revealPending = false;
    QTimer m_previewDelay;
};
