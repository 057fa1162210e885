#include "helpers/form/formhelper.h"

#include "helpers/frame/numberfield.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

struct KindButton
{
    FormKind kind;
    const char *objectName;
    const char *caption;
};

constexpr KindButton KindButtons[] = {
    {FormKind::NewForm, "newbut", "New Form"},  {FormKind::Hidden, "hidbut", "Hidden"},
    {FormKind::Text, "textbut", "Text"},        {FormKind::TextArea, "areabut", "Text Area"},
    {FormKind::Radio, "RadioBut", "Radio"},     {FormKind::Checkbox, "checkbut", "Checkbox"},
    {FormKind::ListBox, "listbut", "List Box"}, {FormKind::DropList, "dropbut", "DropList"},
    {FormKind::Reset, "resetbut", "Reset"},     {FormKind::Password, "passbut", "Password"},
    {FormKind::Button, "radButton", "Button"},  {FormKind::File, "radFile", "File"},
    {FormKind::Image, "radImage", "Image"},     {FormKind::Submit, "submitbut", "Submit"},
};

} // namespace

FormHelper::~FormHelper()
{
    finishTyping();
}

FormHelper::FormHelper(const PanelRow &row, PanelHost &host, QWidget *mainFrame)
    : HelperPanel(row, host, mainFrame)
{
    m_kinds = new QButtonGroup(this);
    auto *kinds = new QGridLayout;
    kinds->setVerticalSpacing(0);
    int i = 0;
    for (const KindButton &b : KindButtons) {
        auto *radio = new QRadioButton(QLatin1String(b.caption), body());
        radio->setObjectName(QLatin1String(b.objectName));
        m_kinds->addButton(radio, int(b.kind));
        kinds->addWidget(radio, i / 3, i % 3);
        ++i;
    }

    auto *numbers = new QGridLayout;
    numbers->setVerticalSpacing(2);
    m_items = new NumberField(QStringLiteral("itemsedit"), 1, 1, body(), FormCode::MaxItems);
    m_itemsLabel = new QLabel(QStringLiteral("Items"), body());
    m_max = new NumberField(QStringLiteral("maxedit"), 1, 20, body());
    m_maxLabel = new QLabel(QStringLiteral("max length"), body());
    m_maxLabel->setObjectName(QStringLiteral("Label1"));
    m_maxCheck = new QCheckBox(body());
    m_maxCheck->setObjectName(QStringLiteral("maxcheck"));
    m_maxCheck->setToolTip(QStringLiteral("Write the max length"));
    m_size = new NumberField(QStringLiteral("sizeedit"), 1, 20, body());
    m_sizeLabel = new QLabel(QStringLiteral("size"), body());
    m_sizeLabel->setObjectName(QStringLiteral("Label2"));
    numbers->addWidget(m_itemsLabel, 0, 0);
    numbers->addWidget(m_items, 0, 1);
    numbers->addWidget(m_maxLabel, 1, 0);
    numbers->addWidget(m_max, 1, 1);
    numbers->addWidget(m_maxCheck, 1, 2);
    numbers->addWidget(m_sizeLabel, 2, 0);
    numbers->addWidget(m_size, 2, 1);
    numbers->setColumnStretch(3, 1);

    m_yesNo = new QCheckBox(body());
    m_yesNo->setObjectName(QStringLiteral("yesnocheck"));
    m_yesNote = new QLabel(body());
    m_yesNote->setObjectName(QStringLiteral("yesnote"));
    m_yesNote->setBuddy(m_yesNo);
    auto *yesNo = new QHBoxLayout;
    yesNo->addWidget(m_yesNo);
    yesNo->addWidget(m_yesNote, 1);
    m_group = new QLineEdit(body());
    m_group->setObjectName(QStringLiteral("groupedit"));
    m_groupLabel = new QLabel(QStringLiteral("group name"), body());
    m_groupLabel->setBuddy(m_group);
    auto *group = new QHBoxLayout;
    group->addWidget(m_groupLabel);
    group->addWidget(m_group, 1);

    m_options = new QGroupBox(body());
    m_options->setObjectName(QStringLiteral("panOpts"));
    m_options->setToolTip(QStringLiteral("Double click: all options on, or all off"));
    m_options->installEventFilter(this);
    auto *opts = new QGridLayout(m_options);
    opts->setContentsMargins(4, 2, 4, 2);
    opts->setVerticalSpacing(0);
    const std::pair<QCheckBox **, const char *> optionBoxes[] = {
        {&m_disabled, "disabled"},
        {&m_readonly, "readonly"},
        {&m_tabindex, "tabindex"},
        {&m_accesskey, "accesskey"},
    };
    i = 0;
    for (const auto &[box, caption] : optionBoxes) {
        *box = new QCheckBox(QLatin1String(caption), m_options);
        (*box)->setObjectName(QStringLiteral("chk") + QLatin1String(caption));
        opts->addWidget(*box, i / 2, i % 2);
        connect(*box, &QCheckBox::clicked, this, &FormHelper::afterControl);
        ++i;
    }

    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addLayout(kinds);
    layout->addLayout(numbers);
    layout->addLayout(yesNo);
    layout->addLayout(group);
    layout->addWidget(m_options);
    layout->addStretch(1);
    layout->addWidget(buttonRow());

    // Fields that come and go keep their room, so that the panel keeps its size.
    for (QWidget *w : std::initializer_list<QWidget *>{
             m_items, m_itemsLabel, m_max, m_maxLabel, m_maxCheck, m_size, m_sizeLabel, m_yesNo,
             m_yesNote, m_group, m_groupLabel, m_options}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
        w->hide();
    }
    connect(m_kinds, &QButtonGroup::idClicked, this, [this](int id) {
        enterKind(FormKind(id));
        afterControl();
    });
    for (QCheckBox *box : {m_maxCheck, m_yesNo})
        connect(box, &QCheckBox::clicked, this, &FormHelper::afterControl);

    // The longest captions decide the room of the labels.
    m_yesNote->setText(QStringLiteral("multiple selection"));
    m_maxLabel->setText(QStringLiteral("# columns"));
    enableTagAttributes();
    setDesignedSize(QSize(330, sizeHint().height()), {});
    placeAtStart();
}

QRadioButton *FormHelper::kindButton(FormKind kind) const
{
    return qobject_cast<QRadioButton *>(m_kinds->button(int(kind)));
}

std::optional<FormKind> FormHelper::kind() const
{
    const int id = m_kinds->checkedId();
    return id < 0 ? std::nullopt : std::optional<FormKind>(FormKind(id));
}

void FormHelper::enterKind(FormKind k)
{
    const bool form = k == FormKind::NewForm;
    const bool text = k == FormKind::Text || k == FormKind::Password;
    const bool area = k == FormKind::TextArea;
    const bool list = k == FormKind::ListBox;
    const bool drop = k == FormKind::DropList;
    const bool single = k == FormKind::Submit || k == FormKind::Image || k == FormKind::Reset;
    m_items->setValue(1);
    m_items->setVisible(!form && !single);
    m_itemsLabel->setVisible(m_items->isVisibleTo(this));
    m_max->setVisible(text || area || list || drop);
    m_maxLabel->setVisible(m_max->isVisibleTo(this));
    m_maxCheck->setVisible(text);
    m_size->setVisible(text || k == FormKind::File || area || list);
    m_sizeLabel->setVisible(m_size->isVisibleTo(this));
    m_yesNo->setVisible(form || list);
    m_yesNote->setVisible(form || list);
    const bool grouped = k == FormKind::Radio || k == FormKind::Checkbox;
    m_group->setVisible(grouped);
    m_groupLabel->setVisible(grouped);
    if (grouped || list || drop)
        m_group->clear();
    m_options->setVisible(!form && k != FormKind::Hidden);

    m_maxLabel->setText(area             ? QStringLiteral("# columns")
                        : (list || drop) ? QStringLiteral("# options")
                                         : QStringLiteral("max length"));
    m_sizeLabel->setText(area ? QStringLiteral("# rows") : QStringLiteral("size"));
    m_yesNote->setText(form ? QStringLiteral("get instead of post")
                            : QStringLiteral("multiple selection"));
    if (form || list)
        m_yesNo->setChecked(false);
    if (text) {
        m_maxCheck->setChecked(false);
        m_max->setValue(20);
        m_size->setValue(20);
    } else if (area) {
        m_max->setValue(35);
        m_size->setValue(7);
    } else if (list) {
        m_max->setValue(5);
        m_size->setValue(3);
    } else if (drop) {
        m_max->setValue(5);
    }
}

FormFields FormHelper::fields() const
{
    FormFields f;
    f.kind = kind();
    f.items = m_items->value();
    f.maxOn = m_maxCheck->isChecked();
    f.max = m_max->value();
    f.size = m_size->value();
    f.yesNo = m_yesNo->isChecked();
    f.group = m_group->text();
    f.disabled = m_disabled->isChecked();
    f.readonly = m_readonly->isChecked();
    f.tabindex = m_tabindex->isChecked();
    f.accesskey = m_accesskey->isChecked();
    if (isEditingTag())
        f.values = m_values;
    f.others = withTagAttributes(isEditingTag() ? m_others : QList<TagAttribute>());
    return f;
}

void FormHelper::applyCode()
{
    const std::optional<FormParts> parts = FormCode::build(fields());
    if (!parts)
        return;
    if (parts->end.isEmpty())
        insertCode(isEditingTag() ? parts->tag : parts->start);
    else
        applyParts(parts->start, parts->end, parts->tag);
}

QStringList FormHelper::tagNames() const
{
    return {QStringLiteral("FORM"), QStringLiteral("INPUT"), QStringLiteral("SELECT"),
            QStringLiteral("TEXTAREA")};
}

bool FormHelper::readTag(const FoundTag &tag)
{
    const std::optional<FormFields> f = FormCode::read(tag);
    if (!f)
        return false;
    kindButton(*f->kind)->setChecked(true);
    enterKind(*f->kind);
    m_items->setValue(1);
    m_maxCheck->setChecked(f->maxOn);
    m_max->setValue(f->max);
    m_size->setValue(f->size);
    m_yesNo->setChecked(f->yesNo);
    m_group->setText(f->group);
    m_disabled->setChecked(f->disabled);
    m_readonly->setChecked(f->readonly);
    m_tabindex->setChecked(f->tabindex);
    m_accesskey->setChecked(f->accesskey);
    m_values = f->values;
    m_others = f->others;
    return true;
}

void FormHelper::forgetTag()
{
    m_values.clear();
    m_others.clear();
}

bool FormHelper::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_options && event->type() == QEvent::MouseButtonDblClick) {
        const QList<QCheckBox *> boxes{m_disabled, m_readonly, m_tabindex, m_accesskey};
        const bool anyOn =
            std::any_of(boxes.begin(), boxes.end(), [](QCheckBox *b) { return b->isChecked(); });
        for (QCheckBox *b : boxes)
            b->setChecked(!anyOn);
        afterControl();
        return true;
    }
    return HelperPanel::eventFilter(watched, event);
}
