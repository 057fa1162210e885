#include "helpers/link/linkhelper.h"

#include "base/settingsfile.h"
#include "files/filedialogstate.h"
#include "files/filenamerules.h"
#include "helpers/frame/pathmodebox.h"
#include "markup/tagcontroller.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

struct ProtocolButton
{
    LinkProtocol protocol;
    const char *objectName;
    const char *caption;
};

constexpr ProtocolButton ProtocolButtons[] = {
    {LinkProtocol::Http, "httpbut", "http://"},
    {LinkProtocol::Https, "httpsbut", "https://"},
    {LinkProtocol::Ftp, "ftpbut", "ftp://"},
    {LinkProtocol::Gopher, "gopherbut", "gopher://"},
    {LinkProtocol::News, "newsbut", "news:"},
    {LinkProtocol::Telnet, "telnetbut", "telnet://"},
    {LinkProtocol::Mailto, "mailtobut", "mailto:"},
    {LinkProtocol::None, "nonebut", "no protocol"},
    {LinkProtocol::Stylesheet, "radStyLink", "Linked Stylesheet"},
};

const QString EmptyTarget = QStringLiteral("\"\"");
// The settings file cannot hold an empty value apart from no value.
const QString NullTarget = QStringLiteral("null");

} // namespace

LinkHelper::LinkHelper(const PanelRow &row, PanelHost &host, QWidget *mainFrame,
                       FileChooser chooseFile)
    : HelperPanel(row, host, mainFrame), m_chooseFile(std::move(chooseFile))
{
    m_hrefbut = new QRadioButton(QStringLiteral("HREF"), body());
    m_hrefbut->setObjectName(QStringLiteral("hrefbut"));
    m_namebut = new QRadioButton(QStringLiteral("Name"), body());
    m_namebut->setObjectName(QStringLiteral("namebut"));
    m_hrefbut->setChecked(true);
    auto *modes = new QHBoxLayout;
    modes->addWidget(m_hrefbut);
    modes->addWidget(m_namebut);
    modes->addStretch(1);

    m_hrefpan = new QGroupBox(body());
    m_hrefpan->setObjectName(QStringLiteral("hrefpan"));
    m_protocols = new QButtonGroup(this);
    auto *grid = new QGridLayout(m_hrefpan);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setVerticalSpacing(2);
    int i = 0;
    for (const ProtocolButton &b : ProtocolButtons) {
        auto *radio = new QRadioButton(QLatin1String(b.caption), m_hrefpan);
        radio->setObjectName(QLatin1String(b.objectName));
        m_protocols->addButton(radio, int(b.protocol));
        grid->addWidget(radio, i % 5, i / 5);
        ++i;
    }
    protocolButton(LinkProtocol::None)->setChecked(true);

    m_targetcheck = new QCheckBox(QStringLiteral("target="), body());
    m_targetcheck->setObjectName(QStringLiteral("targetcheck"));
    m_cboTarget = new QComboBox(body());
    m_cboTarget->setObjectName(QStringLiteral("cboTarget"));
    m_cboTarget->setEditable(true);
    m_cboTarget->setInsertPolicy(QComboBox::NoInsert);
    m_cboTarget->addItems({EmptyTarget, QStringLiteral("_blank"), QStringLiteral("_self"),
                           QStringLiteral("_parent"), QStringLiteral("_top")});
    m_address = new QLineEdit(body());
    m_address->setObjectName(QStringLiteral("addressedit"));
    m_address->setPlaceholderText(QStringLiteral("typed here, or in the page"));
    auto *addressLabel = new QLabel(QStringLiteral("address"), body());
    addressLabel->setBuddy(m_address);
    auto *address = new QHBoxLayout;
    address->addWidget(addressLabel);
    address->addWidget(m_address, 1);
    auto *target = new QHBoxLayout;
    target->addWidget(m_targetcheck);
    target->addWidget(m_cboTarget, 1);

    m_usefilepan = new QWidget(body());
    m_usefilepan->setObjectName(QStringLiteral("usefilepan"));
    m_usefilecheck = new QCheckBox(QStringLiteral("file on disk"), m_usefilepan);
    m_usefilecheck->setObjectName(QStringLiteral("usefilecheck"));
    m_pathlist = new PathModeBox(PathModeBox::Wording::Long, m_usefilepan);
    auto *file = new QHBoxLayout(m_usefilepan);
    file->setContentsMargins(0, 0, 0, 0);
    file->addWidget(m_usefilecheck);
    file->addWidget(m_pathlist, 1);

    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addLayout(modes);
    layout->addWidget(m_hrefpan);
    layout->addLayout(address);
    layout->addLayout(target);
    layout->addWidget(m_usefilepan);
    layout->addStretch(1);
    layout->addWidget(buttonRow());

    connect(m_hrefbut, &QRadioButton::toggled, this, [this] {
        protocolUpdate();
        afterControl();
    });
    connect(m_protocols, &QButtonGroup::idClicked, this, [this] {
        protocolUpdate();
        afterControl();
    });
    connect(m_targetcheck, &QCheckBox::toggled, this, [this](bool on) {
        (protocol() == LinkProtocol::Mailto ? m_subjectOn : m_targetOn) = on;
        protocolUpdate();
        afterControl();
    });
    connect(m_cboTarget, &QComboBox::activated, this, &LinkHelper::afterControl);
    connect(m_usefilecheck, &QCheckBox::toggled, this, [this] {
        protocolUpdate();
        afterControl();
    });
    connect(m_pathlist, &QComboBox::activated, this, &LinkHelper::afterControl);

    enableTagAttributes();
    setDesignedSize(QSize(300, sizeHint().height()), {});
    placeAtStart();
    // The panel's own settings.
    {
        const QSignalBlocker block(m_usefilecheck);
        m_usefilecheck->setChecked(settings().read(Keys::LinkUseFile) == QLatin1String("sure"));
    }
    setTargetFromSettings();
    protocolUpdate();
}

QRadioButton *LinkHelper::protocolButton(LinkProtocol p) const
{
    return qobject_cast<QRadioButton *>(m_protocols->button(int(p)));
}

LinkProtocol LinkHelper::protocol() const
{
    const int id = m_protocols->checkedId();
    return id < 0 ? LinkProtocol::None : LinkProtocol(id);
}

void LinkHelper::setTargetFromSettings()
{
    const QString stored = settings().read(Keys::LinkTarget);
    m_targetOn = !stored.isEmpty();
    m_cboTarget->setEditText(stored.isEmpty() || stored == NullTarget ? EmptyTarget : stored);
}

bool LinkHelper::fileInEffect() const
{
    return m_hrefbut->isChecked() && m_usefilecheck->isChecked() &&
           LinkCode::fileApplies(protocol());
}

void LinkHelper::protocolUpdate()
{
    const bool href = m_hrefbut->isChecked();
    const LinkProtocol p = protocol();
    const bool mailto = p == LinkProtocol::Mailto;
    LinkFields shown;
    shown.protocol = p;
    shown.fromFile = fileInEffect();
    const bool targetShown = href && (mailto || LinkCode::targetApplies(shown));

    m_hrefpan->setVisible(href);
    {
        const QSignalBlocker block(m_targetcheck);
        m_targetcheck->setText(mailto ? QStringLiteral("subject=\"\"") : QStringLiteral("target="));
        m_targetcheck->setChecked(mailto ? m_subjectOn : m_targetOn);
    }
    m_targetcheck->setVisible(targetShown);
    m_cboTarget->setVisible(targetShown && !mailto && m_targetOn);
    m_usefilepan->setVisible(href && LinkCode::fileApplies(p));
    // A file is linked by its reference alone: the protocols that would go in front of it
    // cannot be chosen while it is.
    const bool fileOn = m_usefilepan->isVisibleTo(this) && m_usefilecheck->isChecked();
    for (QAbstractButton *b : m_protocols->buttons()) {
        const auto protocol = LinkProtocol(m_protocols->id(b));
        b->setEnabled(!fileOn || protocol == LinkProtocol::None ||
                      protocol == LinkProtocol::Stylesheet || protocol == p);
    }
    m_pathlist->setVisible(m_usefilecheck->isChecked());
    protocolButton(LinkProtocol::None)
        ->setText(m_usefilecheck->isChecked() ? QStringLiteral("file only")
                                              : QStringLiteral("no protocol"));
}

LinkFields LinkHelper::fields() const
{
    LinkFields f;
    f.name = m_namebut->isChecked();
    f.protocol = protocol();
    f.targetOn = f.protocol == LinkProtocol::Mailto ? m_subjectOn : m_targetOn;
    f.target = m_cboTarget->currentText();
    f.fromFile = fileInEffect();
    f.pathMode = m_pathlist->mode();
    f.address = m_address->text();
    f.others = withTagAttributes(isEditingTag() ? m_others : QList<TagAttribute>());
    return f;
}

void LinkHelper::applyCode()
{
    // Without a document there is nothing to link from or insert into.
    if (!host().activeEditor())
        return;
    LinkFields f = fields();
    if (f.fromFile) {
        QString filter = settings().read(Keys::YourFiles);
        if (FileNameRules::qtFilter(filter).isEmpty())
            filter = FileDialogState::OpenFilter;
        // Any file can be linked: all of them are shown unless a style sheet is asked for.
        filter.prepend(QStringLiteral("All files|*|"));
        if (f.protocol == LinkProtocol::Stylesheet)
            filter.prepend(QStringLiteral("Stylesheet Files|*.css|"));
        const QString file =
            m_chooseFile ? m_chooseFile(FileNameRules::qtFilter(filter)) : QString();
        if (file.isEmpty())
            return;
        f.address = PathRule::reference(file, host().documentPath(), f.pathMode).inserted;
        m_address->setText(f.address);
    }
    const LinkParts parts = LinkCode::build(f);
    // The A tag being edited gets the new start tag; its content and end tag stay.
    const bool wraps = !parts.insertOnly && !parts.end.isEmpty();
    if (parts.insertOnly || parts.tipWord.isEmpty() || (wraps && isEditingTag())) {
        applyParts(parts.start, parts.end, wraps ? parts.start : QString());
        return;
    }
    if (!host().activeEditor())
        return;
    host().tags.insertWrap().setParts(parts.start, parts.end);
    host().tags.tipper(parts.tipWord, parts.back);
}

bool LinkHelper::readTag(const FoundTag &tag)
{
    const std::optional<LinkFields> f = LinkCode::read(tag);
    if (!f)
        return false;
    m_address->setText(f->address);
    m_others = f->others;
    {
        const QSignalBlocker b1(m_hrefbut), b2(m_namebut), b3(m_usefilecheck);
        (f->name ? m_namebut : m_hrefbut)->setChecked(true);
        protocolButton(f->protocol)->setChecked(true);
        // The address of the tag is kept; a file is asked for only when wanted again.
        m_usefilecheck->setChecked(false);
    }
    if (f->protocol == LinkProtocol::Mailto) {
        m_subjectOn = false;
    } else if (!f->name) {
        m_targetOn = f->targetOn;
        if (f->targetOn)
            m_cboTarget->setEditText(f->target);
    }
    protocolUpdate();
    return true;
}

void LinkHelper::forgetTag()
{
    m_address->clear();
    m_others.clear();
}

void LinkHelper::saveOwnSettings()
{
    settings().write(Keys::LinkUseFile,
                     m_usefilecheck->isChecked() ? QStringLiteral("sure") : QString());
    QString target;
    if (m_targetOn) {
        target = m_cboTarget->currentText();
        if (target.isEmpty() || target == EmptyTarget)
            target = NullTarget;
    }
    settings().write(Keys::LinkTarget, target);
}
