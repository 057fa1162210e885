#include "toolbar/speedbar.h"

#include "base/ownfiles.h"
#include "base/settingsfile.h"
#include "commands/commandactions.h"
#include "commands/commandicons.h"
#include "commands/commandids.h"
#include "commands/commandtable.h"
#include "documents/documentregistry.h"
#include "documents/documentwindow.h"
#include "toolbar/customizedialog.h"
#include "toolbar/speeditems.h"
#include "widgets/deferredicons.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QDrag>
#include <QDragEnterEvent>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyleOption>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int IconSide = 21;
const char *const SaveItem = "SpeedItem26";
const char *const LiveSpellItem = "SpeedItem151";

const char *const RowCommands[] = {Cmd::ShowOneRow1Click, Cmd::ShowTwoRows1Click,
                                   Cmd::ShowThreeRows1Click, Cmd::ShowFourRows1Click,
                                   Cmd::ShowFiveRows1Click};

QPoint cellAt(const QPoint &p)
{
    return {SpeedLayout::snap(p.x()), SpeedLayout::snap(p.y())};
}

} // namespace

SpeedButton::SpeedButton(const SpeedItemRow &row, QWidget *parent) : QToolButton(parent), m_row(row)
{
    setObjectName(speedItemName(row.number));
    setFixedSize(SpeedLayout::ButtonSize, SpeedLayout::ButtonSize);
    setIconSize(QSize(IconSide, IconSide));
    m_hint = QString::fromUtf8(row.caption);
    showTip();
    setFocusPolicy(Qt::NoFocus);
}

void SpeedButton::setHint(const QString &hint)
{
    m_hint = hint;
    showTip();
}

void SpeedButton::setKeys(const QString &keys)
{
    m_keys = keys;
    showTip();
}

void SpeedButton::showTip()
{
    setToolTip(m_keys.isEmpty() ? m_hint : QStringLiteral("%1 (%2)").arg(m_hint, m_keys));
}

void SpeedButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        event->accept();
        if (!m_draggable)
            Q_EMIT rightPressed();
        return;
    }
    if (m_draggable && event->button() == Qt::LeftButton) {
        m_pressAt = event->position().toPoint();
        m_pressed = true;
        event->accept();
        return;
    }
    QToolButton::mousePressEvent(event);
}

void SpeedButton::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_draggable || !m_pressed) {
        QToolButton::mouseMoveEvent(event);
        return;
    }
    if ((event->position().toPoint() - m_pressAt).manhattanLength() <
        QApplication::startDragDistance())
        return;
    m_pressed = false;
    auto *drag = new QDrag(this);
    auto *data = new QMimeData;
    data->setData(QLatin1String(SpeedBar::MimeType), objectName().toLatin1());
    drag->setMimeData(data);
    drag->setPixmap(icon().pixmap(iconSize(), devicePixelRatioF()));
    drag->setHotSpot(m_pressAt);
    if (drag->exec(Qt::MoveAction) == Qt::IgnoreAction)
        Q_EMIT draggedOff();
}

void SpeedButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_draggable) {
        m_pressed = false;
        event->accept();
        return;
    }
    QToolButton::mouseReleaseEvent(event);
}

SpeedBar::SpeedBar(SettingsFile &settings, CommandActions &commands, QString homePath,
                   QWidget *parent)
    : QWidget(parent), m_settings(settings), m_commands(commands), m_home(std::move(homePath))
{
    setObjectName(QStringLiteral("thepanel"));
    connect(&m_settings, &SettingsFile::applied, this,
            [this] { setFlat(!m_settings.read(Keys::Flat).isEmpty()); });
    setAcceptDrops(true);
    setAutoFillBackground(true);
    setFixedHeight(SpeedLayout::heightForRows(1));
    connect(&m_commands, &CommandActions::keysChanged, this, &SpeedBar::showKeys);
    buildPopup();
    // The designed layout, until a stored one is restored.
    apply(SpeedLayout::defaults());
    setFlat(!m_settings.read(Keys::Flat).isEmpty());
}

SpeedBar::~SpeedBar()
{
    delete m_dialog;
}

void SpeedBar::showKeys()
{
    for (SpeedButton *b : std::as_const(m_buttons))
        b->setKeys(m_commands.keysShown(QString::fromLatin1(b->row().command)));
}

void SpeedBar::buildPopup()
{
    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("popuptoolbar"));
    for (const char *id : RowCommands)
        m_popup->addAction(m_commands.action(QLatin1String(id)));
    m_popup->addSeparator();
    // The customise command's own caption is the menu's "Too&lbar...".
    QAction *customize = m_popup->addAction(QStringLiteral("Customize Toolbar"));
    customize->setObjectName(QStringLiteral("Customize1Click_entry"));
    connect(customize, &QAction::triggered, m_commands.action(Cmd::Customize1Click),
            &QAction::trigger);
    m_popup->addAction(m_commands.action(Cmd::ToolbarHelp1Click));
}

void SpeedBar::registerHandlers()
{
    for (int n = 0; n < SpeedLayout::MaxRows; ++n)
        m_commands.setHandler(QLatin1String(RowCommands[n]), [this, n] { setRows(n + 1); });
    m_commands.setHandler(Cmd::popuptoolbar, [this] { m_popup->popup(QCursor::pos()); });
    m_commands.setHandler(Cmd::Customize1Click, [this] { customize(); });
}

int SpeedBar::pixelsPerInch() const
{
    const QScreen *s = screen();
    return s ? qRound(s->logicalDotsPerInch()) : 96;
}

void SpeedBar::apply(const SpeedLayout &layout)
{
    setFixedHeight(layout.height);
    for (SpeedButton *b : std::as_const(m_buttons))
        b->hide();
    for (const SpeedPlacement &p : layout.buttons) {
        SpeedButton *b = button(p.item);
        if (!b)
            continue;
        b->move(p.left.value_or(b->x()), p.top.value_or(b->y()));
        b->show();
    }
}

void SpeedBar::restoreLayout()
{
    const SpeedLayout::Stored stored = SpeedLayout::read(m_settings, pixelsPerInch());
    if (stored.height)
        setFixedHeight(*stored.height);
    if (!stored.buttons)
        return;
    SpeedLayout layout;
    layout.height = height();
    layout.buttons = *stored.buttons;
    apply(layout);
}

SpeedLayout SpeedBar::layout() const
{
    QList<SpeedButton *> shown;
    for (SpeedButton *b : m_buttons) {
        if (!b->isHidden())
            shown.append(b);
    }
    std::sort(shown.begin(), shown.end(), [](const SpeedButton *a, const SpeedButton *b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    SpeedLayout layout;
    layout.height = height();
    for (const SpeedButton *b : shown)
        layout.buttons.append({b->objectName(), b->x(), b->y()});
    return layout;
}

void SpeedBar::saveLayout()
{
    layout().write(m_settings, pixelsPerInch());
}

void SpeedBar::defaultbuttons()
{
    SpeedLayout::writeDefaults(m_settings);
    // Shown at once whatever the screen: the stored pixels per inch only guard a restore.
    SpeedLayout layout = SpeedLayout::defaults();
    apply(layout);
    for (const SpeedPlacement &p : layout.buttons) {
        if (SpeedButton *b = button(p.item); b && b->icon().isNull())
            b->setIcon(picture(p.item));
    }
}

void SpeedBar::setRows(int rows)
{
    const int h = SpeedLayout::heightForRows(std::clamp(rows, 1, SpeedLayout::MaxRows));
    setFixedHeight(h);
    m_settings.write(Keys::BarWidth, h);
}

int SpeedBar::rows() const
{
    return SpeedLayout::rowsForHeight(height());
}

QString SpeedBar::customPicturePath(int n) const
{
    return m_home + QStringLiteral("/custbmp/cust%1.bmp").arg(n);
}

void SpeedBar::writeBuiltInCustomPictures() const
{
    OwnFiles::makeFolder(m_home + QStringLiteral("/custbmp"));
    for (int n = 1; n <= 5; ++n) {
        const QString path = customPicturePath(n);
        if (QFile::exists(path))
            continue;
        QImage image(48, 48, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        CommandIcons::label(QString::number(n), Tint::Purple).paint(&p, image.rect());
        p.end();
        image.save(path, "BMP");
    }
}

QIcon SpeedBar::picture(const QString &item) const
{
    const SpeedItemRow *row = findSpeedItem(item);
    if (!row)
        return {};
    const QAction *a = m_commands.action(QString::fromLatin1(row->command));
    const QIcon icon = a ? a->icon() : QIcon();
    if (row->number <= CustomButtonCount) {
        // Read when first drawn, so that no picture file is read before the window shows. A
        // regular file only: a pipe of that name would hold up the program. Without a picture
        // of the user's, the command's own numbered one stands in.
        return deferredIcon(
            [path = customPicturePath(row->number), icon] {
                if (QFileInfo(path).isFile())
                    if (const QPixmap own(path); !own.isNull())
                        return QIcon(own);
                return icon;
            },
            !icon.isNull());
    }
    if (item == QLatin1String(SaveItem) && m_saveModified)
        return CommandIcons::withDot(icon, QColor(0xe0, 0x6c, 0x00));
    if (item == QLatin1String(LiveSpellItem) && !m_liveSpelling)
        return CommandIcons::crossed(icon);
    return icon;
}

void SpeedBar::doButtons()
{
    // The files only stand for pictures the buttons already draw, so they wait for the event
    // loop: writing the first picture file loads every image format module Qt has.
    if (!m_picturesWritten) {
        m_picturesWritten = true;
        QTimer::singleShot(0, this, &SpeedBar::writeBuiltInCustomPictures);
    }
    for (SpeedButton *b : std::as_const(m_buttons)) {
        const bool wanted = m_full || !b->isHidden();
        b->setIcon(wanted ? picture(b->objectName()) : QIcon());
        if (b->row().number <= CustomButtonCount)
            b->setHint(customHint(b->row().number));
    }
    m_full = false;
}

void SpeedBar::customize()
{
    if (m_dialog) {
        m_dialog->raise();
        return;
    }
    // Every item is offered while customising, so every button is made now.
    for (const SpeedItemRow &row : speedItems())
        button(speedItemName(row.number));
    m_full = true;
    doButtons();
    for (SpeedButton *b : std::as_const(m_buttons))
        b->setDraggable(true);
    m_dialog = new CustomizeDialog(*this, window());
    connect(m_dialog, &CustomizeDialog::resetRequested, this, &SpeedBar::defaultbuttons);
    connect(m_dialog, &CustomizeDialog::helpRequested, this,
            [this] { m_commands.run(Cmd::ToolbarHelp1Click); });
    // The Help button is there only while the help command can run, like the pop-up's entry.
    if (QAction *help = m_commands.action(Cmd::ToolbarHelp1Click)) {
        CustomizeDialog *dialog = m_dialog;
        const auto followHelp = [dialog, help] {
            dialog->helpButton()->setEnabled(help->isEnabled());
        };
        followHelp();
        connect(help, &QAction::changed, dialog, followHelp);
    } else {
        m_dialog->helpButton()->setEnabled(false);
    }
    connect(m_dialog, &QDialog::finished, this, &SpeedBar::finishCustomizing);
    m_dialog->show();
}

void SpeedBar::finishCustomizing()
{
    for (SpeedButton *b : std::as_const(m_buttons))
        b->setDraggable(false);
    saveLayout();
    doButtons();
    if (m_dialog)
        m_dialog->deleteLater();
}

void SpeedBar::setFlat(bool flat)
{
    m_flat = flat;
    for (SpeedButton *b : std::as_const(m_buttons))
        b->setAutoRaise(flat);
}

void SpeedBar::setSaveModified(bool modified)
{
    m_saveModified = modified;
    if (SpeedButton *b = button(QLatin1String(SaveItem)); b && !b->icon().isNull())
        b->setIcon(picture(b->objectName()));
}

void SpeedBar::setLiveSpelling(bool on)
{
    m_liveSpelling = on;
    if (SpeedButton *b = button(QLatin1String(LiveSpellItem)); b && !b->icon().isNull())
        b->setIcon(picture(b->objectName()));
}

SpeedButton *SpeedBar::button(const QString &item) const
{
    const SpeedItemRow *row = findSpeedItem(item);
    if (!row)
        return nullptr;
    const QString name = speedItemName(row->number);
    if (SpeedButton *b = m_buttons.value(name))
        return b;
    return const_cast<SpeedBar *>(this)->makeButton(*row);
}

SpeedButton *SpeedBar::makeButton(const SpeedItemRow &row)
{
    auto *b = new SpeedButton(row, this);
    const QString id = QString::fromLatin1(row.command);
    b->hide();
    b->setAutoRaise(m_flat);
    b->setKeys(m_commands.keysShown(id));
    if (row.number <= CustomButtonCount)
        b->setHint(customHint(row.number));
    m_buttons.insert(b->objectName(), b);
    connect(b, &QToolButton::clicked, this, [this, id, b] {
        m_running = b;
        m_commands.run(id);
        m_running = nullptr;
    });
    connect(b, &SpeedButton::rightPressed, this, [this, id] { m_commands.runAlternative(id); });
    connect(b, &SpeedButton::draggedOff, this,
            [this, name = b->objectName()] { removeItem(name); });
    if (QAction *a = m_commands.action(id)) {
        b->setEnabled(a->isEnabled());
        connect(a, &QAction::changed, b, [b, a] { b->setEnabled(a->isEnabled()); });
    }
    return b;
}

QString SpeedBar::customHint(int number) const
{
    const QString n = QString::number(number);
    return m_settings.readString(QLatin1String(Sections::Custom),
                                 n + QLatin1String(Keys::CustomHintSuffix),
                                 QStringLiteral("Custom Button ") + n);
}

bool SpeedBar::hasPicture(const QString &item) const
{
    const SpeedButton *b = button(item);
    return b && !b->icon().isNull();
}

QStringList SpeedBar::shownItems() const
{
    QStringList items;
    for (const SpeedPlacement &p : layout().buttons)
        items.append(p.item);
    return items;
}

bool SpeedBar::occupied(const QPoint &cell, const SpeedButton *except) const
{
    for (const SpeedButton *b : m_buttons) {
        if (b != except && !b->isHidden() && b->pos() == cell)
            return true;
    }
    return false;
}

void SpeedBar::placeItem(const QString &item, const QPoint &at)
{
    SpeedButton *b = button(item);
    if (!b)
        return;
    QPoint cell = cellAt(at);
    cell.setY(std::min(cell.y(), SpeedLayout::snap(height() - SpeedLayout::ButtonSize)));
    // A taken cell passes the item on to the next free one, in reading order.
    const int columns = std::max(1, (width() - SpeedLayout::Offset) / SpeedLayout::ButtonSize);
    const int lastTop = SpeedLayout::snap(height() - SpeedLayout::ButtonSize);
    while (occupied(cell, b)) {
        cell.rx() += SpeedLayout::ButtonSize;
        if (cell.x() >= SpeedLayout::Offset + columns * SpeedLayout::ButtonSize) {
            cell.setX(SpeedLayout::Offset);
            cell.ry() += SpeedLayout::ButtonSize;
            if (cell.y() > lastTop)
                return; // the bar is full
        }
    }
    b->move(cell);
    if (b->icon().isNull())
        b->setIcon(picture(item));
    b->show();
}

void SpeedBar::removeItem(const QString &item)
{
    if (SpeedButton *b = button(item))
        b->hide();
}

void SpeedBar::mousePressEvent(QMouseEvent *event)
{
    Q_EMIT backgroundClicked();
    if (event->button() == Qt::RightButton)
        m_popup->popup(event->globalPosition().toPoint());
    QWidget::mousePressEvent(event);
}

void SpeedBar::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_commands.run(Cmd::Customize1Click);
    QWidget::mouseDoubleClickEvent(event);
}

void SpeedBar::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasFormat(QLatin1String(MimeType)))
        event->acceptProposedAction();
}

void SpeedBar::dragMoveEvent(QDragMoveEvent *event)
{
    if (event->mimeData()->hasFormat(QLatin1String(MimeType)))
        event->acceptProposedAction();
}

void SpeedBar::dropEvent(QDropEvent *event)
{
    const QString item = QString::fromLatin1(event->mimeData()->data(QLatin1String(MimeType)));
    if (!button(item))
        return;
    const QPoint topLeft = event->position().toPoint() -
                           QPoint(SpeedLayout::ButtonSize / 2, SpeedLayout::ButtonSize / 2);
    placeItem(item, topLeft);
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void SpeedBar::paintEvent(QPaintEvent *)
{
    // A thin line under the bar sets it off from the document area.
    QPainter p(this);
    p.setPen(palette().color(QPalette::Mid));
    p.drawLine(0, height() - 1, width(), height() - 1);
}

CustomizeDialog *SpeedBar::customizeDialog() const
{
    return m_dialog;
}

void SpeedBar::followDocuments(DocumentRegistry &documents)
{
    const auto showActive = [this, &documents] {
        DocumentWindow *doc = documents.active();
        setSaveModified(doc && doc->isModified());
        if (doc)
            setLiveSpelling(doc->liveSpelling());
    };
    connect(&documents, &DocumentRegistry::activeChanged, this, showActive);
    connect(&documents, &DocumentRegistry::modifiedChanged, this, showActive);
    connect(&documents, &DocumentRegistry::liveSpellingChanged, this, showActive);
}
