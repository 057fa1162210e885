#pragma once

#include "helpers/frame/helperpanel.h"
#include "helpers/frame/panelprompter.h"
#include "helpers/usertags/taglistfile.h"

#include <QPoint>

#include <array>
#include <memory>

class AddToLibrary;
class Prompter;
class QAction;
class QCheckBox;
class QKeyEvent;
class QLabel;
class QMenu;
class QPushButton;
class QStackedWidget;
class QTabBar;
class QTableWidget;
class QTimer;

// The user tags panel: three lists of ready-made code kept in the library folder. A Block
// entry wraps the selection in its start and end parts, a Single entry goes in as it is, and
// a Mult Line entry (the tag library) puts in the text of its item file. In edit mode the
// lists are edited in place, rows inserted, deleted and moved, and saved; new library items
// come from Add to Library.
class UserTagsHelper : public HelperPanel
{
    Q_OBJECT

public:
    UserTagsHelper(const PanelRow &row, PanelHost &host, QWidget *mainFrame, Prompter &prompter,
                   const QString &libraryFolder, AddToLibrary &library);
    ~UserTagsHelper() override;

    QTabBar *tabs() const { return m_tabs; }
    QTableWidget *grid(TagList list) const { return m_grids[std::size_t(list)]; }
    TagList shownList() const;
    QTableWidget *shownGrid() const { return grid(shownList()); }
    QCheckBox *editCheck() const { return m_edit; }
    bool isEditing() const;
    QPushButton *newButton() const { return m_new; }
    QPushButton *saveButton() const { return m_save; }
    QWidget *newSaveGroup() const { return m_newSave; }
    QLabel *tipPanel() const { return m_tip; }
    QMenu *popupMenu() const { return m_menu; }
    QAction *newItemAction() const { return m_newItem; }
    QAction *insertRowAction() const { return m_insertRow; }
    QAction *deleteRowAction() const { return m_deleteRow; }
    QAction *saveEditsAction() const { return m_saveEdits; }
    QAction *editModeAction() const { return m_editMode; }
    // The entries of a list as it would be saved, in the order the rows are shown.
    QStringList entries(TagList list) const;

protected:
    void applyCode() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void load(TagList list);
    void showList(TagList list);
    void setEditing(bool on);
    void fillRow(TagList list, int row, const QString &entry);
    // The grid filled with the rows again, the given one current.
    void setRows(TagList list, const QStringList &rows, int current);
    int currentVisualRow(TagList list) const;
    bool saveList(TagList list);
    void saveEdits();
    void insertRow();
    void deleteRow();
    void newItem();
    void updateMenu();
    bool refuseTypingWithoutItem(QKeyEvent *key);
    void showTip();
    void hideTip();

    PanelPrompter m_prompter;
    QString m_folder;
    AddToLibrary &m_library;
    std::array<std::unique_ptr<TagListFile>, 3> m_files;
    std::array<QTableWidget *, 3> m_grids{};
    QTabBar *m_tabs = nullptr;
    QStackedWidget *m_stack = nullptr;
    QCheckBox *m_edit = nullptr;
    QWidget *m_newSave = nullptr;
    QPushButton *m_new = nullptr;
    QPushButton *m_save = nullptr;
    QLabel *m_tip = nullptr;
    QTimer *m_tipTimer = nullptr;
    QPoint m_pressedAt;
    QMenu *m_menu = nullptr;
    QAction *m_newItem = nullptr;
    QAction *m_insertRow = nullptr;
    QAction *m_deleteRow = nullptr;
    QAction *m_saveEdits = nullptr;
    QAction *m_separator = nullptr;
    QAction *m_editMode = nullptr;
};
