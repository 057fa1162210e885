#include "prefs/keyspage.h"

#include "commands/commandtable.h"
#include "commands/commandtitles.h"
#include "prefs/keyfield.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int IdRole = Qt::UserRole;

QString titlesOf(const QStringList &ids)
{
    QStringList titles;
    for (const QString &id : ids)
        titles << commandTitle(id);
    if (titles.size() < 2)
        return titles.join(QString());
    const QString last = titles.takeLast();
    return titles.join(QLatin1String(", ")) + QStringLiteral(" and ") + last;
}

} // namespace

KeysPage::KeysPage(const KeyMap &keys, QWidget *parent) : QWidget(parent), m_keys(keys)
{
    auto *layout = new QVBoxLayout(this);

    auto *top = new QHBoxLayout;
    auto *setLabel = new QLabel(QStringLiteral("Key &set:"));
    m_sets = new QComboBox;
    m_sets->setObjectName(QStringLiteral("keyset"));
    m_sets->addItem(QStringLiteral("Quillmark"));
    m_sets->addItem(QStringLiteral("Desktop conventions"));
    m_sets->setCurrentIndex(m_keys.set() == KeySet::Desktop ? 1 : 0);
    setLabel->setBuddy(m_sets);
    auto *findLabel = new QLabel(QStringLiteral("&Find:"));
    m_find = new QLineEdit;
    m_find->setObjectName(QStringLiteral("keyfind"));
    m_find->setPlaceholderText(QStringLiteral("Part of a command's name or key"));
    m_find->setClearButtonEnabled(true);
    findLabel->setBuddy(m_find);
    top->addWidget(setLabel);
    top->addWidget(m_sets);
    top->addSpacing(12);
    top->addWidget(findLabel);
    top->addWidget(m_find, 1);
    layout->addLayout(top);

    m_list = new QTableWidget(0, 2);
    m_list->setObjectName(QStringLiteral("keylist"));
    m_list->setHorizontalHeaderLabels({QStringLiteral("Command"), QStringLiteral("Keys")});
    m_list->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    // Wide enough for two keys, so that the columns stay put while the list is filtered.
    m_list->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Fixed);
    m_list->setColumnWidth(
        1, m_list->fontMetrics().horizontalAdvance(QStringLiteral("Ctrl+Alt+Shift+0, Ctrl+Alt+0")));
    m_list->verticalHeader()->hide();
    m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 6);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setMinimumHeight(m_list->fontMetrics().height() * 14);
    for (const CommandRow &row : commandRows()) {
        const int r = m_list->rowCount();
        m_list->insertRow(r);
        auto *title = new QTableWidgetItem(commandTitle(QString::fromLatin1(row.id)));
        title->setData(IdRole, QString::fromLatin1(row.id));
        m_list->setItem(r, 0, title);
        m_list->setItem(r, 1, new QTableWidgetItem);
    }
    layout->addWidget(m_list, 1);

    auto *keyRow = new QHBoxLayout;
    auto *keyLabel = new QLabel(QStringLiteral("&Key:"));
    m_field = new KeyField;
    m_field->setObjectName(QStringLiteral("keyfield"));
    keyLabel->setBuddy(m_field);
    m_add = new QPushButton(QStringLiteral("A&dd Key"));
    m_add->setObjectName(QStringLiteral("keyadd"));
    m_clear = new QPushButton(QStringLiteral("C&lear"));
    m_clear->setObjectName(QStringLiteral("keyclear"));
    m_reset = new QPushButton(QStringLiteral("&Reset"));
    m_reset->setObjectName(QStringLiteral("keyreset"));
    m_reset->setToolTip(QStringLiteral("The key set's keys for this command"));
    for (QPushButton *b : {m_add, m_clear, m_reset})
        b->setAutoDefault(false);
    keyRow->addWidget(keyLabel);
    keyRow->addWidget(m_field, 1);
    keyRow->addWidget(m_add);
    keyRow->addWidget(m_clear);
    keyRow->addWidget(m_reset);
    layout->addLayout(keyRow);

    m_message = new QLabel;
    m_message->setObjectName(QStringLiteral("keymessage"));
    m_message->setWordWrap(true);
    QPalette warning = m_message->palette();
    warning.setColor(QPalette::WindowText, QColor(0xc0, 0x10, 0x10));
    m_message->setPalette(warning);
    layout->addWidget(m_message);

    connect(m_sets, &QComboBox::activated, this, &KeysPage::chooseSet);
    connect(m_find, &QLineEdit::textChanged, this, &KeysPage::filter);
    connect(m_list, &QTableWidget::itemSelectionChanged, this, &KeysPage::commandChosen);
    connect(m_field, &KeyField::keyTyped, this, &KeysPage::keyTyped);
    connect(m_add, &QPushButton::clicked, this, [this] {
        m_editing = m_keys.keys(currentCommand()).size();
        m_field->showKey(QString());
        m_field->setFocus();
    });
    connect(m_clear, &QPushButton::clicked, this, [this] {
        m_keys.setKeys(currentCommand(), {});
        m_refusal.clear();
        commandChosen();
        showKeys();
    });
    connect(m_reset, &QPushButton::clicked, this, [this] {
        if (const CommandRow *row = findCommand(currentCommand()))
            m_keys.setKeys(currentCommand(), KeyMap::setKeys(m_keys.set(), *row));
        m_refusal.clear();
        commandChosen();
        showKeys();
    });

    showKeys();
    m_list->selectRow(0);
}

QString KeysPage::currentCommand() const
{
    const QList<QTableWidgetItem *> chosen = m_list->selectedItems();
    return chosen.isEmpty() ? QString()
                            : m_list->item(chosen.first()->row(), 0)->data(IdRole).toString();
}

void KeysPage::selectCommand(const QString &id)
{
    for (int r = 0; r < m_list->rowCount(); ++r) {
        if (m_list->item(r, 0)->data(IdRole).toString() == id) {
            m_list->selectRow(r);
            m_list->scrollToItem(m_list->item(r, 0));
            return;
        }
    }
}

void KeysPage::chooseSet(int index)
{
    m_keys = KeyMap(index == 1 ? KeySet::Desktop : KeySet::Quillmark);
    m_refusal.clear();
    commandChosen();
    showKeys();
}

void KeysPage::commandChosen()
{
    const QString id = currentCommand();
    const bool chosen = !id.isEmpty();
    for (QWidget *w : {static_cast<QWidget *>(m_field), static_cast<QWidget *>(m_add),
                       static_cast<QWidget *>(m_clear), static_cast<QWidget *>(m_reset)})
        w->setEnabled(chosen);
    m_editing = 0;
    const QStringList keys = m_keys.keys(id);
    m_field->showKey(keys.isEmpty() ? QString() : keys.first());
}

void KeysPage::keyTyped(const QString &key)
{
    const QString id = currentCommand();
    if (id.isEmpty())
        return;
    m_refusal = KeyText::refusal(key);
    if (m_refusal.isEmpty()) {
        QStringList keys = m_keys.keys(id);
        if (m_editing < keys.size())
            keys[m_editing] = key;
        else if (!keys.contains(key)) {
            m_editing = keys.size();
            keys << key;
        }
        m_keys.setKeys(id, keys);
    }
    showKeys();
}

void KeysPage::showKeys()
{
    QStringList clashing;
    const QList<KeyConflict> conflicts = m_keys.conflicts();
    for (const KeyConflict &c : conflicts)
        clashing += c.commands;
    for (int r = 0; r < m_list->rowCount(); ++r) {
        const QString id = m_list->item(r, 0)->data(IdRole).toString();
        QTableWidgetItem *keys = m_list->item(r, 1);
        keys->setText(m_keys.keys(id).join(QLatin1String(", ")));
        keys->setForeground(clashing.contains(id) ? QBrush(QColor(0xc0, 0x10, 0x10)) : QBrush());
        QFont font = keys->font();
        font.setBold(!m_keys.keepsSetKeys(id));
        keys->setFont(font);
    }
    QStringList lines;
    if (!m_refusal.isEmpty())
        lines << m_refusal;
    for (const KeyConflict &c : conflicts)
        lines << QStringLiteral("%1 is held by %2: typed, it runs none of them.")
                     .arg(c.key, titlesOf(c.commands));
    m_message->setText(lines.join(u'\n'));
    if (!m_find->text().isEmpty())
        filter(m_find->text());
}

void KeysPage::filter(const QString &text)
{
    const QString wanted = text.trimmed();
    for (int r = 0; r < m_list->rowCount(); ++r) {
        const bool shown = wanted.isEmpty() ||
                           m_list->item(r, 0)->text().contains(wanted, Qt::CaseInsensitive) ||
                           m_list->item(r, 1)->text().contains(wanted, Qt::CaseInsensitive);
        m_list->setRowHidden(r, !shown);
    }
}

QString KeysPage::conflictMessage() const
{
    const QList<KeyConflict> conflicts = m_keys.conflicts();
    if (conflicts.isEmpty())
        return {};
    const KeyConflict &c = conflicts.first();
    return QStringLiteral("%1 is held by %2. Give all but one of them another key on the Keys "
                          "page, or clear it.")
        .arg(c.key, titlesOf(c.commands));
}
