#include "helpers/frames/frameshelper.h"

#include "base/settingsfile.h"
#include "colours/colourpicker.h"
#include "helpers/frame/colourswatch.h"
#include "helpers/frame/numberfield.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString Shared = QStringLiteral("frameborder");
const QStringList YesNoAuto{QStringLiteral("yes"), QStringLiteral("no"), QStringLiteral("auto")};
const QStringList Aligns{QStringLiteral("default"),   QStringLiteral("left"),
                         QStringLiteral("right"),     QStringLiteral("top"),
                         QStringLiteral("texttop"),   QStringLiteral("middle"),
                         QStringLiteral("absmiddle"), QStringLiteral("baseline"),
                         QStringLiteral("bottom"),    QStringLiteral("absbottom")};
// Pages first: a frame shows a page; any file may be chosen.
const QString SourceFilter =
    QStringLiteral("Pages (*.htm *.html *.shtml *.php *.asp);;All files (*)");

QGridLayout *areaGrid(QWidget *area)
{
    auto *grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return grid;
}

} // namespace

FramesHelper::~FramesHelper()
{
    finishTyping();
}

FramesHelper::FramesHelper(const PanelRow &row, PanelHost &host, QWidget *mainFrame,
                           FileChooser chooseFile)
    : HelperPanel(row, host, mainFrame), m_chooseFile(std::move(chooseFile))
{
    m_modes = new QButtonGroup(this);
    auto *modes = new QHBoxLayout;
    const std::pair<FramesMode, const char *> modeButtons[] = {{FramesMode::Frameset, "Frameset"},
                                                               {FramesMode::Frame, "Frame"},
                                                               {FramesMode::Iframe, "Iframe"}};
    const char *const modeNames[] = {"fsbut", "fbut", "ifbut"};
    for (const auto &[m, caption] : modeButtons) {
        auto *b = new QRadioButton(QLatin1String(caption), body());
        b->setObjectName(QLatin1String(modeNames[int(m)]));
        m_modes->addButton(b, int(m));
        modes->addWidget(b);
    }
    modes->addStretch(1);

    // What every mode shares.
    auto *shared = new QGridLayout;
    shared->setVerticalSpacing(2);
    m_items = new NumberField(QStringLiteral("txtitems"), 1, 1, body(), FramesCode::MaxItems);
    auto *itemsLabel = new QLabel(QStringLiteral("Items to insert"), body());
    itemsLabel->setBuddy(m_items);
    shared->addWidget(itemsLabel, 0, 0);
    shared->addWidget(m_items, 0, 1);
    addList(shared, 1, FramesMode::Frameset, "frameborder",
            {QStringLiteral("yes"), QStringLiteral("no"), QStringLiteral("0")},
            QStringLiteral("yes"), body())
        ->setEditable(true);
    m_borderColour = new QCheckBox(QStringLiteral("bordercolor"), body());
    m_borderColour->setObjectName(QStringLiteral("chkbordercolor"));
    m_colourButton = new ColourSwatch(QStringLiteral("bordercolor"), body());
    m_useNames = new QCheckBox(QStringLiteral("use Names"), body());
    m_useNames->setObjectName(QStringLiteral("chkUseNames"));
    auto *colour = new QHBoxLayout;
    colour->addWidget(m_colourButton);
    colour->addWidget(m_useNames);
    colour->addStretch(1);
    shared->addWidget(m_borderColour, 2, 0);
    shared->addLayout(colour, 2, 1);

    m_areas = new QStackedWidget(body());
    // Frame set.
    auto *frameset = new QWidget(m_areas);
    frameset->setObjectName(QStringLiteral("panframeset"));
    {
        QGridLayout *grid = areaGrid(frameset);
        m_rows = new QRadioButton(QStringLiteral("rows"), frameset);
        m_rows->setObjectName(QStringLiteral("radRows"));
        m_cols = new QRadioButton(QStringLiteral("cols"), frameset);
        m_cols->setObjectName(QStringLiteral("radCols"));
        m_rows->setChecked(true);
        grid->addWidget(m_rows, 0, 0);
        grid->addWidget(m_cols, 0, 1);
        addEdit(grid, 1, 0, FramesMode::Frameset, "border", frameset);
        addEdit(grid, 2, 0, FramesMode::Frameset, "framespacing", frameset);
        m_noFrame = new QCheckBox(QStringLiteral("NOFRAME"), frameset);
        m_noFrame->setObjectName(QStringLiteral("chkFsnoframe"));
        grid->addWidget(m_noFrame, 3, 0);
        grid->setRowStretch(4, 1);
    }
    // Frame.
    auto *frame = new QWidget(m_areas);
    frame->setObjectName(QStringLiteral("panFrame"));
    {
        QGridLayout *grid = areaGrid(frame);
        m_frameFile = fileArea(grid, 0, frame, "chkfname", "usefilecheck");
        addEdit(grid, 2, 0, FramesMode::Frame, "marginwidth", frame);
        addEdit(grid, 3, 0, FramesMode::Frame, "marginheight", frame);
        addList(grid, 4, FramesMode::Frame, "scrolling", YesNoAuto, QStringLiteral("auto"), frame);
        addEdit(grid, 5, 0, FramesMode::Frame, "framespacing", frame);
        m_noResize = new QCheckBox(QStringLiteral("noresize"), frame);
        m_noResize->setObjectName(QStringLiteral("chkfnoresize"));
        grid->addWidget(m_noResize, 6, 0);
        grid->setRowStretch(7, 1);
    }
    // Inline frame.
    auto *iframe = new QWidget(m_areas);
    iframe->setObjectName(QStringLiteral("panIFrame"));
    {
        QGridLayout *grid = areaGrid(iframe);
        m_iframeFile = fileArea(grid, 0, iframe, "chkifname", "chkifsrc");
        addList(grid, 2, FramesMode::Iframe, "align", Aligns, QStringLiteral("default"), iframe);
        addList(grid, 3, FramesMode::Iframe, "scrolling", YesNoAuto, QStringLiteral("auto"),
                iframe);
        // Two to a row: width, height; hspace, vspace; border.
        auto *pairs = new QGridLayout;
        pairs->setContentsMargins(0, 0, 0, 0);
        pairs->setVerticalSpacing(2);
        addEdit(pairs, 0, 0, FramesMode::Iframe, "width", iframe);
        addEdit(pairs, 0, 2, FramesMode::Iframe, "height", iframe);
        addEdit(pairs, 1, 0, FramesMode::Iframe, "hspace", iframe);
        addEdit(pairs, 1, 2, FramesMode::Iframe, "vspace", iframe);
        addEdit(pairs, 2, 0, FramesMode::Iframe, "border", iframe);
        grid->addLayout(pairs, 4, 0, 1, 4);
        grid->setRowStretch(5, 1);
    }
    m_areas->addWidget(frameset);
    m_areas->addWidget(frame);
    m_areas->addWidget(iframe);

    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addLayout(modes);
    layout->addLayout(shared);
    layout->addWidget(m_areas);
    layout->addStretch(1);
    layout->addWidget(buttonRow());

    connect(m_modes, &QButtonGroup::idClicked, this, [this] {
        showMode();
        afterControl();
    });
    connect(m_colourButton, &ColourSwatch::chosen, this,
            [this](std::uint32_t rgb) { setColour(rgb, true); });
    for (QAbstractButton *b : body()->findChildren<QAbstractButton *>())
        if (qobject_cast<QCheckBox *>(b) || qobject_cast<QRadioButton *>(b))
            connect(b, &QAbstractButton::clicked, this, &FramesHelper::afterControl);
    for (QComboBox *list : body()->findChildren<QComboBox *>())
        if (!list->isEditable())
            connect(list, &QComboBox::activated, this, &FramesHelper::afterControl);

    {
        const QSignalBlocker block(m_useNames);
        m_useNames->setChecked(settings().read(Keys::ClNames));
    }
    setColour(0xFFFFFF, false);
    modeButton(FramesMode::Frameset)->setChecked(true);
    showMode();
    enableTagAttributes();
    setDesignedSize(QSize(320, sizeHint().height()), {});
    placeAtStart();
}

QCheckBox *FramesHelper::addOption(QGridLayout *grid, int row, int column, FramesMode mode,
                                   const char *attribute, QWidget *field, QWidget *parent)
{
    auto *check = new QCheckBox(QLatin1String(attribute), parent);
    check->setObjectName(QStringLiteral("chk") + QLatin1String(attribute));
    grid->addWidget(check, row, column);
    grid->addWidget(field, row, column + 1);
    m_options.append({mode, QLatin1String(attribute), check, field});
    return check;
}

QLineEdit *FramesHelper::addEdit(QGridLayout *grid, int row, int column, FramesMode mode,
                                 const char *attribute, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QStringLiteral("txt") + QLatin1String(attribute));
    addOption(grid, row, column, mode, attribute, edit, parent);
    return edit;
}

QComboBox *FramesHelper::addList(QGridLayout *grid, int row, FramesMode mode, const char *attribute,
                                 const QStringList &items, const QString &text, QWidget *parent)
{
    auto *list = new QComboBox(parent);
    list->addItems(items);
    list->setCurrentText(text);
    list->setObjectName(QStringLiteral("cbo") + QLatin1String(attribute));
    addOption(grid, row, 0, mode, attribute, list, parent);
    return list;
}

FramesHelper::FileArea FramesHelper::fileArea(QGridLayout *grid, int row, QWidget *parent,
                                              const char *nameObject, const char *fileObject)
{
    FileArea area;
    area.name = new QCheckBox(QStringLiteral("name"), parent);
    area.name->setObjectName(QLatin1String(nameObject));
    area.name->setChecked(true);
    area.useFile = new QCheckBox(QStringLiteral("Use file"), parent);
    area.useFile->setObjectName(QLatin1String(fileObject));
    area.path = new PathModeBox(PathModeBox::Wording::Long, parent);
    grid->addWidget(area.name, row, 0);
    grid->addWidget(area.useFile, row + 1, 0);
    grid->addWidget(area.path, row + 1, 1, 1, 3);
    return area;
}

QRadioButton *FramesHelper::modeButton(FramesMode m) const
{
    return qobject_cast<QRadioButton *>(m_modes->button(int(m)));
}

FramesMode FramesHelper::mode() const
{
    const int id = m_modes->checkedId();
    return id < 0 ? FramesMode::Frameset : FramesMode(id);
}

void FramesHelper::showMode()
{
    m_areas->setCurrentIndex(int(mode()));
}

QCheckBox *FramesHelper::optionCheck(FramesMode mode, const QString &attribute) const
{
    for (const Option &o : m_options)
        if (o.attribute == attribute && (o.mode == mode || attribute == Shared))
            return o.check;
    return attribute == QLatin1String("bordercolor") ? m_borderColour : nullptr;
}

QWidget *FramesHelper::optionField(FramesMode mode, const QString &attribute) const
{
    for (const Option &o : m_options)
        if (o.attribute == attribute && (o.mode == mode || attribute == Shared))
            return o.field;
    return nullptr;
}

QCheckBox *FramesHelper::nameCheck(FramesMode mode) const
{
    return mode == FramesMode::Iframe ? m_iframeFile.name : m_frameFile.name;
}

QCheckBox *FramesHelper::useFile(FramesMode mode) const
{
    return mode == FramesMode::Iframe ? m_iframeFile.useFile : m_frameFile.useFile;
}

PathModeBox *FramesHelper::pathList(FramesMode mode) const
{
    return mode == FramesMode::Iframe ? m_iframeFile.path : m_frameFile.path;
}

FramesOption FramesHelper::option(FramesMode mode, const char *attribute) const
{
    const QString name = QLatin1String(attribute);
    QWidget *field = optionField(mode, name);
    FramesOption o;
    o.on = optionCheck(mode, name)->isChecked();
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        o.value = edit->text();
    else if (auto *list = qobject_cast<QComboBox *>(field))
        o.value = list->currentText();
    return o;
}

void FramesHelper::setOption(FramesMode mode, const char *attribute, const FramesOption &value)
{
    const QString name = QLatin1String(attribute);
    QWidget *field = optionField(mode, name);
    optionCheck(mode, name)->setChecked(value.on);
    if (!value.on)
        return;
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        edit->setText(value.value);
    else if (auto *list = qobject_cast<QComboBox *>(field)) {
        // A value the list does not hold is shown as it is, so that it is written back so.
        if (list->findText(value.value) < 0 && !list->isEditable())
            list->addItem(value.value);
        list->setCurrentText(value.value);
    }
}

ColourPicker *FramesHelper::picker() const
{
    return m_colourButton->picker();
}

void FramesHelper::setColour(std::uint32_t rgb, bool turnOn)
{
    m_colourButton->setColour(rgb);
    if (turnOn)
        m_borderColour->setChecked(true);
}

FramesFields FramesHelper::fields() const
{
    FramesFields f;
    f.mode = mode();
    f.items = m_items->value();
    f.frameBorder = option(f.mode, "frameborder");
    f.borderColourOn = m_borderColour->isChecked();
    f.borderColour = m_colourButton->colour();
    f.useNames = m_useNames->isChecked();
    f.columns = m_cols->isChecked();
    f.border = option(FramesMode::Frameset, "border");
    f.spacing = option(FramesMode::Frameset, "framespacing");
    f.noFrame = m_noFrame->isChecked();
    f.noResize = m_noResize->isChecked();
    if (f.mode == FramesMode::Frame) {
        f.marginWidth = option(f.mode, "marginwidth");
        f.marginHeight = option(f.mode, "marginheight");
        f.scrolling = option(f.mode, "scrolling");
        f.frameSpacing = option(f.mode, "framespacing");
    } else if (f.mode == FramesMode::Iframe) {
        f.align = option(f.mode, "align");
        f.width = option(f.mode, "width");
        f.height = option(f.mode, "height");
        f.hspace = option(f.mode, "hspace");
        f.vspace = option(f.mode, "vspace");
        f.scrolling = option(f.mode, "scrolling");
        f.iframeBorder = option(f.mode, "border");
    }
    f.name = nameCheck(f.mode)->isChecked();
    if (isEditingTag()) {
        f.layout = m_layout;
        f.nameValue = m_nameValue;
        f.sources = m_sources;
    }
    f.others = withTagAttributes(isEditingTag() ? m_others : QList<TagAttribute>());
    return f;
}

QStringList FramesHelper::chooseSources(int items, PathMode pathMode)
{
    QStringList sources;
    for (int i = 0; i < items; ++i) {
        const QString file =
            m_chooseFile ? m_chooseFile(QStringLiteral("Please locate your file"), SourceFilter)
                         : QString();
        // Cancel: the rest get an empty source, without being asked for.
        if (file.isEmpty())
            break;
        sources << PathRule::reference(file, host().documentPath(), pathMode).inserted;
    }
    return sources;
}

void FramesHelper::applyCode()
{
    if (!host().activeEditor())
        return;
    FramesFields f = fields();
    if (f.mode != FramesMode::Frameset && useFile(f.mode)->isChecked())
        f.sources =
            chooseSources(f.mode == FramesMode::Frame ? f.items : 1, pathList(f.mode)->mode());
    const FramesParts parts = FramesCode::build(f);
    if (f.mode == FramesMode::Frame)
        insertCode(parts.start);
    else
        applyParts(parts.start, parts.end, parts.tag);
}

QStringList FramesHelper::tagNames() const
{
    return {QStringLiteral("FRAMESET"), QStringLiteral("FRAME"), QStringLiteral("IFRAME")};
}

bool FramesHelper::readTag(const FoundTag &tag)
{
    const std::optional<FramesFields> f = FramesCode::read(tag);
    if (!f)
        return false;
    modeButton(f->mode)->setChecked(true);
    showMode();
    m_items->setValue(f->items);
    setOption(f->mode, "frameborder", f->frameBorder);
    m_borderColour->setChecked(f->borderColourOn);
    if (f->borderColourOn) {
        setColour(f->borderColour, true);
        if (f->mode == FramesMode::Frameset)
            m_useNames->setChecked(f->useNames);
    }
    switch (f->mode) {
    case FramesMode::Frameset:
        (f->columns ? m_cols : m_rows)->setChecked(true);
        setOption(f->mode, "border", f->border);
        setOption(f->mode, "framespacing", f->spacing);
        m_noFrame->setChecked(false);
        break;
    case FramesMode::Frame:
        setOption(f->mode, "marginwidth", f->marginWidth);
        setOption(f->mode, "marginheight", f->marginHeight);
        setOption(f->mode, "scrolling", f->scrolling);
        setOption(f->mode, "framespacing", f->frameSpacing);
        m_noResize->setChecked(f->noResize);
        break;
    case FramesMode::Iframe:
        setOption(f->mode, "align", f->align);
        setOption(f->mode, "width", f->width);
        setOption(f->mode, "height", f->height);
        setOption(f->mode, "hspace", f->hspace);
        setOption(f->mode, "vspace", f->vspace);
        setOption(f->mode, "scrolling", f->scrolling);
        setOption(f->mode, "border", f->iframeBorder);
        break;
    }
    if (f->mode != FramesMode::Frameset) {
        nameCheck(f->mode)->setChecked(f->name);
        // The source read is kept; a file is asked for only when wanted again.
        useFile(f->mode)->setChecked(false);
    }
    m_layout = f->layout;
    m_nameValue = f->nameValue;
    m_sources = f->sources;
    m_others = f->others;
    return true;
}

void FramesHelper::forgetTag()
{
    m_layout = QString();
    m_nameValue.clear();
    m_sources.clear();
    m_others.clear();
}

void FramesHelper::saveOwnSettings()
{
    settings().write(Keys::ClNames, m_useNames->isChecked());
}
