#include "find/findwindows.h"

#include "base/settingsfile.h"
#include "base/settingskeys.h"
#include "find/findcontroller.h"
#include "widgets/fieldcontextmenu.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QToolButton>

#include <array>

namespace {

// What both windows hand to the find state when a search starts (`setvalues`).
void storeValues(FindState &state, const QLineEdit *find, const QLineEdit *replace,
                 std::array<const QCheckBox *, 4> options)
{
    state.savedFind = find->text();
    state.savedReplace = replace->text();
    state.wholeWord = options[0]->isChecked();
    state.matchCase = options[1]->isChecked();
    state.fromTop = options[2]->isChecked();
    state.upwards = options[3]->isChecked();
}

const QColor Teal(0x00, 0x80, 0x80);

void paintTeal(QWidget *widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Teal);
    palette.setColor(QPalette::WindowText, Qt::white);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QCheckBox *checkBox(const char *name, const QString &text, bool checked, QWidget *parent)
{
    auto *box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(checked);
    return box;
}

QPushButton *button(const char *name, const QString &text, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

QLineEdit *field(const char *name, const QString &text, QWidget *parent)
{
    auto *edit = new QLineEdit(text, parent);
    edit->setObjectName(QString::fromLatin1(name));
    FieldContextMenu::attach(edit);
    return edit;
}

} // namespace

void excludeFromTopAndUpwards(QCheckBox *fromTop, QCheckBox *upwards)
{
    QObject::connect(fromTop, &QCheckBox::toggled, upwards, [upwards](bool on) {
        if (on)
            upwards->setChecked(false);
    });
    QObject::connect(upwards, &QCheckBox::toggled, fromTop, [fromTop](bool on) {
        if (on)
            fromTop->setChecked(false);
    });
}

namespace {

// F1 in the find-and-replace dialog opens the help on finding.
void helpOnF1(QWidget *window, const FindController &controller)
{
    auto *key = new QShortcut(QKeySequence(Qt::Key_F1), window);
    QObject::connect(key, &QShortcut::activated, window, [&controller] { controller.showHelp(); });
}

} // namespace

// ---- the find-and-replace dialog

FindDialog::FindDialog(FindController &controller, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), m_controller(controller)
{
    setObjectName(QStringLiteral("TFRbig"));
    setWindowTitle(QStringLiteral("Find&Replace"));
    setModal(false);
    paintTeal(this);
    helpOnF1(this, controller);
    const FindState &state = controller.state();
    const SettingsFile &settings = controller.settings();

    m_find = field("fedit", state.savedFind, this);
    m_replace = field("Redit", state.savedReplace, this);
    auto *findLabel = new QLabel(QStringLiteral("Fi&nd What:"), this);
    findLabel->setBuddy(m_find);
    auto *replaceLabel = new QLabel(QStringLiteral("&Replace With:"), this);
    replaceLabel->setBuddy(m_replace);
    m_wholeWord = checkBox("wholewordcheck", QStringLiteral(" whole word only"),
                           settings.read(Keys::FindWholeWord), this);
    m_matchCase = checkBox("Matchcasecheck", QStringLiteral(" match case"),
                           settings.read(Keys::FindMatchCase), this);
    m_fromTop = checkBox("Fromtopcheck", QStringLiteral(" check from top"), false, this);
    m_upwards = checkBox("upcheck", QStringLiteral(" check upwards"),
                         settings.read(Keys::FindUpwards), this);
    excludeFromTopAndUpwards(m_fromTop, m_upwards);
    QPushButton *findButton = button("Button1", QStringLiteral("&Find && Replace"), this);
    QPushButton *allButton = button("Button2", QStringLiteral("Replace Re&maining"), this);
    QPushButton *cancelButton = button("Button3", QStringLiteral("Cancel"), this);
    findButton->setDefault(true);
    allButton->setAutoDefault(false);
    cancelButton->setAutoDefault(false);

    auto *grid = new QGridLayout(this);
    grid->addWidget(findLabel, 0, 0);
    grid->addWidget(m_find, 0, 1, 1, 3);
    grid->addWidget(replaceLabel, 1, 0);
    grid->addWidget(m_replace, 1, 1, 1, 3);
    grid->addWidget(m_wholeWord, 2, 1);
    grid->addWidget(m_matchCase, 2, 2);
    grid->addWidget(m_fromTop, 3, 1);
    grid->addWidget(m_upwards, 3, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(findButton);
    buttons->addWidget(allButton);
    buttons->addWidget(cancelButton);
    grid->addLayout(buttons, 4, 0, 1, 4);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    m_find->setMinimumWidth(280);

    connect(findButton, &QPushButton::clicked, this, &FindDialog::findAndReplace);
    connect(allButton, &QPushButton::clicked, this, &FindDialog::replaceRemaining);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::finished, this, &FindDialog::closeSteps);

    controller.state().findDialogOpen = true;
    adjustSize();
    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void FindDialog::setvalues()
{
    storeValues(m_controller.state(), m_find, m_replace,
                {m_wholeWord, m_matchCase, m_fromTop, m_upwards});
}

void FindDialog::findAndReplace()
{
    if (!m_controller.hasDocument())
        return;
    if (m_find->text().isEmpty()) {
        replaceRemaining();
        return;
    }
    setvalues();
    FindState &state = m_controller.state();
    state.searchText = m_find->text();
    state.replacement = m_replace->text();
    // A signal left behind by an earlier Replace Remaining must not keep the dialog open.
    state.notFound = false;
    m_controller.finder().find(FindStep::FindOnly);
    if (state.notFound) {
        state.notFound = false;
        return;
    }
    close();
    m_controller.FagainbutClick();
    m_controller.returnFocus();
}

void FindDialog::replaceRemaining()
{
    if (!m_controller.hasDocument())
        return;
    FindState &state = m_controller.state();
    state.searchText = m_find->text();
    state.replacement = m_replace->text();
    setvalues();
    m_controller.finder().replaceRemaining();
}

void FindDialog::closeSteps()
{
    setvalues();
    SettingsFile &settings = m_controller.settings();
    SettingsFile::Batch batch(settings);
    const FindState &state = m_controller.state();
    settings.write(Keys::FindWholeWord, state.wholeWord);
    settings.write(Keys::FindMatchCase, state.matchCase);
    settings.write(Keys::FindFromTop, state.fromTop);
    settings.write(Keys::FindUpwards, state.upwards);
    m_controller.state().findDialogOpen = false;
    disconnect(this, &QDialog::finished, this, &FindDialog::closeSteps);
    Q_EMIT closed();
    deleteLater();
}

// ---- the find-again bar

namespace {
constexpr int RowHeight = 24;
constexpr int Margin = 4;
constexpr int OptionsTop = Margin + 2 * (RowHeight + Margin);
constexpr int FullHeight = OptionsTop + RowHeight + 2 * Margin;
// Both rows of fields and buttons, without the options.
constexpr int CollapsedHeight = OptionsTop;
} // namespace

FindBar::FindBar(FindController &controller, const FindBarPlaces &places, QWidget *frame)
    : QDialog(places.top->parentWidget()), m_controller(controller), m_places(places),
      m_frame(frame)
{
    // A strip of the main window, not a window of its own; still a dialog for its default
    // button on Enter and Cancel on Escape.
    setWindowFlags(Qt::Widget);
    // The layout places it; a dialog would centre itself over its parent when first shown.
    setAttribute(Qt::WA_Moved);
    setObjectName(QStringLiteral("TFRmini"));
    setModal(false);
    paintTeal(this);
    const FindState &state = controller.state();
    const SettingsFile &settings = controller.settings();

    // A grip of dots and two arrows: the picture-font glyphs of old are not on every system.
    auto *handle = new QLabel(QStringLiteral("\u2807"), this);
    handle->setObjectName(QStringLiteral("Label3"));
    handle->setToolTip(QStringLiteral("Click and drag to move the Find Again window"));
    handle->installEventFilter(this);
    auto *findLabel = new QLabel(QStringLiteral("Finding:"), this);
    auto *replaceLabel = new QLabel(QStringLiteral("Replace with:"), this);
    m_find = field("FEdit", state.savedFind, this);
    m_replace = field("Redit", state.savedReplace, this);
    m_find->setFrame(false);
    m_replace->setFrame(false);
    m_findNext = button("Fbut", QStringLiteral("&Find Next"), this);
    m_replaceNext = button("Rbut", QStringLiteral("&Replace && Find Next"), this);
    QPushButton *cancelButton = button("Button1", QStringLiteral("Cancel"), this);
    QPushButton *allButton = button("Allbut", QStringLiteral("Replace Re&maining"), this);
    m_findNext->setDefault(true);
    m_replaceNext->setAutoDefault(false);
    cancelButton->setAutoDefault(false);
    allButton->setAutoDefault(false);
    m_showOptions = new QToolButton(this);
    m_showOptions->setObjectName(QStringLiteral("downs"));
    m_showOptions->setText(QStringLiteral("\u25BE"));
    m_showOptions->setToolTip(QStringLiteral("Click to show Options"));
    m_hideOptions = new QToolButton(this);
    m_hideOptions->setObjectName(QStringLiteral("ups"));
    m_hideOptions->setText(QStringLiteral("\u25B4"));
    m_hideOptions->setToolTip(QStringLiteral("Click to hide Options"));

    m_wholeWord = checkBox("wholewordcheck", QStringLiteral(" whole word only"),
                           settings.read(Keys::FindWholeWord), this);
    m_matchCase = checkBox("Matchcasecheck", QStringLiteral(" match case"),
                           settings.read(Keys::FindMatchCase), this);
    m_fromTop = checkBox("fromtopcheck", QStringLiteral(" check from top"), false, this);
    m_upwards = checkBox("upcheck", QStringLiteral(" check upwards"),
                         settings.read(Keys::FindUpwards), this);
    excludeFromTopAndUpwards(m_fromTop, m_upwards);

    // Fixed places, so that the collapsed height cuts the options panel off.
    const int row1 = Margin;
    const int row2 = Margin + RowHeight + Margin;
    handle->setGeometry(Margin, row1, 16, RowHeight);
    findLabel->setGeometry(22, row1, 84, RowHeight);
    m_find->setGeometry(110, row1, 214, RowHeight);
    m_findNext->setGeometry(330, row1, 150, RowHeight);
    cancelButton->setGeometry(486, row1, 136, RowHeight);
    replaceLabel->setGeometry(22, row2, 84, RowHeight);
    m_replace->setGeometry(110, row2, 214, RowHeight);
    m_replaceNext->setGeometry(330, row2, 150, RowHeight);
    allButton->setGeometry(486, row2, 136, RowHeight);
    m_showOptions->setGeometry(628, row2, 24, RowHeight);
    m_hideOptions->setGeometry(628, row2, 24, RowHeight);
    m_wholeWord->setGeometry(24, OptionsTop, 130, RowHeight);
    m_matchCase->setGeometry(160, OptionsTop, 130, RowHeight);
    m_fromTop->setGeometry(296, OptionsTop, 130, RowHeight);
    m_upwards->setGeometry(432, OptionsTop, 130, RowHeight);
    m_hideOptions->hide();

    connect(m_findNext, &QPushButton::clicked, this, &FindBar::findNext);
    connect(m_replaceNext, &QPushButton::clicked, this, &FindBar::replaceAndFindNext);
    connect(allButton, &QPushButton::clicked, this, &FindBar::replaceRemaining);
    connect(cancelButton, &QPushButton::clicked, this, [this] {
        m_controller.state().repeat = false;
        close();
    });
    connect(m_showOptions, &QToolButton::clicked, this, &FindBar::showOptions);
    connect(m_hideOptions, &QToolButton::clicked, this, &FindBar::hideOptions);
    connect(this, &QDialog::finished, this, &FindBar::closeSteps);

    m_fullHeight = FullHeight;
    setFixedHeight(CollapsedHeight);
    // The stored top is where the bar stood on the screen when it was last closed.
    const int top = settings.read(Keys::FindBarTop);
    moveTo(top != 0 ? edgeNearer(top) : Edge::Top);
}

FindBar::Edge FindBar::edgeNearer(int globalY) const
{
    const int middle = m_frame->mapToGlobal(m_frame->rect().center()).y();
    return globalY > middle ? Edge::Bottom : Edge::Top;
}

void FindBar::moveTo(Edge edge)
{
    m_edge = edge;
    QBoxLayout *place = edge == Edge::Top ? m_places.top : m_places.bottom;
    if (parentWidget() && parentWidget()->layout())
        parentWidget()->layout()->removeWidget(this);
    place->addWidget(this);
}

void FindBar::focusFindField()
{
    m_find->setFocus();
    m_find->selectAll();
}

void FindBar::setvalues()
{
    storeValues(m_controller.state(), m_find, m_replace,
                {m_wholeWord, m_matchCase, m_fromTop, m_upwards});
}

void FindBar::findNext()
{
    if (!m_controller.hasDocument())
        return;
    m_findNext->setDefault(true);
    m_replaceNext->setDefault(false);
    setvalues();
    m_fromTop->setChecked(false);
    m_controller.state().searchText = m_find->text();
    m_controller.finder().find(FindStep::FindOnly);
    m_controller.returnFocus();
}

void FindBar::replaceAndFindNext()
{
    if (!m_controller.hasDocument())
        return;
    m_replaceNext->setDefault(true);
    m_findNext->setDefault(false);
    setvalues();
    m_fromTop->setChecked(false);
    FindState &state = m_controller.state();
    state.searchText = m_find->text();
    state.replacement = m_replace->text();
    m_controller.finder().find(FindStep::ReplaceThenFind);
    m_controller.returnFocus();
}

void FindBar::replaceRemaining()
{
    if (!m_controller.hasDocument())
        return;
    setvalues();
    FindState &state = m_controller.state();
    state.searchText = m_find->text();
    state.replacement = m_replace->text();
    m_controller.finder().replaceRemaining();
    m_controller.returnFocus();
}

void FindBar::showOptions()
{
    setFixedHeight(m_fullHeight);
    m_hideOptions->show();
    m_hideOptions->raise();
    m_controller.returnFocus();
}

void FindBar::hideOptions()
{
    setFixedHeight(CollapsedHeight);
    m_hideOptions->hide();
    m_controller.returnFocus();
}

void FindBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_outline.begin(QRect(mapToGlobal(QPoint(0, 0)), size()), event->globalPosition().toPoint());
}

void FindBar::mouseMoveEvent(QMouseEvent *event)
{
    m_outline.follow(event->globalPosition().toPoint());
}

void FindBar::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_outline.dragging())
        return;
    const QPoint shift = m_outline.end(event->globalPosition().toPoint());
    moveTo(edgeNearer(mapToGlobal(rect().center()).y() + shift.y()));
}

bool FindBar::event(QEvent *event)
{
    // F1 with the keyboard in the bar is the help on finding. A shortcut of the bar's own would
    // clash with the frame's F1 (the contents), the bar being a part of the frame: the bar
    // claims the key before the shortcuts see it, and answers it as a key press.
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent *>(event)->keyCombination() == QKeyCombination(Qt::Key_F1)) {
        event->accept();
        return true;
    }
    return QDialog::event(event);
}

void FindBar::keyPressEvent(QKeyEvent *event)
{
    if (event->keyCombination() == QKeyCombination(Qt::Key_F1)) {
        m_controller.showHelp();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool FindBar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress)
        mousePressEvent(static_cast<QMouseEvent *>(event));
    else if (event->type() == QEvent::MouseButtonRelease)
        mouseReleaseEvent(static_cast<QMouseEvent *>(event));
    else if (event->type() == QEvent::MouseMove)
        mouseMoveEvent(static_cast<QMouseEvent *>(event));
    return QDialog::eventFilter(watched, event);
}

void FindBar::closeSteps()
{
    setvalues();
    SettingsFile &settings = m_controller.settings();
    SettingsFile::Batch batch(settings);
    FindState &state = m_controller.state();
    settings.write(Keys::FindWholeWord, state.wholeWord);
    settings.write(Keys::FindMatchCase, state.matchCase);
    settings.write(Keys::FindUpwards, state.upwards);
    state.repeat = false;
    const QPoint place = mapToGlobal(QPoint(0, 0));
    settings.write(Keys::FindBarTop, place.y());
    settings.write(Keys::FindBarLeft, place.x());
    disconnect(this, &QDialog::finished, this, &FindBar::closeSteps);
    Q_EMIT closed();
    // The bar's controls held the keyboard; it goes back to the page rather than to whatever
    // follows the bar in the frame.
    m_controller.returnFocus();
    deleteLater();
}
