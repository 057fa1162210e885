#include "helpers/document/documenthelper.h"

#include "base/settingsfile.h"
#include "colours/colourpicker.h"
#include "colours/namedcolours.h"
#include "helpers/frame/codesample.h"
#include "helpers/frame/filebrowser.h"
#include "helpers/frame/pathmodebox.h"
#include "helpers/frame/picturepreview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const char *const RowLabels[] = {"B a c k", "T e x t", "L i n k", "A L i n k", "V L i n k"};
const char *const RowNames[] = {"back", "text", "link", "alink", "vlink"};
const char *const PreviewTexts[] = {"Regular Text", "Regular Link", "Active Link", "Visited Link"};
// The preview's label colours while their boxes are off.
constexpr std::uint32_t DefaultLabelColours[] = {0x000000, 0x0000FF, 0xFFFFFF, 0xFF0000};

QIcon paletteIcon()
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    const QColor cells[] = {Qt::red,  Qt::yellow,  Qt::green, Qt::cyan,
                            Qt::blue, Qt::magenta, Qt::white, Qt::black};
    for (int i = 0; i < 8; ++i)
        p.fillRect((i % 4) * 4, (i / 4) * 8, 4, 8, cells[i]);
    p.setPen(Qt::darkGray);
    p.drawRect(0, 0, 15, 15);
    return QIcon(pm);
}

} // namespace

BodyPreview::BodyPreview(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("bkpan"));
    for (int i = 0; i < 4; ++i) {
        m_labels[std::size_t(i)] = new QLabel(QLatin1String(PreviewTexts[i]), this);
        m_labels[std::size_t(i)]->setAttribute(Qt::WA_TransparentForMouseEvents);
        if (i > 0) {
            QFont f = m_labels[std::size_t(i)]->font();
            f.setUnderline(true);
            m_labels[std::size_t(i)]->setFont(f);
        }
    }
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("note"));
    m_note->setStyleSheet(
        QStringLiteral("QLabel { color: #800000; background: #FFFFE0; padding: 2px; }"));
    m_note->hide();
    setMinimumSize(120, 90);
}

void BodyPreview::setBackColour(const QColor &colour)
{
    m_back = colour;
    update();
}

void BodyPreview::setNote(const QString &note)
{
    m_note->setText(note);
    m_note->setVisible(!note.isEmpty());
    m_note->adjustSize();
    m_note->move(3, height() - m_note->height() - 3);
}

void BodyPreview::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), m_back.isValid() ? m_back : palette().color(QPalette::Button));
    if (!m_tile.isNull())
        p.drawTiledPixmap(rect(), m_tile);
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void BodyPreview::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Centred, the first label two label heights above the middle, each next one below.
    int y = height() / 2;
    const int h = m_labels[0]->sizeHint().height();
    y -= 2 * h;
    for (QLabel *label : m_labels) {
        label->adjustSize();
        label->move((width() - label->width()) / 2, y);
        y += h;
    }
    m_note->move(3, height() - m_note->height() - 3);
}

void BodyPreview::mouseDoubleClickEvent(QMouseEvent *event)
{
    QWidget::mouseDoubleClickEvent(event);
    Q_EMIT doubleClicked();
}

DocumentHelper::DocumentHelper(const PanelRow &row, PanelHost &host, QWidget *mainFrame)
    : HelperPanel(row, host, mainFrame)
{
    m_picker = new ColourPicker(this);
    m_browser = new FileBrowser(body());
    m_browser->setNameFilters(pictureMasks());
    m_pathlist = new PathModeBox(PathModeBox::Wording::Short, body());
    auto *pathLabel = new QLabel(QStringLiteral("Path:"), body());
    pathLabel->setBuddy(m_pathlist);

    m_left = new QWidget(body());
    auto *left = new QVBoxLayout(m_left);
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(3);
    left->addWidget(m_browser, 1);
    left->addWidget(pathLabel);
    left->addWidget(m_pathlist);

    m_preview = new BodyPreview(body());
    m_useNames = new QCheckBox(QStringLiteral("use names"), body());
    m_useNames->setObjectName(QStringLiteral("chkUseNames"));
    m_useImage = new QCheckBox(QStringLiteral("use image"), body());
    m_useImage->setObjectName(QStringLiteral("CheckBox1"));
    m_colours = colourArea();

    auto *right = new QVBoxLayout;
    right->setSpacing(4);
    right->addWidget(m_preview, 1);
    right->addWidget(m_colours);

    auto *top = new QHBoxLayout;
    top->setSpacing(4);
    top->addWidget(m_left, 4);
    top->addLayout(right, 5);

    m_sample = new CodeSample(body());
    m_sample->setText(QStringLiteral("<BODY>"));

    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(4);
    layout->addLayout(top, 1);
    layout->addWidget(m_sample);
    layout->addWidget(buttonRow());

    connect(m_browser, &FileBrowser::previewDue, this, &DocumentHelper::loadBackground);
    connect(m_browser, &FileBrowser::fileTouched, this, [this] {
        if (!m_browser->selectedFile().isEmpty())
            m_tagReference.reset();
        build();
    });
    connect(m_browser, &FileBrowser::folderChanged, this, [this] {
        if (m_browser->fileModel()->rowCount(m_browser->files()->rootIndex()) == 0)
            m_preview->setTile(QPixmap());
        build();
    });
    connect(m_pathlist, &QComboBox::activated, this, [this] {
        build();
        afterControl();
    });
    connect(m_useImage, &QCheckBox::toggled, this, [this](bool on) {
        setUseImage(on);
        afterControl();
    });
    connect(m_useNames, &QCheckBox::toggled, this, [this] {
        // Switching names on or off rewrites every colour.
        m_written.fill(QString());
        build();
        afterControl();
    });
    connect(m_preview, &BodyPreview::doubleClicked, this, &DocumentHelper::togglePreviewSize);

    enableTagAttributes();
    setDesignedSize(QSize(470, 470), QSize(332, 392));
    placeAtStart();
    // The set folder, else the page's own folder, where its pictures usually are.
    QString start = settings().read(Keys::BodyFolder);
    if (const QString page = this->host().documentPath(); start.isEmpty() && !page.isEmpty())
        start = QFileInfo(page).absolutePath();
    if (!start.isEmpty())
        m_browser->setFolder(start);
    m_useNames->setChecked(settings().read(Keys::ClNames));
    setUseImage(false);
    build();
}

QWidget *DocumentHelper::colourArea()
{
    auto *area = new QWidget(body());
    auto *grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(2);
    for (int c = 0; c < ColourCount; ++c) {
        ColourRow &r = m_rows[std::size_t(c)];
        r.check = new QCheckBox(QLatin1String(RowLabels[c]), area);
        r.check->setObjectName(QLatin1String(RowNames[c]) + QStringLiteral("check"));
        r.button = new QToolButton(area);
        r.button->setObjectName(QLatin1String(RowNames[c]) + QStringLiteral("but"));
        r.button->setFixedSize(20, 20);
        r.grid = new BasicColourGrid(area);
        r.grid->setObjectName(QLatin1String(RowNames[c]) + QStringLiteral("grid"));
        r.palette = new QToolButton(area);
        r.palette->setObjectName(QStringLiteral("Image%1").arg(c + 1));
        r.palette->setIcon(paletteIcon());
        r.palette->setToolTip(QStringLiteral("More colours"));
        r.palette->setAutoRaise(true);
        r.palette->setFixedSize(20, 20);
        grid->addWidget(r.check, c, 0);
        grid->addWidget(r.button, c, 1);
        grid->addWidget(r.grid, c, 2);
        grid->addWidget(r.palette, c, 3);
        const auto colour = Colour(c);
        connect(r.check, &QCheckBox::toggled, this, [this] {
            build();
            afterControl();
        });
        connect(r.button, &QToolButton::clicked, this, [this, colour] {
            m_rows[colour].check->setChecked(true);
            build();
            afterControl();
        });
        connect(r.grid, &BasicColourGrid::chosen, this, [this, colour](std::uint32_t rgb) {
            m_written[colour].clear();
            setColour(colour, rgb);
            afterControl();
        });
        connect(r.palette, &QToolButton::pressed, this, [this, colour] {
            m_rows[colour].palette->setDown(false);
            m_picker->popup(
                QCursor::pos(),
                [this, colour](std::uint32_t rgb) {
                    m_written[colour].clear();
                    setColour(colour, rgb);
                },
                QColor::fromRgb(m_rows[colour].rgb));
        });
        setColour(colour, 0xFFFFFF);
        r.check->setChecked(false);
    }
    auto *checks = new QHBoxLayout;
    checks->addWidget(m_useNames);
    checks->addWidget(m_useImage);
    checks->addStretch(1);
    grid->addLayout(checks, ColourCount, 0, 1, 4);
    grid->setColumnStretch(4, 1);
    return area;
}

void DocumentHelper::showEvent(QShowEvent *event)
{
    HelperPanel::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        if (settings().read(Keys::DocuPreview) == QLatin1String("sure"))
            m_useImage->setChecked(true);
        m_browser->shareHeight();
    }
}

void DocumentHelper::setColour(Colour c, std::uint32_t rgb)
{
    ColourRow &r = m_rows[std::size_t(c)];
    r.rgb = rgb & 0xFFFFFFu;
    r.button->setStyleSheet(QStringLiteral("QToolButton { background: %1; border: 1px solid "
                                           "#808080; }")
                                .arg(NamedColours::hexText(r.rgb)));
    r.button->setToolTip(NamedColours::colourText(r.rgb, true));
    const QSignalBlocker block(r.check);
    r.check->setChecked(true);
    build();
}

QString DocumentHelper::reference(bool displayed) const
{
    if (!m_useImage->isChecked())
        return {};
    const QString file = m_browser->selectedFile();
    if (file.isEmpty())
        return m_tagReference.value_or(QString());
    const PathReference r = PathRule::reference(file, host().documentPath(), m_pathlist->mode());
    return displayed ? r.displayed : r.inserted;
}

BodyFields DocumentHelper::fields(bool displayed) const
{
    BodyFields f;
    f.background = reference(displayed);
    std::optional<std::uint32_t> *parts[] = {&f.back, &f.text, &f.link, &f.alink, &f.vlink};
    for (int c = 0; c < ColourCount; ++c)
        if (m_rows[std::size_t(c)].check->isChecked())
            *parts[c] = m_rows[std::size_t(c)].rgb;
    f.useNames = m_useNames->isChecked();
    f.others = withTagAttributes(m_others);
    for (int c = 0; c < ColourCount; ++c)
        f.written[std::size_t(c)] = m_written[std::size_t(c)];
    return f;
}

QString DocumentHelper::sampleText() const
{
    return m_sample->text();
}

void DocumentHelper::build()
{
    // The colour rows set their colours while the panel is still being made.
    if (!m_sample)
        return;
    m_sample->setText(DocumentCode::build(fields(true)));
    m_output = DocumentCode::build(fields(false));
    m_preview->setBackColour(m_rows[Back].check->isChecked() ? QColor::fromRgb(m_rows[Back].rgb)
                                                             : QColor());
    for (int i = 0; i < 4; ++i) {
        const ColourRow &r = m_rows[std::size_t(i + 1)];
        const QColor c = QColor::fromRgb(r.check->isChecked() ? r.rgb : DefaultLabelColours[i]);
        m_preview->label(i)->setStyleSheet(QStringLiteral("QLabel { color: %1; }").arg(c.name()));
    }
}

QString DocumentHelper::buildCode()
{
    build();
    return m_output;
}

void DocumentHelper::loadBackground()
{
    m_browser->cancelPendingPreview();
    m_preview->setTile(QPixmap());
    m_preview->setNote(QString());
    const QString file = m_browser->selectedFile();
    if (m_useImage->isChecked() && !file.isEmpty() && QFileInfo::exists(file)) {
        QImageReader reader(file);
        reader.setDecideFormatFromContent(true);
        const QImage image = reader.read();
        if (image.isNull())
            m_preview->setNote(QStringLiteral("%1 cannot be read: %2")
                                   .arg(QFileInfo(file).fileName(), reader.errorString()));
        else
            m_preview->setTile(QPixmap::fromImage(image));
    }
    build();
}

void DocumentHelper::setUseImage(bool on)
{
    if (m_useImage->isChecked() != on) {
        m_useImage->setChecked(on);
        return;
    }
    m_browser->setEnabled(on);
    m_pathlist->setEnabled(on);
    if (on)
        loadBackground();
    else {
        m_preview->setTile(QPixmap());
        m_preview->setNote(QString());
    }
    build();
}

void DocumentHelper::togglePreviewSize()
{
    const bool filling = m_left->isHidden();
    m_left->setVisible(filling);
    m_colours->setVisible(filling);
}

bool DocumentHelper::readTag(const FoundTag &tag)
{
    const std::optional<BodyFields> f = DocumentCode::read(tag);
    if (!f)
        return false;
    m_tagReference.reset();
    m_others = f->others;
    std::optional<std::uint32_t> BodyFields::*parts[] = {&BodyFields::back, &BodyFields::text,
                                                         &BodyFields::link, &BodyFields::alink,
                                                         &BodyFields::vlink};
    bool anyColour = false;
    for (int c = 0; c < ColourCount; ++c) {
        const std::optional<std::uint32_t> &v = (*f).*parts[c];
        ColourRow &r = m_rows[std::size_t(c)];
        if (v) {
            anyColour = true;
            setColour(Colour(c), *v);
        } else {
            const QSignalBlocker block(r.check);
            r.check->setChecked(false);
        }
    }
    if (anyColour) {
        const QSignalBlocker block(m_useNames);
        m_useNames->setChecked(f->useNames);
    }
    for (int c = 0; c < ColourCount; ++c)
        m_written[std::size_t(c)] = f->written[std::size_t(c)];
    if (!f->background.isEmpty()) {
        PathMode mode = PathMode::Relative;
        const QString file = PathRule::resolve(f->background, host().documentPath(), &mode);
        {
            const QSignalBlocker block(m_useImage);
            m_useImage->setChecked(true);
        }
        m_browser->setEnabled(true);
        m_pathlist->setEnabled(true);
        if (!file.isEmpty() && m_browser->selectFile(file)) {
            m_pathlist->setMode(mode == PathMode::Absolute ? mode : PathMode::Relative);
        } else {
            m_browser->files()->clearSelection();
            m_browser->files()->setCurrentIndex(QModelIndex());
            m_tagReference = f->background;
        }
        loadBackground();
    } else {
        const QSignalBlocker block(m_useImage);
        m_useImage->setChecked(false);
        m_browser->setEnabled(false);
        m_pathlist->setEnabled(false);
        m_preview->setTile(QPixmap());
    }
    build();
    return true;
}

void DocumentHelper::forgetTag()
{
    m_written.fill(QString());
    m_tagReference.reset();
    m_others.clear();
}

void DocumentHelper::saveOwnSettings()
{
    settings().write(Keys::ClNames, m_useNames->isChecked());
    settings().write(Keys::DocuPreview,
                     m_useImage->isChecked() ? QStringLiteral("sure") : QString());
}
