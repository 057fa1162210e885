#include "helpers/usertags/usertagshelper.h"

#include "base/prompter.h"
#include "editor/linebreaks.h"
#include "editor/texteditor.h"
#include "helpers/usertags/addtolibrary.h"
#include "helpers/usertags/taglibrary.h"
#include "markup/tagcontroller.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const char *const GridNames[] = {"tagsgrid", "fillergrid", "librgrid"};
// Where a library row keeps the name of its item file.
constexpr int ItemRole = Qt::UserRole;
// Holding the button this long on an entry shows its whole text.
constexpr int TipDelay = 500;

QTableWidget *listGrid(const char *name, QWidget *parent)
{
    auto *g = new QTableWidget(0, 1, parent);
    g->setObjectName(QLatin1String(name));
    g->horizontalHeader()->hide();
    g->horizontalHeader()->setStretchLastSection(true);
    g->verticalHeader()->hide();
    // In edit mode the row header is the narrow handle rows are moved by.
    g->verticalHeader()->setSectionsMovable(true);
    g->verticalHeader()->setDefaultSectionSize(g->fontMetrics().height() + 4);
    g->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    g->verticalHeader()->setFixedWidth(9);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setWordWrap(false);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setContextMenuPolicy(Qt::CustomContextMenu);
    return g;
}

} // namespace

UserTagsHelper::UserTagsHelper(const PanelRow &row, PanelHost &host, QWidget *mainFrame,
                               Prompter &prompter, const QString &libraryFolder,
                               AddToLibrary &library)
    : HelperPanel(row, host, mainFrame), m_prompter(prompter, this), m_folder(libraryFolder),
      m_library(library)
{
    m_tabs = new QTabBar(body());
    m_tabs->setObjectName(QStringLiteral("listtabs"));
    m_tabs->setDrawBase(false);
    m_stack = new QStackedWidget(body());
    for (const TagListRow &list : TagLists::all()) {
        m_tabs->addTab(QLatin1String(list.label));
        QTableWidget *g = listGrid(GridNames[int(list.list)], m_stack);
        m_grids[std::size_t(list.list)] = g;
        m_stack->addWidget(g);
        g->installEventFilter(this);
        g->viewport()->installEventFilter(this);
        connect(g, &QTableWidget::cellDoubleClicked, this, [this] {
            if (!isEditing()) {
                applyCode();
                afterControl();
            }
        });
        connect(g, &QWidget::customContextMenuRequested, this,
                [this, g](const QPoint &at) { m_menu->popup(g->viewport()->mapToGlobal(at)); });
    }

    m_edit = new QCheckBox(QStringLiteral("edit"), body());
    m_edit->setObjectName(QStringLiteral("editcheck"));
    m_newSave = new QWidget(body());
    m_newSave->setObjectName(QStringLiteral("Panel2"));
    auto *newSave = new QHBoxLayout(m_newSave);
    newSave->setContentsMargins(0, 0, 0, 0);
    m_new = new QPushButton(QStringLiteral("New"), m_newSave);
    m_save = new QPushButton(QStringLiteral("Save"), m_newSave);
    for (QPushButton *b : {m_new, m_save}) {
        b->setAutoDefault(false);
        b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        newSave->addWidget(b);
        connect(b, &QPushButton::clicked, this, &UserTagsHelper::newItem);
    }
    readButton()->hide();

    m_tip = new QLabel(this);
    m_tip->setObjectName(QStringLiteral("tippan"));
    m_tip->setWordWrap(true);
    m_tip->setFrameShape(QFrame::Box);
    m_tip->setStyleSheet(QStringLiteral("background: #ffffc0; color: black; padding: 2px;"));
    m_tip->hide();
    m_tip->installEventFilter(this);
    m_tipTimer = new QTimer(this);
    m_tipTimer->setSingleShot(true);
    m_tipTimer->setInterval(TipDelay);
    connect(m_tipTimer, &QTimer::timeout, this, &UserTagsHelper::showTip);

    m_menu = new QMenu(this);
    m_newItem = m_menu->addAction(QStringLiteral("New Item"), this, &UserTagsHelper::newItem);
    m_insertRow = m_menu->addAction(QStringLiteral("Insert Row"), this, &UserTagsHelper::insertRow);
    m_insertRow->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Insert));
    m_deleteRow = m_menu->addAction(QStringLiteral("Delete Row"), this, &UserTagsHelper::deleteRow);
    m_deleteRow->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    m_saveEdits = m_menu->addAction(QStringLiteral("Save Edits"), this, &UserTagsHelper::saveEdits);
    m_separator = m_menu->addSeparator();
    m_editMode =
        m_menu->addAction(QStringLiteral("Edit Mode"), this, [this] { setEditing(!isEditing()); });
    // The keys work while the keyboard is anywhere in the panel.
    for (QAction *a : {m_insertRow, m_deleteRow}) {
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(a);
    }

    auto *tabs = new QHBoxLayout;
    tabs->addStretch(1);
    tabs->addWidget(m_tabs);
    tabs->addStretch(1);
    auto *below = new QHBoxLayout;
    below->addWidget(m_newSave);
    below->addWidget(buttonRow(), 1);
    // The button keeps room for the longer of its two captions.
    insertButton()->setText(QStringLiteral("Save Edits"));
    insertButton()->setMinimumWidth(insertButton()->sizeHint().width());
    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(10, 4, 4, 4);
    layout->setSpacing(4);
    layout->addLayout(tabs);
    layout->addWidget(m_stack, 1);
    layout->addWidget(m_edit);
    layout->addLayout(below);

    connect(m_tabs, &QTabBar::currentChanged, this, [this](int index) {
        showList(TagList(index));
        shownGrid()->setFocus();
    });
    connect(m_edit, &QCheckBox::toggled, this, &UserTagsHelper::setEditing);

    for (const TagListRow &list : TagLists::all())
        load(list.list);
    const std::optional<int> libraryRow = m_library.takeOpenForLibrary();
    showList(libraryRow ? TagList::Library : TagList::Block);
    setEditing(libraryRow.has_value());
    if (libraryRow) {
        QTableWidget *g = grid(TagList::Library);
        g->setCurrentCell(std::clamp(*libraryRow, 0, g->rowCount() - 1), 0);
    }

    setDesignedSize(QSize(380, 360), QSize(184, 150));
    placeAtStart();
}

UserTagsHelper::~UserTagsHelper()
{
    finishTyping();
}

TagList UserTagsHelper::shownList() const
{
    return TagList(m_tabs->currentIndex());
}

bool UserTagsHelper::isEditing() const
{
    return m_edit->isChecked();
}

void UserTagsHelper::load(TagList list)
{
    const QString path = QDir(m_folder).filePath(QLatin1String(TagLists::row(list).fileName));
    auto file = std::make_unique<TagListFile>(path);
    QString reason;
    if (!file->load(&reason))
        m_prompter.error(QStringLiteral("%1 could not be read: %2.")
                             .arg(QDir::toNativeSeparators(path), reason));
    const QStringList entries = file->entries();
    m_files[std::size_t(list)] = std::move(file);
    setRows(list, entries, 0);
}

void UserTagsHelper::fillRow(TagList list, int row, const QString &entry)
{
    auto *item = new QTableWidgetItem;
    if (list == TagList::Library) {
        const LibraryLine line = LibraryLine::of(entry);
        item->setText(line.description);
        item->setData(ItemRole, line.item);
        // New library entries come from Add to Library only.
        if (line.item.isEmpty())
            item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    } else {
        item->setText(entry);
    }
    grid(list)->setItem(row, 0, item);
}

QStringList UserTagsHelper::entries(TagList list) const
{
    const QTableWidget *g = grid(list);
    const QHeaderView *rows = g->verticalHeader();
    QStringList entries;
    for (int visual = 0; visual < g->rowCount(); ++visual) {
        const QTableWidgetItem *item = g->item(rows->logicalIndex(visual), 0);
        if (!item) {
            entries << QString();
        } else if (list == TagList::Library) {
            entries << LibraryLine{item->data(ItemRole).toString(), item->text()}.text();
        } else {
            entries << item->text();
        }
    }
    return entries;
}

void UserTagsHelper::setRows(TagList list, const QStringList &rows, int current)
{
    QTableWidget *g = grid(list);
    // Emptied first, so that rows moved by hand stand in their place again.
    g->setRowCount(0);
    g->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row)
        fillRow(list, row, rows.at(row));
    // The row header is a handle only.
    g->setVerticalHeaderLabels(QStringList(rows.size(), QString()));
    if (!rows.isEmpty())
        g->setCurrentCell(std::clamp(current, 0, int(rows.size()) - 1), 0);
}

int UserTagsHelper::currentVisualRow(TagList list) const
{
    const QTableWidget *g = grid(list);
    return g->currentRow() < 0 ? 0 : g->verticalHeader()->visualIndex(g->currentRow());
}

void UserTagsHelper::showList(TagList list)
{
    if (m_tabs->currentIndex() != int(list))
        m_tabs->setCurrentIndex(int(list));
    m_stack->setCurrentWidget(grid(list));
    for (int i = 0; i < m_tabs->count(); ++i)
        m_tabs->setTabTextColor(
            i, palette().color(i == int(list) ? QPalette::WindowText : QPalette::PlaceholderText));
    m_newSave->setVisible(isEditing() && list == TagList::Library);
    updateMenu();
}

void UserTagsHelper::setEditing(bool on)
{
    if (m_edit->isChecked() != on) {
        m_edit->setChecked(on); // comes back here through toggled
        return;
    }
    for (QTableWidget *g : m_grids) {
        g->setEditTriggers(on ? QAbstractItemView::DoubleClicked |
                                    QAbstractItemView::EditKeyPressed |
                                    QAbstractItemView::AnyKeyPressed
                              : QAbstractItemView::NoEditTriggers);
        g->verticalHeader()->setVisible(on);
    }
    insertButton()->setText(on ? QStringLiteral("Save Edits") : QStringLiteral("Insert Code"));
    m_newSave->setVisible(on && shownList() == TagList::Library);
    updateMenu();
}

void UserTagsHelper::updateMenu()
{
    const bool on = isEditing();
    for (QAction *a : {m_insertRow, m_deleteRow, m_saveEdits, m_separator})
        a->setVisible(on);
    m_newItem->setVisible(on && shownList() == TagList::Library);
    m_editMode->setText(on ? QStringLiteral("Insert Mode") : QStringLiteral("Edit Mode"));
}

void UserTagsHelper::applyCode()
{
    if (isEditing()) {
        saveEdits();
        return;
    }
    QTableWidget *g = shownGrid();
    const QTableWidgetItem *item = g->currentItem();
    if (!item)
        return;
    switch (shownList()) {
    case TagList::Block: {
        if (item->text().isEmpty() || !host().activeEditor())
            return;
        const BlockParts parts = BlockParts::of(item->text());
        host().tags.wraptag(parts.start, parts.end);
        return;
    }
    case TagList::Single:
        insertCode(item->text());
        return;
    case TagList::Library: {
        const QString name = item->data(ItemRole).toString();
        TextEditor *doc = host().activeEditor();
        if (name.isEmpty() || !doc)
            return;
        const TagLibrary library(m_folder);
        QString text, reason;
        if (!library.readItem(name, &text, &reason)) {
            const QString path = library.itemPath(name);
            m_prompter.error(
                QStringLiteral("The library item %1 could not be read: %2.")
                    .arg(path.isEmpty() ? name : QDir::toNativeSeparators(path), reason));
            return;
        }
        if (text.isEmpty())
            return;
        // The snippet goes in as it was stored, in the document's own line breaks.
        InsertWrap &insert = host().tags.insertWrap();
        insert.setInsertMode(InsertMode::Replace);
        insert.insertText(*doc, LineBreaks::convert(text, doc->lineBreak()), false);
        return;
    }
    }
}

bool UserTagsHelper::saveList(TagList list)
{
    const QStringList rows = entries(list);
    TagListFile &file = *m_files[std::size_t(list)];
    QString reason;
    if (!file.save(rows, &reason)) {
        m_prompter.error(QStringLiteral("%1 could not be saved: %2.")
                             .arg(QDir::toNativeSeparators(file.path()), reason));
        return false;
    }
    setRows(list, rows, currentVisualRow(list));
    return true;
}

void UserTagsHelper::saveEdits()
{
    QTableWidget *g = shownGrid();
    // Moving on and back makes the grid take what its open cell editor holds.
    const int row = g->currentRow();
    if (row >= 0 && g->rowCount() > 1) {
        g->setCurrentCell(row + 1 < g->rowCount() ? row + 1 : row - 1, 0);
        g->setCurrentCell(row, 0);
    }
    if (saveList(shownList()))
        setEditing(false);
}

void UserTagsHelper::insertRow()
{
    if (!isEditing())
        return;
    const TagList list = shownList();
    const int row = currentVisualRow(list);
    QStringList rows = entries(list);
    rows.insert(row, QString());
    setRows(list, rows, row);
    saveList(list);
}

void UserTagsHelper::deleteRow()
{
    if (!isEditing())
        return;
    const TagList list = shownList();
    const int row = currentVisualRow(list);
    QStringList rows = entries(list);
    if (row >= rows.size())
        return;
    const QStringList before = rows;
    rows.removeAt(row);
    while (rows.size() < TagListFile::Rows)
        rows << QString();
    if (list != TagList::Library) {
        // These lists wait for Save Edits.
        setRows(list, rows, row);
        return;
    }
    const LibraryLine line = LibraryLine::of(before.at(row));
    const TagLibrary library(m_folder);
    // Only a name the library could have written is a file of the library.
    const QString path = library.itemPath(line.item);
    if (!path.isEmpty() && !m_prompter.confirmDefaultNo(
                               QStringLiteral("Delete the library item \"%1\" and its file %2?")
                                   .arg(line.description, QDir::toNativeSeparators(path))))
        return;
    // The list first: should it not be saved, the item is still listed and its file kept.
    setRows(list, rows, row);
    if (!saveList(list)) {
        setRows(list, before, row);
        return;
    }
    QString reason;
    if (!path.isEmpty() && !library.deleteItem(line.item, &reason))
        m_prompter.error(QStringLiteral("%1 could not be deleted: %2.")
                             .arg(QDir::toNativeSeparators(path), reason));
}

void UserTagsHelper::newItem()
{
    const int row = currentVisualRow(TagList::Library);
    if (!entries(TagList::Library).value(row).isEmpty()) {
        m_prompter.inform(QStringLiteral("You must select an empty row before you can add a new "
                                         "item. Click OK and try again."));
        return;
    }
    for (const TagListRow &list : TagLists::all())
        if (!saveList(list.list))
            return;
    // Closes this panel while the dialog is open.
    m_library.start(row);
}

bool UserTagsHelper::refuseTypingWithoutItem(QKeyEvent *key)
{
    QTableWidget *g = grid(TagList::Library);
    QTableWidgetItem *item = g->currentItem();
    if (!isEditing() || shownList() != TagList::Library || !item ||
        !item->data(ItemRole).toString().isEmpty())
        return false;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
        key->key() == Qt::Key_Escape || key->text().isEmpty() || !key->text().at(0).isPrint() ||
        (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    m_prompter.warn(QStringLiteral("You must use the New command to add new entries."));
    item->setText(QString());
    g->setCurrentItem(item);
    return true;
}

void UserTagsHelper::showTip()
{
    QTableWidget *g = shownGrid();
    const QTableWidgetItem *item = g->itemAt(m_pressedAt);
    if (!item || item->text().isEmpty())
        return;
    m_tip->setText(item->text());
    m_tip->setMaximumWidth(std::max(120, width() - 20));
    m_tip->adjustSize();
    QPoint at = g->viewport()->mapTo(this, m_pressedAt) + QPoint(8, 8);
    at.setX(std::clamp(at.x(), 0, std::max(0, width() - m_tip->width())));
    at.setY(std::clamp(at.y(), 0, std::max(0, height() - m_tip->height())));
    m_tip->move(at);
    m_tip->raise();
    m_tip->show();
}

void UserTagsHelper::hideTip()
{
    m_tipTimer->stop();
    m_tip->hide();
}

bool UserTagsHelper::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_tip && event->type() == QEvent::MouseButtonPress) {
        hideTip();
        return true;
    }
    if (watched == grid(TagList::Library) && event->type() == QEvent::KeyPress &&
        refuseTypingWithoutItem(static_cast<QKeyEvent *>(event)))
        return true;
    if (watched == shownGrid()->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
                m_pressedAt = static_cast<QMouseEvent *>(event)->position().toPoint();
                m_tipTimer->start();
            }
            break;
        case QEvent::MouseMove:
            m_tipTimer->stop();
            break;
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            hideTip();
            break;
        default:
            break;
        }
    }
    return HelperPanel::eventFilter(watched, event);
}
