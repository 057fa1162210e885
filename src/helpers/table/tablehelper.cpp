#include "helpers/table/tablehelper.h"

#include "base/prompter.h"
#include "base/settingsfile.h"
#include "colours/colourpicker.h"
#include "helpers/frame/colourswatch.h"
#include "helpers/frame/numberfield.h"
#include "markup/tagcontroller.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCursor>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const char *const Aligns[] = {"left", "center", "right"};
const char *const VAligns[] = {"top", "bottom", "middle", "baseline"};

QSpinBox *spin(const char *name, QWidget *parent)
{
    return new NumberField(QLatin1String(name), 0, 0, parent);
}

} // namespace

TableHelper::~TableHelper()
{
    finishTyping();
}

TableHelper::TableHelper(const PanelRow &row, PanelHost &host, QWidget *mainFrame,
                         Prompter &prompter)
    : HelperPanel(row, host, mainFrame), m_prompter(prompter, this)
{
    m_modes = new QButtonGroup(this);
    auto *modes = new QHBoxLayout;
    const std::pair<TableMode, const char *> modeButtons[] = {
        {TableMode::Table, "Table"}, {TableMode::Row, "Row"}, {TableMode::Cell, "Cell"}};
    const char *const modeNames[] = {"tablebut", "rowbut", "cellbut"};
    for (const auto &[m, caption] : modeButtons) {
        auto *b = new QRadioButton(QLatin1String(caption), body());
        b->setObjectName(QLatin1String(modeNames[int(m)]));
        m_modes->addButton(b, int(m));
        modes->addWidget(b);
    }
    modes->addStretch(1);

    auto *numbers = new QGridLayout;
    numbers->setVerticalSpacing(2);
    m_bordercol = spin("bordercoledit", body());
    m_spacerow = spin("spacerowedit", body());
    m_items = spin("ItemEdit", body());
    m_bordercolLabel = new QLabel(body());
    m_bordercolLabel->setObjectName(QStringLiteral("bordercol"));
    m_spacerowLabel = new QLabel(body());
    m_spacerowLabel->setObjectName(QStringLiteral("spacerow"));
    m_paditemLabel = new QLabel(body());
    m_paditemLabel->setObjectName(QStringLiteral("paditem"));
    numbers->addWidget(m_bordercolLabel, 0, 0);
    numbers->addWidget(m_bordercol, 1, 0);
    numbers->addWidget(m_spacerowLabel, 0, 1);
    numbers->addWidget(m_spacerow, 1, 1);
    numbers->addWidget(m_paditemLabel, 0, 2);
    numbers->addWidget(m_items, 1, 2);
    // The row mode hides the first two; the third keeps its place.
    for (QWidget *w : std::initializer_list<QWidget *>{m_bordercol, m_spacerow, m_bordercolLabel,
                                                       m_spacerowLabel}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }

    m_sizes = new QWidget(body());
    auto *sizes = new QGridLayout(m_sizes);
    sizes->setContentsMargins(0, 0, 0, 0);
    sizes->setVerticalSpacing(2);
    m_width = new QLineEdit(m_sizes);
    m_width->setObjectName(QStringLiteral("widthedit"));
    m_height = new QLineEdit(m_sizes);
    m_height->setObjectName(QStringLiteral("heightedit"));
    m_percent = new QCheckBox(QStringLiteral("%"), m_sizes);
    m_percent->setObjectName(QStringLiteral("percentbox"));
    m_percent2 = new QCheckBox(QStringLiteral("%"), m_sizes);
    m_percent2->setObjectName(QStringLiteral("percentbox2"));
    for (QLineEdit *e : {m_width, m_height}) {
        // Digits only: a size is a number, and a text that is none would give broken markup.
        // Any count of digits gets in, so that a size too large is refused aloud, not cut.
        e->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), e));
        e->installEventFilter(this);
    }
    sizes->addWidget(new QLabel(QStringLiteral("Width"), m_sizes), 0, 0);
    sizes->addWidget(new QLabel(QStringLiteral("Height"), m_sizes), 0, 2);
    sizes->addWidget(m_width, 1, 0);
    sizes->addWidget(m_percent, 1, 1);
    sizes->addWidget(m_height, 1, 2);
    sizes->addWidget(m_percent2, 1, 3);

    m_captionnowrap = new QCheckBox(body());
    m_captionnowrap->setObjectName(QStringLiteral("captionnowrap"));
    m_belowtable = new QCheckBox(QStringLiteral(" below table"), body());
    m_belowtable->setObjectName(QStringLiteral("belowtable"));
    auto *caption = new QHBoxLayout;
    caption->addWidget(m_captionnowrap);
    caption->addWidget(m_belowtable);
    caption->addStretch(1);

    auto *alignBox = new QGroupBox(body());
    auto *alignGrid = new QGridLayout(alignBox);
    alignGrid->setContentsMargins(4, 2, 4, 2);
    alignGrid->setVerticalSpacing(0);
    m_alignLabel = new QLabel(alignBox);
    alignGrid->addWidget(m_alignLabel, 0, 0);
    alignGrid->addWidget(new QLabel(QStringLiteral("Vert Alignment"), alignBox), 0, 1);
    m_aligns = new QButtonGroup(this);
    m_valigns = new QButtonGroup(this);
    int i = 0;
    for (const char *a : Aligns) {
        auto *b = new QRadioButton(QLatin1String(a), alignBox);
        b->setObjectName(QStringLiteral("align") + QLatin1String(a));
        b->installEventFilter(this);
        m_aligns->addButton(b, i);
        alignGrid->addWidget(b, ++i, 0);
    }
    i = 0;
    for (const char *a : VAligns) {
        auto *b = new QRadioButton(QLatin1String(a), alignBox);
        b->setObjectName(QStringLiteral("valign") + QLatin1String(a));
        b->installEventFilter(this);
        m_valigns->addButton(b, i);
        alignGrid->addWidget(b, ++i, 1);
    }

    m_colorbox = new QCheckBox(QStringLiteral("color"), body());
    m_colorbox->setObjectName(QStringLiteral("colorbox"));
    m_colorButton = new ColourSwatch(QStringLiteral("ColorButton1"), body());
    m_useNames = new QCheckBox(QStringLiteral("use names"), body());
    m_useNames->setObjectName(QStringLiteral("chkUseNames"));
    m_endtr = new QCheckBox(QStringLiteral("/TR"), body());
    m_endtr->setObjectName(QStringLiteral("endtr"));
    m_endtd = new QCheckBox(QStringLiteral("/TD"), body());
    m_endtd->setObjectName(QStringLiteral("endtd"));
    auto *colour = new QHBoxLayout;
    colour->addWidget(m_colorbox);
    colour->addWidget(m_colorButton);
    colour->addWidget(m_useNames);
    colour->addStretch(1);
    colour->addWidget(m_endtr);
    colour->addWidget(m_endtd);

    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addLayout(modes);
    layout->addLayout(numbers);
    layout->addWidget(m_sizes);
    layout->addLayout(caption);
    layout->addWidget(alignBox);
    layout->addLayout(colour);
    layout->addStretch(1);
    layout->addWidget(buttonRow());

    connect(m_modes, &QButtonGroup::idClicked, this, [this](int id) {
        enterMode(TableMode(id));
        afterControl();
    });
    connect(m_captionnowrap, &QCheckBox::toggled, this, [this](bool on) {
        m_belowtable->setChecked(false);
        m_belowtable->setVisible(on && mode() == TableMode::Table);
        afterControl();
    });
    connect(m_percent, &QCheckBox::clicked, this, [this] {
        checkSize(m_width, m_percent, QStringLiteral("Width"));
        afterControl();
    });
    connect(m_percent2, &QCheckBox::clicked, this, [this] {
        checkSize(m_height, m_percent2, QStringLiteral("Height"));
        afterControl();
    });
    connect(m_endtd, &QCheckBox::clicked, this, [this](bool on) {
        settings().write(Keys::EndTd, on ? QString() : QStringLiteral("no"));
        afterControl();
    });
    connect(m_endtr, &QCheckBox::clicked, this, [this](bool on) {
        settings().write(Keys::EndTr, on ? QString() : QStringLiteral("no"));
        afterControl();
    });
    for (QAbstractButton *b :
         {static_cast<QAbstractButton *>(m_belowtable), static_cast<QAbstractButton *>(m_colorbox),
          static_cast<QAbstractButton *>(m_useNames)})
        connect(b, &QAbstractButton::clicked, this, &TableHelper::afterControl);
    connect(m_aligns, &QButtonGroup::idClicked, this, &TableHelper::afterControl);
    connect(m_valigns, &QButtonGroup::idClicked, this, &TableHelper::afterControl);
    connect(m_colorButton, &ColourSwatch::chosen, this,
            [this](std::uint32_t rgb) { setColour(rgb); });

    // The panel's own settings.
    m_endtd->setChecked(settings().read(Keys::EndTd).isEmpty());
    m_endtr->setChecked(settings().read(Keys::EndTr).isEmpty());
    m_useNames->setChecked(settings().read(Keys::ClNames));
    setColour(0xFFFFFF, false);
    modeButton(TableMode::Table)->setChecked(true);
    enterMode(TableMode::Table);
    enableTagAttributes();
    setDesignedSize(QSize(310, sizeHint().height()), {});
    placeAtStart();
}

QRadioButton *TableHelper::modeButton(TableMode m) const
{
    return qobject_cast<QRadioButton *>(m_modes->button(int(m)));
}

QRadioButton *TableHelper::alignButton(const QString &align) const
{
    for (QAbstractButton *b : m_aligns->buttons())
        if (b->text() == align)
            return qobject_cast<QRadioButton *>(b);
    return nullptr;
}

QRadioButton *TableHelper::valignButton(const QString &valign) const
{
    for (QAbstractButton *b : m_valigns->buttons())
        if (b->text() == valign)
            return qobject_cast<QRadioButton *>(b);
    return nullptr;
}

TableMode TableHelper::mode() const
{
    const int id = m_modes->checkedId();
    return id < 0 ? TableMode::Table : TableMode(id);
}

void TableHelper::clearGroup(QButtonGroup *group)
{
    // An exclusive group keeps one button on; no alignment is a choice too.
    group->setExclusive(false);
    for (QAbstractButton *b : group->buttons())
        b->setChecked(false);
    group->setExclusive(true);
}

void TableHelper::enterMode(TableMode m)
{
    const bool table = m == TableMode::Table, row = m == TableMode::Row;
    clearGroup(m_aligns);
    clearGroup(m_valigns);
    m_bordercol->setVisible(!row);
    m_bordercolLabel->setVisible(!row);
    m_spacerow->setVisible(!row);
    m_spacerowLabel->setVisible(!row);
    m_sizes->setVisible(!row);
    m_captionnowrap->setVisible(!row);
    m_endtr->setVisible(row);
    m_endtd->setVisible(m == TableMode::Cell);
    m_width->clear();
    m_height->clear();
    m_percent->setChecked(false);
    m_percent2->setChecked(false);
    {
        const QSignalBlocker block(m_captionnowrap);
        m_captionnowrap->setChecked(false);
    }
    m_belowtable->setChecked(false);
    m_belowtable->hide();
    if (!row)
        m_colorbox->setChecked(false);
    m_alignLabel->setText(table ? QStringLiteral("Align on Page")
                                : QStringLiteral("Horz Alignment"));
    m_items->setValue(1);
    if (table) {
        m_bordercolLabel->setText(QStringLiteral("border"));
        m_bordercol->setValue(1);
        m_spacerowLabel->setText(QStringLiteral("cell space"));
        m_spacerow->setValue(2);
        m_paditemLabel->setText(QStringLiteral("cell pad"));
        m_captionnowrap->setText(QStringLiteral("caption"));
    } else {
        m_bordercolLabel->setText(QStringLiteral("col span"));
        m_bordercol->setValue(0);
        m_spacerowLabel->setText(QStringLiteral("row span"));
        m_spacerow->setValue(0);
        m_paditemLabel->setText(QStringLiteral("items"));
        m_captionnowrap->setText(QStringLiteral("no wrap"));
    }
}

void TableHelper::checkSize(QLineEdit *edit, QCheckBox *percent, const QString &what)
{
    const QString problem = TableCode::sizeProblem(what, edit->text(), percent->isChecked());
    if (problem.isEmpty())
        return;
    m_prompter.warn(problem);
    edit->clear();
}

bool TableHelper::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter) {
            if (watched == m_width)
                checkSize(m_width, m_percent, QStringLiteral("Width"));
            else if (watched == m_height)
                checkSize(m_height, m_percent2, QStringLiteral("Height"));
        }
    } else if (event->type() == QEvent::MouseButtonDblClick) {
        auto *b = qobject_cast<QAbstractButton *>(watched);
        if (b && m_aligns->buttons().contains(b)) {
            clearGroup(m_aligns);
            return true;
        }
        if (b && m_valigns->buttons().contains(b)) {
            clearGroup(m_valigns);
            return true;
        }
    }
    return HelperPanel::eventFilter(watched, event);
}

ColourPicker *TableHelper::picker() const
{
    return m_colorButton->picker();
}

void TableHelper::setColour(std::uint32_t rgb, bool turnOn)
{
    m_colorButton->setColour(rgb);
    if (turnOn)
        m_colorbox->setChecked(true);
}

TableFields TableHelper::fields() const
{
    TableFields f;
    f.mode = mode();
    f.borderCol = m_bordercol->value();
    f.spaceRow = m_spacerow->value();
    f.items = m_items->value();
    f.width = m_width->text();
    f.height = m_height->text();
    f.widthPercent = m_percent->isChecked();
    f.heightPercent = m_percent2->isChecked();
    f.captionNowrap = m_captionnowrap->isChecked();
    f.belowTable = f.mode == TableMode::Table && f.captionNowrap && m_belowtable->isChecked();
    if (QAbstractButton *b = m_aligns->checkedButton())
        f.align = b->text();
    if (QAbstractButton *b = m_valigns->checkedButton())
        f.valign = b->text();
    if (m_colorbox->isChecked())
        f.colour = m_colorButton->colour();
    f.useNames = m_useNames->isChecked();
    f.endTr = m_endtr->isChecked();
    f.endTd = m_endtd->isChecked();
    f.others = withTagAttributes(isEditingTag() ? m_others : QList<TagAttribute>());
    return f;
}

QStringList TableHelper::tagNames() const
{
    return {QStringLiteral("TABLE"), QStringLiteral("TR"), QStringLiteral("TD")};
}

void TableHelper::applyCode()
{
    if (const std::optional<TableParts> parts = TableCode::build(fields()))
        applyParts(parts->start, parts->end, parts->tag);
}

bool TableHelper::readTag(const FoundTag &tag)
{
    const std::optional<TableFields> f = TableCode::read(tag);
    if (!f)
        return false;
    modeButton(f->mode)->setChecked(true);
    enterMode(f->mode);
    m_bordercol->setValue(f->borderCol);
    m_spacerow->setValue(f->spaceRow);
    m_items->setValue(f->items);
    m_width->setText(f->width);
    m_height->setText(f->height);
    m_percent->setChecked(f->widthPercent);
    m_percent2->setChecked(f->heightPercent);
    {
        const QSignalBlocker block(m_captionnowrap);
        m_captionnowrap->setChecked(f->mode == TableMode::Cell && f->captionNowrap);
    }
    if (QRadioButton *b = alignButton(f->align))
        b->setChecked(true);
    if (QRadioButton *b = valignButton(f->valign))
        b->setChecked(true);
    if (f->colour) {
        setColour(*f->colour);
        m_useNames->setChecked(f->useNames);
    }
    m_colorbox->setChecked(f->colour.has_value());
    m_others = f->others;
    return true;
}

void TableHelper::forgetTag()
{
    m_others.clear();
}

void TableHelper::saveOwnSettings()
{
    settings().write(Keys::ClNames, m_useNames->isChecked());
}
