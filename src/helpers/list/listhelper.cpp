#include "helpers/list/listhelper.h"

#include "base/settingsfile.h"
#include "helpers/frame/numberfield.h"
#include "markup/tagcontroller.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// "/LI": empty while on, "no" while off. "compact": "yes" while on, empty while off.
constexpr TextKey EndLiKey{Sections::Main, "endli", ""};
constexpr TextKey CompactKey{Sections::Main, "compact", ""};

struct TypeRadio
{
    const char *name;
    const char *caption;
    const char *type;
};
const TypeRadio Bullets[] = {
    {"square2", "square", "square"}, {"disc2", "disc", "disc"}, {"circle2", "circle", "circle"}};
const TypeRadio Numbers[] = {{"a123", "1,2,3", "1"},
                             {"aIIIIII", "I,II,III", "I"},
                             {"asiiiiii", "i,ii,iii", "i"},
                             {"aabc", "A,B,C", "A"},
                             {"asabc", "a,b,c", "a"}};
const TypeRadio ItemTypes[] = {{"square", "square", "square"},
                               {"disc", "disc", "disc"},
                               {"circle", "circle", "circle"},
                               {"defitem", "definition", "definition"}};

// A column of radios in one group, each knowing the type it writes.
template <std::size_t N>
QWidget *typeBox(const char *name, const TypeRadio (&radios)[N], QButtonGroup *group,
                 QObject *filter, QWidget *parent)
{
    auto *box = new QWidget(parent);
    box->setObjectName(QLatin1String(name));
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    int id = 0;
    for (const TypeRadio &r : radios) {
        auto *b = new QRadioButton(QLatin1String(r.caption), box);
        b->setObjectName(QLatin1String(r.name));
        b->setProperty("listType", QLatin1String(r.type));
        b->installEventFilter(filter);
        group->addButton(b, id++);
        layout->addWidget(b);
    }
    layout->addStretch(1);
    return box;
}

QSpinBox *spin(const char *name, int minimum, int value, QWidget *parent)
{
    return new NumberField(QLatin1String(name), minimum, value, parent);
}

// A spin field under its label, in a box that is hidden as one.
QWidget *spinBox(const char *label, QSpinBox *spin, QWidget *parent)
{
    auto *box = new QWidget(parent);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(new QLabel(QLatin1String(label), box));
    spin->setParent(box);
    layout->addWidget(spin);
    return box;
}

} // namespace

ListHelper::~ListHelper()
{
    finishTyping();
}

ListHelper::ListHelper(const PanelRow &row, PanelHost &host, QWidget *mainFrame)
    : HelperPanel(row, host, mainFrame)
{
    m_modes = new QButtonGroup(this);
    auto *modes = new QHBoxLayout;
    const char *const modeNames[][2] = {{"listbut", "List"}, {"itembut", "List Item"}};
    for (int m = 0; m < 2; ++m) {
        auto *b = new QRadioButton(QLatin1String(modeNames[m][1]), body());
        b->setObjectName(QLatin1String(modeNames[m][0]));
        m_modes->addButton(b, m);
        modes->addWidget(b);
    }
    modes->addStretch(1);

    m_kindBox = new QWidget(body());
    m_kindBox->setObjectName(QStringLiteral("Panlist"));
    auto *kinds = new QVBoxLayout(m_kindBox);
    kinds->setContentsMargins(0, 0, 0, 0);
    kinds->setSpacing(0);
    m_kinds = new QButtonGroup(this);
    const std::pair<ListKind, const char *> kindButtons[] = {{ListKind::Bullet, "Bullet"},
                                                             {ListKind::Number, "Number"},
                                                             {ListKind::Definition, "Definition"}};
    for (const auto &[kind, caption] : kindButtons) {
        auto *b = new QRadioButton(QLatin1String(caption), m_kindBox);
        b->setObjectName(QLatin1String(caption));
        b->installEventFilter(this);
        m_kinds->addButton(b, int(kind));
        kinds->addWidget(b);
    }
    kinds->addStretch(1);

    m_bullets = new QButtonGroup(this);
    m_numbers = new QButtonGroup(this);
    m_itemTypes = new QButtonGroup(this);
    m_bulletBox = typeBox("Panbull", Bullets, m_bullets, this, body());
    m_numberBox = typeBox("Pannum", Numbers, m_numbers, this, body());
    m_itemBox = typeBox("Panbulla", ItemTypes, m_itemTypes, this, body());
    m_typeLabel = new QLabel(QStringLiteral("Type"), body());
    auto *types = new QGridLayout;
    types->setVerticalSpacing(0);
    types->addWidget(m_typeLabel, 0, 1, 1, 2);
    types->addWidget(m_kindBox, 1, 0);
    types->addWidget(m_bulletBox, 1, 1);
    types->addWidget(m_itemBox, 1, 1);
    types->addWidget(m_numberBox, 1, 2);
    types->setColumnStretch(3, 1);

    m_start = spin("startEdit", 1, 1, body());
    m_items = spin("ItemEdit", 1, 2, body());
    m_tabs = spin("tabsedit", 0, 0, body());
    m_startBox = spinBox("start list at", m_start, body());
    auto *itemBox = spinBox("List Items", m_items, body());
    m_tabsBox = spinBox("item indent", m_tabs, body());
    auto *numbers = new QHBoxLayout;
    numbers->addWidget(m_startBox);
    numbers->addWidget(itemBox);
    numbers->addWidget(m_tabsBox);
    numbers->addStretch(1);
    // Fields that come and go keep their place, so the others do not jump.
    for (QWidget *w : {m_startBox, m_tabsBox, m_bulletBox, m_numberBox}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }

    m_endli = new QCheckBox(QStringLiteral("/LI"), body());
    m_endli->setObjectName(QStringLiteral("endli"));
    m_compact = new QCheckBox(QStringLiteral("compact"), body());
    m_compact->setObjectName(QStringLiteral("chkcompact"));
    auto *checks = new QHBoxLayout;
    checks->addWidget(m_endli);
    checks->addWidget(m_compact);
    checks->addStretch(1);

    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addLayout(modes);
    layout->addLayout(types);
    layout->addLayout(numbers);
    layout->addLayout(checks);
    layout->addStretch(1);
    layout->addWidget(buttonRow());

    connect(m_modes, &QButtonGroup::idClicked, this, [this](int id) {
        enterMode(ListMode(id));
        afterControl();
    });
    connect(m_kinds, &QButtonGroup::idClicked, this, [this](int id) {
        showKind(ListKind(id));
        afterControl();
    });
    connect(m_bullets, &QButtonGroup::idClicked, this, [this] {
        bulletChosen();
        afterControl();
    });
    connect(m_itemTypes, &QButtonGroup::idClicked, this, [this] {
        bulletChosen();
        afterControl();
    });
    connect(m_numbers, &QButtonGroup::idClicked, this, [this] {
        numberChosen();
        afterControl();
    });
    for (QAbstractButton *b :
         {static_cast<QAbstractButton *>(m_endli), static_cast<QAbstractButton *>(m_compact)})
        connect(b, &QAbstractButton::clicked, this, &ListHelper::afterControl);

    // The panel's own settings.
    m_endli->setChecked(settings().read(EndLiKey).isEmpty());
    m_compact->setChecked(!settings().read(CompactKey).isEmpty());
    modeButton(ListMode::List)->setChecked(true);
    enterMode(ListMode::List);
    enableTagAttributes();
    setDesignedSize(QSize(260, sizeHint().height()), {});
    placeAtStart();
}

QRadioButton *ListHelper::modeButton(ListMode m) const
{
    return qobject_cast<QRadioButton *>(m_modes->button(int(m)));
}

QRadioButton *ListHelper::kindButton(ListKind kind) const
{
    return qobject_cast<QRadioButton *>(m_kinds->button(int(kind)));
}

QRadioButton *ListHelper::typeButton(const QString &caption) const
{
    const QButtonGroup *own = mode() == ListMode::List ? m_bullets : m_itemTypes;
    for (const QButtonGroup *group : {own, static_cast<const QButtonGroup *>(m_numbers)})
        for (QAbstractButton *b : group->buttons())
            if (b->text() == caption)
                return qobject_cast<QRadioButton *>(b);
    return nullptr;
}

ListMode ListHelper::mode() const
{
    return m_modes->checkedId() == int(ListMode::Item) ? ListMode::Item : ListMode::List;
}

void ListHelper::clearGroup(QButtonGroup *group)
{
    // An exclusive group keeps one button on; no choice is a choice too.
    group->setExclusive(false);
    for (QAbstractButton *b : group->buttons())
        b->setChecked(false);
    group->setExclusive(true);
}

QString ListHelper::typeOf(const QButtonGroup *group)
{
    const QAbstractButton *b = group->checkedButton();
    return b ? b->property("listType").toString() : QString();
}

void ListHelper::checkType(QButtonGroup *group, const QString &type)
{
    for (QAbstractButton *b : group->buttons())
        if (b->property("listType").toString() == type)
            b->setChecked(true);
}

void ListHelper::enterMode(ListMode m)
{
    const bool list = m == ListMode::List;
    m_tabsBox->setVisible(list);
    m_compact->setVisible(list);
    clearGroup(m_kinds);
    clearGroup(m_bullets);
    clearGroup(m_numbers);
    clearGroup(m_itemTypes);
    m_kindBox->setVisible(list);
    m_itemBox->setVisible(!list);
    if (list) {
        kindButton(ListKind::Bullet)->setChecked(true);
        showKind(ListKind::Bullet);
    } else {
        hideStart();
        m_bulletBox->hide();
        m_numberBox->show();
        m_typeLabel->show();
    }
}

void ListHelper::showKind(ListKind kind)
{
    m_typeLabel->setVisible(kind != ListKind::Definition);
    m_bulletBox->setVisible(kind == ListKind::Bullet);
    m_numberBox->setVisible(kind == ListKind::Number);
    m_startBox->setVisible(kind == ListKind::Number);
}

void ListHelper::bulletChosen()
{
    clearGroup(m_numbers);
    hideStart();
}

void ListHelper::numberChosen()
{
    clearGroup(m_bullets);
    clearGroup(m_itemTypes);
}

void ListHelper::hideStart()
{
    m_startBox->hide();
}

bool ListHelper::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        auto *b = qobject_cast<QAbstractButton *>(watched);
        if (b && m_kinds->buttons().contains(b)) {
            clearGroup(m_kinds);
            afterControl();
            return true;
        }
        for (QButtonGroup *group : {m_bullets, m_numbers, m_itemTypes}) {
            if (b && group->buttons().contains(b)) {
                clearGroup(group);
                hideStart();
                afterControl();
                return true;
            }
        }
    }
    return HelperPanel::eventFilter(watched, event);
}

ListFields ListHelper::fields() const
{
    ListFields f;
    f.mode = mode();
    const bool list = f.mode == ListMode::List;
    if (list) {
        const int kind = m_kinds->checkedId();
        f.kind = kind < 0 ? ListKind::None : ListKind(kind);
    } else {
        f.kind = ListKind::None;
    }
    // Only the types on show count: a bullet type chosen before switching to a numbered list
    // stays checked in its hidden group.
    if (list && f.kind == ListKind::Bullet)
        f.type = typeOf(m_bullets);
    else if (list && f.kind == ListKind::Number)
        f.type = typeOf(m_numbers);
    else if (!list)
        f.type = m_itemTypes->checkedButton() ? typeOf(m_itemTypes) : typeOf(m_numbers);
    if (list && !m_startBox->isHidden())
        f.start = m_start->value();
    f.items = m_items->value();
    f.indent = list ? m_tabs->value() : 0;
    f.endLi = m_endli->isChecked();
    f.compact = list && m_compact->isChecked();
    f.others = withTagAttributes(isEditingTag() ? m_others : QList<TagAttribute>());
    return f;
}

QStringList ListHelper::tagNames() const
{
    return {QStringLiteral("UL"), QStringLiteral("OL"), QStringLiteral("DL"), QStringLiteral("LI")};
}

void ListHelper::applyCode()
{
    if (const std::optional<ListParts> parts = ListCode::build(fields()))
        applyParts(parts->start, parts->end, parts->tag);
}

bool ListHelper::readTag(const FoundTag &tag)
{
    const std::optional<ListFields> f = ListCode::read(tag);
    if (!f)
        return false;
    modeButton(f->mode)->setChecked(true);
    enterMode(f->mode);
    if (f->mode == ListMode::List) {
        kindButton(f->kind)->setChecked(true);
        showKind(f->kind);
        checkType(f->kind == ListKind::Number ? m_numbers : m_bullets, f->type);
        if (f->start)
            m_start->setValue(*f->start);
        m_compact->setChecked(f->compact);
    } else {
        checkType(m_itemTypes, f->type);
        checkType(m_numbers, f->type);
    }
    m_others = f->others;
    return true;
}

void ListHelper::forgetTag()
{
    m_others.clear();
}

void ListHelper::saveOwnSettings()
{
    settings().write(EndLiKey, m_endli->isChecked() ? QString() : QStringLiteral("no"));
    settings().write(CompactKey, m_compact->isChecked() ? QStringLiteral("yes") : QString());
}
