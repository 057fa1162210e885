#include "helpers/font/fonthelper.h"

#include "base/settingsfile.h"
#include "colours/colourpicker.h"
#include "helpers/frame/codesample.h"
#include "helpers/frame/colourswatch.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString NoneClear = QStringLiteral("None/Clear");

} // namespace

FontHelper::~FontHelper()
{
    finishTyping();
}

FontHelper::FontHelper(const PanelRow &row, PanelHost &host, QWidget *mainFrame)
    : HelperPanel(row, host, mainFrame)
{
    m_face = new QCheckBox(body());
    m_face->setObjectName(QStringLiteral("chkFace"));
    m_faceLabel = new QLabel(QStringLiteral("Face:"), body());
    m_faceLabel->setBuddy(m_face);
    m_faceLabel->installEventFilter(this);
    m_faces = new QLineEdit(body());
    m_faces->setObjectName(QStringLiteral("txtfonts"));
    m_fontList = new QComboBox(body());
    m_fontList->setObjectName(QStringLiteral("cbofonts"));
    m_fontList->addItem(NoneClear);
    m_fontList->addItems(FontCode::faceNames(QFontDatabase::families()));
    m_fontList->setCurrentIndex(-1);
    m_fontList->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_fontList->setMinimumContentsLength(12);
    auto *face = new QHBoxLayout;
    face->addWidget(m_face);
    face->addWidget(m_faceLabel);
    face->addWidget(m_faces, 1);
    face->addWidget(m_fontList, 1);
    // While the face fields are hidden, the label stays beside its box.
    m_faceLabel->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    face->addStretch(0);

    m_useColour = new QCheckBox(QStringLiteral("use Color"), body());
    m_useColour->setObjectName(QStringLiteral("nocolor"));
    m_colourButton = new ColourSwatch(QStringLiteral("Colorbox1"), body());
    m_basic = new BasicColourGrid(body());
    m_basic->setObjectName(QStringLiteral("ColorGrid1"));
    m_useNames = new QCheckBox(QStringLiteral("use Names"), body());
    m_useNames->setObjectName(QStringLiteral("chkUseNames"));
    auto *colour = new QHBoxLayout;
    colour->addWidget(m_useColour);
    colour->addWidget(m_colourButton);
    colour->addWidget(m_basic);
    colour->addWidget(m_useNames);
    colour->addStretch(1);

    m_sizes = new QButtonGroup(this);
    auto *sizes = new QGridLayout;
    sizes->setVerticalSpacing(0);
    for (int size = 1; size <= FontCode::LargestSize; ++size) {
        auto *b = new QRadioButton(QStringLiteral("size=%1").arg(size), body());
        b->setObjectName(QStringLiteral("size%1").arg(size));
        m_sizes->addButton(b, size);
        sizes->addWidget(b, (size - 1) / 4, (size - 1) % 4);
    }
    auto *none = new QRadioButton(QStringLiteral("no size"), body());
    none->setObjectName(QStringLiteral("nosize"));
    m_sizes->addButton(none, 0);
    sizes->addWidget(none, 1, 3);

    m_sample = new CodeSample(body());
    m_sample->setText(QStringLiteral("<FONT> </FONT>"));
    m_sample->setToolTip(QStringLiteral("Double click to wrap the selection"));
    m_sample->installEventFilter(this);

    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addLayout(face);
    layout->addLayout(colour);
    layout->addLayout(sizes);
    layout->addWidget(m_sample);
    layout->addStretch(1);
    layout->addWidget(buttonRow());

    connect(m_face, &QCheckBox::toggled, this, [this] {
        showFace();
        buildCode();
        afterControl();
    });
    connect(m_faces, &QLineEdit::textChanged, this, [this] { buildCode(); });
    connect(m_faces, &QLineEdit::returnPressed, this, [this] { buildCode(); });
    connect(m_fontList, &QComboBox::activated, this, [this](int index) {
        chooseFace(index);
        afterControl();
    });
    connect(m_basic, &BasicColourGrid::chosen, this, [this](std::uint32_t rgb) {
        setColour(rgb);
        afterControl();
    });
    connect(m_colourButton, &ColourSwatch::opening, this,
            [this] { m_useColour->setChecked(true); });
    connect(m_colourButton, &ColourSwatch::chosen, this, [this](std::uint32_t rgb) {
        setColour(rgb);
        afterControl();
    });
    for (QCheckBox *box : {m_useColour, m_useNames})
        connect(box, &QCheckBox::toggled, this, [this] {
            buildCode();
            afterControl();
        });
    connect(m_sizes, &QButtonGroup::idClicked, this, [this] {
        buildCode();
        afterControl();
    });

    // The panel's own settings.
    {
        const QSignalBlocker b1(m_useNames), b2(m_faces), b3(m_face);
        m_useNames->setChecked(settings().read(Keys::ClNames));
        const QString faced = settings().read(Keys::Faced);
        m_faces->setText(faced);
        m_face->setChecked(!faced.isEmpty());
    }
    m_colourButton->setStyleSheet(QStringLiteral("background: #FFFFFF;"));
    showFace();
    enableTagAttributes();
    setDesignedSize(QSize(330, sizeHint().height()), {});
    placeAtStart();
}

QRadioButton *FontHelper::sizeButton(int size) const
{
    return qobject_cast<QRadioButton *>(m_sizes->button(size));
}

void FontHelper::showFace()
{
    m_faces->setVisible(m_face->isChecked());
    m_fontList->setVisible(m_face->isChecked());
}

void FontHelper::chooseFace(int index)
{
    if (index == 0)
        m_faces->clear();
    else if (index > 0)
        m_faces->setText(FontCode::withFace(m_faces->text(), m_fontList->itemText(index)));
    // The list shows nothing chosen, so that the next choice is one again.
    m_fontList->setCurrentIndex(-1);
}

ColourPicker *FontHelper::picker() const
{
    return m_colourButton->picker();
}

void FontHelper::setColour(std::uint32_t rgb)
{
    m_colourButton->setColour(rgb);
    {
        const QSignalBlocker block(m_useColour);
        m_useColour->setChecked(true);
    }
    buildCode();
}

FontFields FontHelper::fields() const
{
    FontFields f;
    f.faceOn = m_face->isChecked();
    f.faces = m_faces->text();
    f.colourOn = m_useColour->isChecked();
    f.rgb = m_colourButton->colour();
    f.useNames = m_useNames->isChecked();
    f.size = std::max(0, m_sizes->checkedId());
    f.others = withTagAttributes(isEditingTag() ? m_others : QList<TagAttribute>());
    return f;
}

QString FontHelper::buildCode()
{
    const QString tag = FontCode::startTag(fields());
    m_sample->setText(tag);
    return tag;
}

void FontHelper::applyCode()
{
    const QString start = buildCode();
    applyParts(start, FontCode::endTag(), start);
}

bool FontHelper::readTag(const FoundTag &tag)
{
    const std::optional<FontFields> f = FontCode::read(tag);
    if (!f)
        return false;
    m_others = f->others;
    {
        const QSignalBlocker b1(m_face), b2(m_faces), b3(m_useColour), b4(m_useNames);
        m_face->setChecked(f->faceOn);
        if (f->faceOn)
            m_faces->setText(f->faces);
        m_useColour->setChecked(f->colourOn);
        if (f->colourOn)
            m_useNames->setChecked(f->useNames);
    }
    if (f->colourOn)
        setColour(f->rgb);
    if (f->size > 0) {
        sizeButton(f->size)->setChecked(true);
    } else {
        // No size read: no radio stays chosen.
        m_sizes->setExclusive(false);
        for (QAbstractButton *b : m_sizes->buttons())
            b->setChecked(false);
        m_sizes->setExclusive(true);
    }
    showFace();
    buildCode();
    return true;
}

void FontHelper::saveOwnSettings()
{
    settings().write(Keys::Faced, m_faces->text());
    settings().write(Keys::ClNames, m_useNames->isChecked());
}

bool FontHelper::eventFilter(QObject *watched, QEvent *event)
{
    // A double click on the sample is Insert Code.
    if (watched == m_sample && event->type() == QEvent::MouseButtonDblClick) {
        insertButton()->click();
        return true;
    }
    if ((watched == m_sample || watched == m_faceLabel) &&
        event->type() == QEvent::MouseButtonRelease)
        buildCode();
    return HelperPanel::eventFilter(watched, event);
}
