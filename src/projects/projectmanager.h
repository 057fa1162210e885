#pragma once

#include "projects/projectlist.h"

#include <QDialog>

#include <functional>

class FileDialogs;
class Prompter;
class QComboBox;
class QFileSystemModel;
class QLabel;
class QListView;
class QListWidget;
class QPushButton;
class QTimer;
class QTreeView;

// What the project manager needs of the program.
struct ProjectManagerHost
{
    Prompter &prompter;
    std::function<FileDialogs &()> dialogs;
    // Where the folder and file pickers start, and the Load and Save dialogs before a
    // project has a folder.
    QString startFolder;
    // Opens the project's files in the editor.
    std::function<void(const QStringList &)> openFiles;
    std::function<void()> help;
};

// "Project Manager": builds a project's list from files picked in any folder, loads and saves
// it as a project file and opens its files. It frees itself when closed; at most one exists,
// kept by the project commands.
class ProjectManager : public QDialog
{
    Q_OBJECT

public:
    explicit ProjectManager(ProjectManagerHost host, QWidget *parent = nullptr);

    // Loads a project file without asking; false (with the message shown) when it cannot.
    bool load(const QString &path);
    const ProjectList &list() const { return m_list; }
    QString projectName() const;
    // The loaded or saved project file; empty for a project not saved yet.
    QString projectPath() const { return m_projectPath; }
    // Shows a folder in the folder and file pickers.
    void showFolder(const QString &folder);
    QListView *fileView() const { return m_fileView; }
    QTreeView *folderView() const { return m_folderView; }
    QListWidget *projectView() const { return m_projectView; }
    QComboBox *filterBox() const { return m_filter; }
    QLabel *pathLabel() const { return m_pathLabel; }
    QPushButton *button(const QString &objectName) const;

Q_SIGNALS:
    // The project file or its list has changed.
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void build();
    void addSelected();
    void addAllShown();
    void removeSelected();
    void removeAll();
    void newProject();
    void loadChosen();
    void saveProject();
    void openInEditor();
    void applyFilter(int index);
    void refreshList();
    void setProject(const QString &path);
    void showPath(const QString &text);
    void hidePath();
    QString dialogFolder() const;

    ProjectManagerHost m_host;
    ProjectList m_list;
    QString m_projectPath;
    QFileSystemModel *m_folders = nullptr;
    QFileSystemModel *m_files = nullptr;
    QTreeView *m_folderView = nullptr;
    QListView *m_fileView = nullptr;
    QComboBox *m_filter = nullptr;
    QListWidget *m_projectView = nullptr;
    QLabel *m_listCaption = nullptr;
    QLabel *m_pathLabel = nullptr;
    QLabel *m_name = nullptr;
    QLabel *m_hint = nullptr;
    QPushButton *m_open = nullptr;
    QTimer *m_holdTimer = nullptr;
    bool m_held = false;
};
