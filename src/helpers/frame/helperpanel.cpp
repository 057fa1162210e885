#include "helpers/frame/helperpanel.h"

#include "base/settingsfile.h"
#include "documents/documentregistry.h"
#include "documents/documentwindow.h"
#include "editor/texteditor.h"
#include "help/helplauncher.h"
#include "helpers/frame/captionbar.h"
#include "helpers/frame/tagattributefields.h"
#include "helpers/frame/tagreading.h"
#include "markup/tagcontroller.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QShortcut>
#include <QSizeGrip>
#include <QVBoxLayout>

namespace {

// A label that gives way to the buttons beside it: a text too long for its room is shown
// cut with "…", and in full in its tooltip.
class ElidedLabel : public QLabel
{
public:
    using QLabel::QLabel;
    QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QRect room = contentsRect();
        painter.drawText(room, int(alignment()),
                         fontMetrics().elidedText(text(), Qt::ElideRight, room.width()));
    }
};

} // namespace

TextEditor *PanelHost::activeEditor() const
{
    return documents.activeEditor();
}

QString PanelHost::documentPath() const
{
    // An Untitled document has no file yet.
    const DocumentWindow *doc = documents.active();
    return doc ? doc->document().path() : QString();
}

void PanelHost::returnFocus() const
{
    documents.returnFocus();
}

void PanelHost::showHelp(int topic) const
{
    help.show(topic);
}

HelperPanel::HelperPanel(const PanelRow &row, PanelHost &host, QWidget *mainFrame)
    : QWidget(mainFrame, Qt::Tool | Qt::FramelessWindowHint), m_row(row), m_host(host)
{
    setObjectName(QLatin1String(row.objectName));
    setWindowTitle(QLatin1String(row.caption));
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto *frameLayout = new QVBoxLayout(this);
    frameLayout->setContentsMargins(1, 1, 1, 1);
    frameLayout->setSpacing(0);
    m_caption = new CaptionBar(QLatin1String(row.caption), this);
    m_body = new QWidget(this);
    frameLayout->addWidget(m_caption);
    frameLayout->addWidget(m_body, 1);
    connect(m_caption, &CaptionBar::rollClicked, this, &HelperPanel::roll);
    connect(m_caption, &CaptionBar::closeClicked, this, &HelperPanel::closePanel);
    const auto showHelp = [this] { m_host.showHelp(m_row.helpTopic); };
    connect(m_caption, &CaptionBar::helpClicked, this, showHelp);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this, showHelp);

    m_buttons = new QWidget(m_body);
    auto *below = new QVBoxLayout(m_buttons);
    below->setContentsMargins(0, 0, 0, 0);
    below->setSpacing(3);
    m_attributes = new TagAttributeFields(m_buttons);
    m_attributes->hide();
    connect(m_attributes, &TagAttributeFields::edited, this, [this] { buildCode(); });
    below->addWidget(m_attributes);
    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    below->addLayout(buttons);
    m_read = new QPushButton(QStringLiteral("Read tag"), m_buttons);
    m_read->setObjectName(QStringLiteral("readtag"));
    m_read->setToolTip(QStringLiteral("Fill the fields from the tag the caret stands in"));
    m_editing = new ElidedLabel(m_buttons);
    m_editing->setObjectName(QStringLiteral("editinglabel"));
    m_editing->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_insert = new QPushButton(QStringLiteral("Insert Code"), m_buttons);
    m_insert->setObjectName(QStringLiteral("insertcode"));
    m_insert->setDefault(true);
    m_closeButton = new QPushButton(QStringLiteral("Close"), m_buttons);
    m_closeButton->setObjectName(QStringLiteral("closebut"));
    buttons->addWidget(m_read);
    buttons->addWidget(m_editing, 1);
    buttons->addWidget(m_insert);
    buttons->addWidget(m_closeButton);
    connect(m_read, &QPushButton::clicked, this, [this] {
        readTagUnderCaret();
        afterControl();
    });
    connect(m_insert, &QPushButton::clicked, this, &HelperPanel::InsertCodeClick);
    connect(m_closeButton, &QPushButton::clicked, this, &HelperPanel::closePanel);

    // The palette of a caption-less window: a thin dark line keeps it apart from the page.
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral("HelperPanel, %1 { border: 1px solid #404040; }")
                      .arg(QLatin1String(row.objectName)));
}

HelperPanel::~HelperPanel()
{
    if (!m_closing)
        Q_EMIT closed();
}

SettingsFile &HelperPanel::settings() const
{
    return m_host.settings;
}

void HelperPanel::setDesignedSize(QSize size, QSize minimum)
{
    m_minimum = minimum;
    if (isResizable()) {
        setMinimumSize(minimum);
        resize(size.expandedTo(minimum));
        if (!m_grip) {
            m_grip = new QSizeGrip(this);
            m_grip->setObjectName(QStringLiteral("sizegrip"));
            // Made without a layout it keeps a widget's default size, and would lie over the
            // buttons: only the corner is the grip's.
            m_grip->resize(m_grip->sizeHint());
            // The button row keeps clear of it.
            m_buttons->layout()->setContentsMargins(0, 0, m_grip->width(), 0);
        }
    } else {
        setFixedSize(size);
    }
}

void HelperPanel::placeAtStart()
{
    m_fullHeight = height();
    const QWidget *frame = parentWidget();
    const QRect main = frame ? frame->frameGeometry() : QRect(0, 0, 800, 600);
    const QString remember = settings().read(Keys::RestoreHelpers);
    int top = 0, left = 0;
    if (!remember.isEmpty()) {
        top = settings().read(m_row.top);
        left = settings().read(m_row.left);
        if (isResizable()) {
            const int w = settings().read(*m_row.width);
            const int h = settings().read(*m_row.height);
            if (w > 0)
                resize(std::max(w, minimumWidth()), height());
            if (h > 0)
                resize(width(), std::max(h, minimumHeight()));
            m_fullHeight = height();
        }
    }
    if (top == 0)
        top = main.top() + m_row.defaultTop;
    if (left == 0)
        left = main.left() + main.width() - width() - 25;
    // A place kept from a screen that has gone would leave the panel out of reach.
    const QRect wanted(left, top, width(), m_caption->sizeHint().height());
    bool onScreen = false;
    for (const QScreen *s : QGuiApplication::screens())
        onScreen = onScreen || s->availableGeometry().intersects(wanted);
    if (!onScreen && !QGuiApplication::screens().isEmpty()) {
        top = main.top() + m_row.defaultTop;
        left = main.left() + main.width() - width() - 25;
    }
    move(left, top);
}

void HelperPanel::roll()
{
    const QScopedValueRollback<bool> rolling(m_inRoll, true);
    const int captionHeight = m_caption->sizeHint().height() + 2;
    if (!m_rolled) {
        m_rolled = true;
        m_rolledWidth = width();
        m_caption->setRollKind(CaptionBar::RollKind::RollDown);
        m_body->hide();
        if (m_grip)
            m_grip->hide();
        setMinimumSize(0, 0);
        setFixedHeight(captionHeight);
    } else {
        m_rolled = false;
        m_caption->setRollKind(CaptionBar::RollKind::RollUp);
        m_body->show();
        if (m_grip)
            m_grip->show();
        if (isResizable()) {
            // Full height first: a minimum set before would pass through a height of its
            // own, which would count as a user's.
            setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            resize(m_rolledWidth, m_fullHeight);
            setMinimumSize(m_minimum);
        } else {
            setFixedHeight(m_fullHeight);
        }
    }
    afterControl();
}

void HelperPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_grip)
        m_grip->move(width() - m_grip->width() - 1, height() - m_grip->height() - 1);
    // Resizes of the roll itself may arrive late; only a height the unrolled panel can have
    // is a user's.
    if (m_rolled || m_inRoll || height() < m_minimum.height())
        return;
    m_fullHeight = height();
    relayout();
}

void HelperPanel::closePanel()
{
    if (m_closing)
        return;
    m_closing = true;
    {
        SettingsFile::Batch batch(settings());
        const QPoint at = pos();
        settings().write(m_row.top, at.y());
        settings().write(m_row.left, at.x());
        if (isResizable()) {
            settings().write(*m_row.width, width());
            // A rolled panel keeps the height it opens with again.
            settings().write(*m_row.height, m_rolled ? m_fullHeight : height());
        }
        saveOwnSettings();
    }
    hide();
    Q_EMIT closed();
    deleteLater();
}

void HelperPanel::closeEvent(QCloseEvent *event)
{
    // The window manager's close runs the close steps too.
    event->ignore();
    closePanel();
}

void HelperPanel::afterControl()
{
    m_host.returnFocus();
}

void HelperPanel::enableTagAttributes()
{
    m_attributes->show();
}

QList<TagAttribute> HelperPanel::withTagAttributes(const QList<TagAttribute> &others) const
{
    return m_attributes->isHidden() ? others : m_attributes->merged(others);
}

void HelperPanel::finishTyping()
{
    QWidget *focused = QApplication::focusWidget();
    if (focused && isAncestorOf(focused))
        focused->clearFocus();
}

std::optional<FoundTag> HelperPanel::currentTag() const
{
    TextEditor *doc = m_host.activeEditor();
    if (!doc)
        return std::nullopt;
    return pieceAtCaret(doc->text(), doc->selectionStart(), doc->selectionEnd());
}

std::optional<FoundTag> HelperPanel::pieceAtCaret(const QString &text, int selectionStart,
                                                  int selectionEnd) const
{
    // A caret stands in one start tag at most.
    for (const QString &name : tagNames())
        if (!name.isEmpty())
            if (auto tag = TagReading::tagAround(text, selectionStart, selectionEnd, name))
                return tag;
    return std::nullopt;
}

QString HelperPanel::editingText(const QString &name, int line) const
{
    return QStringLiteral("Editing the %1 tag on line %2").arg(name.toUpper()).arg(line);
}

bool HelperPanel::readTagUnderCaret()
{
    const std::optional<FoundTag> tag = currentTag();
    if (!tag || !readTag(*tag)) {
        m_editedTag.reset();
        showEditing();
        return false;
    }
    if (!m_attributes->isHidden()) {
        m_attributes->read(*tag);
        buildCode();
    }
    TextEditor *doc = m_host.activeEditor();
    m_editedTag = EditedTag{tag->start, doc->textRange(tag->start, tag->end), tag->name};
    showEditing();
    return true;
}

void HelperPanel::showEditing()
{
    if (!m_editedTag) {
        m_editing->clear();
        m_editing->setToolTip(QString());
        return;
    }
    TextEditor *doc = m_host.activeEditor();
    const int line = doc ? doc->lineOfOffset(m_editedTag->start) + 1 : 0;
    m_editing->setText(editingText(m_editedTag->name, line));
    m_editing->setToolTip(m_editing->text());
}

void HelperPanel::InsertCodeClick()
{
    if (m_editedTag && !editedTagInPlace()) {
        m_editedTag.reset();
        forgetTag();
        m_attributes->clear();
        showEditing();
    }
    applyCode();
    afterControl();
}

bool HelperPanel::editedTagInPlace() const
{
    TextEditor *doc = m_host.activeEditor();
    if (!doc || !m_editedTag)
        return false;
    const int start = m_editedTag->start;
    const int end = start + int(m_editedTag->text.size());
    return doc->textRange(start, end) == m_editedTag->text && doc->selectionStart() > start &&
           doc->selectionEnd() <= end;
}

void HelperPanel::applyParts(const QString &start, const QString &end, const QString &editedTag)
{
    if (!m_host.activeEditor())
        return;
    if (isEditingTag() && !editedTag.isEmpty())
        insertCode(editedTag);
    else if (end.isEmpty())
        m_host.tags.listcode2(start);
    else
        m_host.tags.wraptag(start, end);
}

void HelperPanel::insertCode(const QString &code)
{
    TextEditor *doc = m_host.activeEditor();
    if (!doc || code.isEmpty())
        return;
    if (m_editedTag && editedTagInPlace()) {
        const int start = m_editedTag->start;
        const int end =
            m_host.tags.replaceRange(start, start + int(m_editedTag->text.size()), code);
        m_editedTag = EditedTag{start, doc->textRange(start, end), m_editedTag->name};
        showEditing();
        return;
    }
    if (m_editedTag) {
        m_editedTag.reset();
        forgetTag();
        m_attributes->clear();
        showEditing();
    }
    if (!keepsSelection())
        doc->setCaret(doc->selectionStart());
    m_host.tags.listcode2(code);
}
