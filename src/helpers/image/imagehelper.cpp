#include "helpers/image/imagehelper.h"

#include "base/settingsfile.h"
#include "helpers/frame/codesample.h"
#include "helpers/frame/filebrowser.h"
#include "helpers/frame/numberfield.h"
#include "helpers/frame/pathmodebox.h"
#include "helpers/frame/picturepreview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

namespace {

const char *const Alignments[] = {"default", "left",      "right",    "top",    "texttop",
                                  "middle",  "absmiddle", "baseline", "bottom", "absbottom"};

} // namespace

ImageHelper::~ImageHelper()
{
    finishTyping();
}

ImageHelper::ImageHelper(const PanelRow &row, PanelHost &host, QWidget *mainFrame)
    : HelperPanel(row, host, mainFrame)
{
    m_browser = new FileBrowser(body());
    m_browser->setNameFilters(pictureMasks());
    m_pathlist = new PathModeBox(PathModeBox::Wording::Long, body());
    m_backcheck = new QCheckBox(QStringLiteral("background="), body());
    m_backcheck->setObjectName(QStringLiteral("backcheck"));

    m_left = new QWidget(body());
    auto *left = new QVBoxLayout(m_left);
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(3);
    left->addWidget(m_browser, 1);
    left->addWidget(m_pathlist);
    m_address = new QLineEdit(body());
    m_address->setObjectName(QStringLiteral("addressedit"));
    m_address->setPlaceholderText(QStringLiteral("address"));
    m_address->setToolTip(QStringLiteral("The picture's address: typed, or the file chosen"));
    m_address->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    left->addWidget(m_address);
    left->addWidget(m_backcheck);

    m_preview = new PicturePreview(body());
    m_preview->setMinimumSize(60, 60);
    m_previewCheck = new QCheckBox(QStringLiteral("preview"), body());
    m_previewCheck->setObjectName(QStringLiteral("CheckBox1"));
    m_options = optionsArea();

    auto *right = new QVBoxLayout;
    right->setSpacing(3);
    right->addWidget(m_preview, 1);
    right->addStretch(0);
    right->addWidget(m_options);

    auto *top = new QHBoxLayout;
    top->setSpacing(4);
    top->addWidget(m_left, 6);
    top->addLayout(right, 5);

    m_sample = new CodeSample(body());

    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(4);
    layout->addLayout(top, 1);
    layout->addWidget(m_sample);
    layout->addWidget(buttonRow());

    connect(m_browser, &FileBrowser::previewDue, this, &ImageHelper::loadPreview);
    connect(m_browser, &FileBrowser::fileTouched, this, &ImageHelper::fileTouched);
    connect(m_browser, &FileBrowser::folderChanged, this, [this] {
        m_preview->clear();
        build();
    });
    connect(m_browser->drives(), &QComboBox::activated, this, &ImageHelper::afterControl);
    connect(m_pathlist, &QComboBox::activated, this, [this] {
        build();
        afterControl();
    });
    connect(m_aligns, &QComboBox::activated, this, [this] {
        build();
        afterControl();
    });
    for (QCheckBox *box : {m_backcheck, m_hz, m_hsc, m_vsc, m_alts})
        connect(box, &QCheckBox::toggled, this, [this] {
            build();
            afterControl();
        });
    connect(m_border, &QSpinBox::valueChanged, this, [this] {
        // A border read from a tag and kept as written gives way to the field.
        m_others.removeIf([](const TagAttribute &a) {
            return a.name.compare(QLatin1String("border"), Qt::CaseInsensitive) == 0;
        });
        build();
    });
    connect(m_border, &QSpinBox::editingFinished, this, &ImageHelper::afterControl);
    connect(m_address, &QLineEdit::textEdited, this, [this] {
        m_addressTyped = true;
        build();
    });
    connect(m_altEdit, &QLineEdit::textEdited, this, [this] {
        // Typing an alt text asks for it.
        const QSignalBlocker block(m_alts);
        m_alts->setChecked(true);
        build();
    });
    connect(m_width, &QSpinBox::valueChanged, this, [this] { sizeTyped(true); });
    connect(m_height, &QSpinBox::valueChanged, this, [this] { sizeTyped(false); });
    connect(m_pictureSize, &QPushButton::clicked, this, [this] {
        usePictureSize();
        afterControl();
    });
    connect(m_previewCheck, &QCheckBox::toggled, this, [this](bool on) {
        setPreviewOn(on);
        afterControl();
    });
    connect(m_preview, &PicturePreview::doubleClicked, this, &ImageHelper::togglePreviewSize);

    enableTagAttributes();
    setDesignedSize(QSize(440, 460), QSize(288, 400));
    placeAtStart();
    // The panel's own settings.
    setPreviewOn(settings().read(Keys::ImagePreview) == QLatin1String("sure"));
    // The set folder, else the page's own folder, where its pictures usually are.
    QString start = settings().read(Keys::ImageFolder);
    if (const QString page = this->host().documentPath(); start.isEmpty() && !page.isEmpty())
        start = QFileInfo(page).absolutePath();
    if (!start.isEmpty())
        m_browser->setFolder(start);
    build();
}

QWidget *ImageHelper::optionsArea()
{
    auto *area = new QWidget(body());
    m_aligns = new QComboBox(area);
    // Long entries must not widen the panel past its minimum.
    m_aligns->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_aligns->setMinimumContentsLength(5);
    m_aligns->setObjectName(QStringLiteral("aligns"));
    for (const char *a : Alignments)
        m_aligns->addItem(QLatin1String(a));
    m_aligns->setPlaceholderText(QStringLiteral(" Alignment"));
    m_aligns->setCurrentIndex(-1);
    m_hz = new QCheckBox(QStringLiteral("height and width"), area);
    m_hz->setObjectName(QStringLiteral("hz"));
    m_hsc = new QCheckBox(QStringLiteral("hspace"), area);
    m_hsc->setObjectName(QStringLiteral("hsc"));
    m_vsc = new QCheckBox(QStringLiteral("vspace"), area);
    m_vsc->setObjectName(QStringLiteral("vsc"));
    m_alts = new QCheckBox(QStringLiteral("Alt text"), area);
    m_alts->setObjectName(QStringLiteral("alts"));
    m_border = new NumberField(QStringLiteral("borderedit"), 0, 0, area);
    m_width = new NumberField(QStringLiteral("widthedit"), 0, 0, area);
    m_width->setToolTip(QStringLiteral("Width in pixels"));
    m_height = new NumberField(QStringLiteral("heightedit"), 0, 0, area);
    m_height->setToolTip(QStringLiteral("Height in pixels"));
    // The number fields share the column's width, whatever their widest number would ask for.
    for (QSpinBox *spin : {m_width, m_height, m_border})
        spin->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    m_keepRatio = new QCheckBox(QStringLiteral("keep aspect ratio"), area);
    m_keepRatio->setObjectName(QStringLiteral("keepratio"));
    m_keepRatio->setChecked(true);
    m_pictureSize = new QPushButton(QStringLiteral("use the picture's size"), area);
    m_pictureSize->setObjectName(QStringLiteral("picturesize"));
    m_pictureSize->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    auto *borderLabel = new QLabel(QStringLiteral("Border"), area);
    borderLabel->setBuddy(m_border);

    auto *grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    grid->setHorizontalSpacing(3);
    grid->addWidget(m_previewCheck, 0, 0);
    grid->addWidget(m_aligns, 0, 1);
    grid->addWidget(m_hz, 1, 0, 1, 2);
    auto *size = new QHBoxLayout;
    size->setSpacing(3);
    size->addWidget(m_width, 1);
    size->addWidget(new QLabel(QStringLiteral("\u00d7"), area));
    size->addWidget(m_height, 1);
    grid->addLayout(size, 2, 0, 1, 2);
    grid->addWidget(m_keepRatio, 3, 0, 1, 2);
    grid->addWidget(m_pictureSize, 4, 0, 1, 2);
    grid->addWidget(m_hsc, 5, 0);
    grid->addWidget(m_vsc, 5, 1);
    grid->addWidget(m_alts, 6, 0);
    m_altEdit = new QLineEdit(area);
    m_altEdit->setObjectName(QStringLiteral("altedit"));
    m_altEdit->setToolTip(QStringLiteral("Alt text"));
    m_altEdit->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    grid->addWidget(m_altEdit, 7, 0, 1, 2);
    auto *border = new QHBoxLayout;
    border->setSpacing(3);
    border->addWidget(borderLabel);
    border->addWidget(m_border, 1);
    grid->addLayout(border, 6, 1);
    return area;
}

void ImageHelper::showEvent(QShowEvent *event)
{
    HelperPanel::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        m_browser->shareHeight();
    }
}

ImageFields ImageHelper::fields(bool displayed) const
{
    ImageFields f;
    const QString file = m_browser->selectedFile();
    if (m_addressTyped) {
        f.reference = m_address->text();
    } else if (!file.isEmpty()) {
        const PathReference r =
            PathRule::reference(file, host().documentPath(), m_pathlist->mode());
        f.reference = displayed ? r.displayed : r.inserted;
    } else if (m_tagReference) {
        f.reference = *m_tagReference;
    }
    if (m_width->value() > 0 && m_height->value() > 0)
        f.size = QSize(m_width->value(), m_height->value());
    f.background = m_backcheck->isChecked();
    if (m_aligns->currentIndex() >= 0)
        f.align = m_aligns->currentText();
    f.sizeAttributes = m_hz->isChecked();
    if (m_hsc->isChecked())
        f.hspace = m_hspace;
    if (m_vsc->isChecked())
        f.vspace = m_vspace;
    if (m_alts->isChecked())
        f.alt = m_altEdit->text();
    f.border = QString::number(m_border->value());
    f.others = withTagAttributes(m_others);
    return f;
}

QString ImageHelper::sampleText() const
{
    return m_sample->text();
}

void ImageHelper::setSizeFields(QSize size)
{
    const QSignalBlocker b1(m_width), b2(m_height);
    m_width->setValue(size.isValid() ? size.width() : 0);
    m_height->setValue(size.isValid() ? size.height() : 0);
    m_ratio = size.isValid() && size.height() > 0 ? double(size.width()) / size.height() : 0;
}

void ImageHelper::usePictureSize()
{
    const QString file = m_browser->selectedFile();
    m_sizeFromPicture = !file.isEmpty();
    if (m_sizeFromPicture)
        setSizeFields(pictureSize(file).value_or(QSize()));
    build();
}

void ImageHelper::sizeTyped(bool widthTyped)
{
    // A size typed is the user's: the picture no longer decides it.
    m_sizeFromPicture = false;
    if (m_keepRatio->isChecked() && m_ratio > 0) {
        if (widthTyped) {
            const QSignalBlocker block(m_height);
            m_height->setValue(std::max(1, int(std::lround(m_width->value() / m_ratio))));
        } else {
            const QSignalBlocker block(m_width);
            m_width->setValue(std::max(1, int(std::lround(m_height->value() * m_ratio))));
        }
    }
    build();
}

void ImageHelper::build()
{
    // A size that follows the picture is read from the file every time: it may have changed
    // since it was chosen.
    if (m_sizeFromPicture && !m_browser->selectedFile().isEmpty())
        setSizeFields(pictureSize(m_browser->selectedFile()).value_or(QSize()));
    if (!m_hsc->isChecked())
        m_hspace.clear();
    if (!m_vsc->isChecked())
        m_vspace.clear();
    const ImageFields shown = fields(true);
    if (!m_addressTyped && m_address->text() != shown.reference)
        m_address->setText(shown.reference);
    m_sample->setText(ImageCode::build(shown));
    m_output = ImageCode::build(fields(false));
}

QString ImageHelper::buildCode()
{
    build();
    return m_output;
}

void ImageHelper::fileTouched()
{
    if (!m_reading && !m_browser->selectedFile().isEmpty()) {
        // A picture chosen by the user gives its size and its address.
        m_tagReference.reset();
        m_addressTyped = false;
        m_sizeFromPicture = true;
    }
    build();
}

void ImageHelper::loadPreview()
{
    m_browser->cancelPendingPreview();
    const QString file = m_browser->selectedFile();
    if (m_previewCheck->isChecked()) {
        if (file.isEmpty())
            m_preview->clear();
        else
            m_preview->load(file);
    }
    build();
}

void ImageHelper::setPreviewOn(bool on)
{
    if (m_previewCheck->isChecked() != on) {
        m_previewCheck->setChecked(on);
        return;
    }
    m_preview->setVisible(on);
    if (on)
        loadPreview();
    else
        m_preview->clear();
}

void ImageHelper::togglePreviewSize()
{
    const bool filling = m_left->isHidden();
    m_left->setVisible(filling);
    m_options->setVisible(filling);
    loadPreview();
}

bool ImageHelper::readTag(const FoundTag &tag)
{
    const std::optional<ImageFields> f = ImageCode::read(tag);
    if (!f)
        return false;
    PathMode mode = PathMode::Relative;
    const QString file = PathRule::resolve(f->reference, host().documentPath(), &mode);
    m_tagReference.reset();
    // The author's size stays; the picture's only when the tag gives none.
    m_sizeFromPicture = !f->sizeAttributes;
    if (f->sizeAttributes)
        setSizeFields(f->size);
    else
        setSizeFields(QSize());
    bool selected = false;
    {
        const QScopedValueRollback<bool> reading(m_reading, true);
        selected = !file.isEmpty() && m_browser->selectFile(file);
    }
    if (selected) {
        m_pathlist->setMode(mode == PathMode::Absolute ? mode : PathMode::Relative);
    } else {
        m_browser->files()->clearSelection();
        m_browser->files()->setCurrentIndex(QModelIndex());
        m_tagReference = f->reference;
    }
    // Setting the boxes rebuilds; the values they switch are set first.
    m_hspace = f->hspace.value_or(QString());
    m_vspace = f->vspace.value_or(QString());
    m_altEdit->setText(f->alt.value_or(QString()));
    m_addressTyped = false;
    const QSignalBlocker b1(m_hsc), b2(m_vsc), b3(m_alts), b4(m_hz), b5(m_backcheck), b6(m_border);
    m_backcheck->setChecked(false);
    m_hsc->setChecked(f->hspace.has_value());
    m_vsc->setChecked(f->vspace.has_value());
    m_alts->setChecked(f->alt.has_value());
    m_hz->setChecked(f->sizeAttributes);
    m_aligns->setCurrentIndex(
        f->align.isEmpty() ? -1 : m_aligns->findText(f->align, Qt::MatchFixedString));
    if (!f->align.isEmpty() && m_aligns->currentIndex() < 0) {
        m_aligns->addItem(f->align);
        m_aligns->setCurrentIndex(m_aligns->count() - 1);
    }
    bool ok = false;
    const int border = f->border.toInt(&ok);
    m_others = f->others;
    if (ok && border >= 0 && border <= m_border->maximum()) {
        m_border->setValue(border);
    } else {
        // A border the field cannot hold stays as written.
        m_border->setValue(1);
        if (const TagAttribute *a = tag.attribute(u"border"))
            m_others.prepend(*a);
    }
    build();
    if (m_previewCheck->isChecked())
        loadPreview();
    return true;
}

void ImageHelper::forgetTag()
{
    m_tagReference.reset();
    m_addressTyped = false;
    m_others.clear();
}

void ImageHelper::saveOwnSettings()
{
    settings().write(Keys::ImagePreview,
                     m_previewCheck->isChecked() ? QStringLiteral("sure") : QString());
}
