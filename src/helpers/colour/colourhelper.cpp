#include "helpers/colour/colourhelper.h"

#include "base/settingsfile.h"
#include "colours/colourpicker.h"
#include "helpers/frame/codesample.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

struct TargetButton
{
    ColourTarget target;
    const char *objectName;
    const char *caption;
};

constexpr TargetButton TargetButtons[] = {
    {ColourTarget::Font, "checkfont", "Font color"},
    {ColourTarget::Background, "checkbgcolor", "BGcolor"},
    {ColourTarget::Text, "checktext", "Body: Text"},
    {ColourTarget::Link, "checklink", "Body: Link"},
    {ColourTarget::VisitedLink, "checkvlink", "Body: vLink"},
    {ColourTarget::ActiveLink, "checkalink", "Body: aLink"},
    {ColourTarget::CodeOnly, "checkcode", "Code only"},
};

} // namespace

ColourHelper::ColourHelper(const PanelRow &row, PanelHost &host, QWidget *mainFrame)
    : HelperPanel(row, host, mainFrame)
{
    m_colourButton = new QToolButton(body());
    m_colourButton->setObjectName(QStringLiteral("Colorbox1"));
    m_colourButton->setToolTip(QStringLiteral("The colour; click for the safe palette"));
    m_colourButton->setFixedSize(40, 24);
    m_basic = new BasicColourGrid(body());
    m_basic->setObjectName(QStringLiteral("ColorGrid1"));
    auto *top = new QHBoxLayout;
    top->addWidget(m_colourButton);
    top->addWidget(m_basic);
    top->addStretch(1);

    m_safeButton = new QPushButton(QStringLiteral("Safe Palette"), body());
    m_safeButton->setObjectName(QStringLiteral("cmdSafePalette"));
    m_namesButton = new QPushButton(QStringLiteral("Named Colors"), body());
    m_namesButton->setObjectName(QStringLiteral("SpeedButton1"));
    m_useNames = new QCheckBox(QStringLiteral("Use names"), body());
    m_useNames->setObjectName(QStringLiteral("chkUseNames"));
    m_useNames->setToolTip(QStringLiteral("Use distinct name if available"));
    auto *palettes = new QHBoxLayout;
    palettes->addWidget(m_safeButton);
    palettes->addWidget(m_namesButton);
    palettes->addWidget(m_useNames);
    palettes->addStretch(1);

    m_targets = new QButtonGroup(this);
    auto *radios = new QGridLayout;
    radios->setVerticalSpacing(2);
    int i = 0;
    for (const TargetButton &b : TargetButtons) {
        auto *radio = new QRadioButton(QLatin1String(b.caption), body());
        radio->setObjectName(QLatin1String(b.objectName));
        m_targets->addButton(radio, int(b.target));
        radios->addWidget(radio, i % 4, i / 4);
        ++i;
    }

    m_sample = new CodeSample(body());
    m_sample->setText(QStringLiteral("#FFFFFF"));

    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addLayout(top);
    layout->addLayout(palettes);
    layout->addLayout(radios);
    layout->addWidget(m_sample);
    layout->addStretch(1);
    layout->addWidget(buttonRow());

    connect(m_basic, &BasicColourGrid::chosen, this, [this](std::uint32_t rgb) {
        setColour(rgb);
        afterControl();
    });
    connect(m_colourButton, &QToolButton::clicked, this, [this] { showGrid(false); });
    connect(m_safeButton, &QPushButton::clicked, this, [this] { showGrid(false); });
    connect(m_namesButton, &QPushButton::clicked, this, [this] { showGrid(true); });
    connect(m_useNames, &QCheckBox::toggled, this, [this] {
        buildCode();
        afterControl();
    });
    connect(m_targets, &QButtonGroup::idClicked, this, [this] {
        buildCode();
        afterControl();
    });

    {
        const QSignalBlocker block(m_useNames);
        m_useNames->setChecked(settings().read(Keys::ClNames));
    }
    m_colourButton->setStyleSheet(QStringLiteral("background: #FFFFFF;"));
    setDesignedSize(QSize(280, sizeHint().height()), {});
    placeAtStart();
}

QRadioButton *ColourHelper::targetButton(ColourTarget target) const
{
    return qobject_cast<QRadioButton *>(m_targets->button(int(target)));
}

PaletteGrid *ColourHelper::grid(bool names)
{
    PaletteGrid *&g = m_grids[names ? 1 : 0];
    if (!g) {
        g = new PaletteGrid(names ? PaletteGrid::Kind::Names : PaletteGrid::Kind::WebSafe, this);
        g->setObjectName(names ? QStringLiteral("namesgrid") : QStringLiteral("safegrid"));
        connect(g, &PaletteGrid::chosen, this, [this](std::uint32_t rgb) {
            setColour(rgb);
            afterControl();
        });
    }
    return g;
}

void ColourHelper::showGrid(bool names)
{
    if (PaletteGrid *other = m_grids[names ? 0 : 1])
        other->hide();
    PaletteGrid *g = grid(names);
    // In the panel: the safe grid at its top left, the names grid where the basic colours
    // are.
    const QPoint at = names ? QPoint(5, m_basic->mapTo(this, QPoint(0, 0)).y()) : QPoint(5, 5);
    g->move(mapToGlobal(at));
    g->show();
}

void ColourHelper::setColour(std::uint32_t rgb)
{
    m_rgb = rgb;
    m_colourButton->setStyleSheet(
        QStringLiteral("background: %1;").arg(QColor::fromRgb(rgb).name()));
    buildCode();
}

ColourFields ColourHelper::fields() const
{
    ColourFields f;
    f.rgb = m_rgb;
    f.useNames = m_useNames->isChecked();
    if (const int id = m_targets->checkedId(); id >= 0)
        f.target = ColourTarget(id);
    return f;
}

QString ColourHelper::buildCode()
{
    const QString code = ColourValue::build(fields());
    m_sample->setText(code);
    return code;
}

void ColourHelper::applyCode()
{
    // The sample is what goes in: "#FFFFFF" before the first change.
    if (isEditingTag() && m_piece) {
        const ColourFields f = fields();
        insertCode(ColourValue::replacement(*m_piece, f));
        // The attribute now carries the name written; "Code only" keeps it from here on.
        if (!m_piece->name.isEmpty() && f.target && *f.target != ColourTarget::CodeOnly)
            m_piece->name = ColourValue::attributeName(*f.target);
    } else {
        insertCode(m_sample->text());
    }
}

std::optional<FoundTag> ColourHelper::pieceAtCaret(const QString &text, int selectionStart,
                                                   int selectionEnd) const
{
    return ColourValue::find(text, selectionStart, selectionEnd);
}

QString ColourHelper::editingText(const QString &name, int line) const
{
    if (name.isEmpty())
        return QStringLiteral("Editing the colour on line %1").arg(line);
    return QStringLiteral("Editing %1= on line %2").arg(name).arg(line);
}

bool ColourHelper::readTag(const FoundTag &piece)
{
    const std::optional<ColourFields> f = ColourValue::read(piece);
    if (!f)
        return false;
    m_piece = piece;
    {
        const QSignalBlocker block(m_useNames);
        m_useNames->setChecked(f->useNames);
    }
    if (f->target)
        targetButton(*f->target)->setChecked(true);
    setColour(f->rgb);
    return true;
}

void ColourHelper::saveOwnSettings()
{
    settings().write(Keys::ClNames, m_useNames->isChecked());
}
