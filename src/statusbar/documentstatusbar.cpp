#include "statusbar/documentstatusbar.h"

#include "commands/commandactions.h"
#include "commands/commandids.h"
#include "documents/documentregistry.h"
#include "documents/documentwindow.h"
#include "documents/editingaids.h"
#include "editor/scintillaeditor.h"
#include "statusbar/clicklabel.h"

#include <QDate>
#include <QHBoxLayout>
#include <QLocale>
#include <QStatusBar>
#include <QTabBar>

namespace {

constexpr int StatusHeight = 22;
constexpr int StatusPanelWidth = 240;

QFrame *sunkenPanel(QStatusBar *bar)
{
    auto *panel = new QFrame(bar);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto *layout = new QHBoxLayout(panel);
    layout->setContentsMargins(4, 0, 4, 0);
    return panel;
}

} // namespace

DocumentStatusBar::DocumentStatusBar(QStatusBar *bar, DocumentRegistry &documents,
                                     CommandActions &commands)
    : QObject(bar), m_documents(documents), m_commands(commands)
{
    bar->setSizeGripEnabled(false);
    bar->setFixedHeight(StatusHeight);

    // The lower tab strip sits over a blank label that fills the rest of the bar; a double
    // click on the label brings back the tabbed display.
    auto *left = new ClickLabel;
    left->onDoubleClick = [this] { Q_EMIT tabbedDisplayRequested(); };
    auto *leftLayout = new QHBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    m_lowerTabs = new QTabBar(left);
    m_lowerTabs->setShape(QTabBar::RoundedSouth);
    leftLayout->addWidget(m_lowerTabs);
    leftLayout->addStretch(1);
    bar->addWidget(left, 1);

    // A click on the encoding and line break offers to convert the line breaks.
    QFrame *formatPanel = sunkenPanel(bar);
    m_format = new ClickLabel;
    m_format->onClick = [this] { m_commands.run(Cmd::LineEndings1Click); };
    m_format->setToolTip(
        QStringLiteral("Encoding and line breaks; click to convert the line breaks"));
    formatPanel->layout()->addWidget(m_format);
    bar->addPermanentWidget(formatPanel);

    m_wrapNote = new ClickLabel(QStringLiteral(" Word wrap is off for this large page "));
    m_wrapNote->setToolTip(QStringLiteral("Click to wrap the lines of this page"));
    m_wrapNote->setCursor(Qt::PointingHandCursor);
    m_wrapNote->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_wrapNote->onClick = [this] { m_commands.run(Cmd::Wordwrap1Click); };
    m_wrapNote->setObjectName(QStringLiteral("wrapNote"));
    m_wrapNote->hide();
    bar->addPermanentWidget(m_wrapNote);

    QFrame *panel = sunkenPanel(bar);
    panel->setMinimumWidth(StatusPanelWidth);
    panel->layout()->setContentsMargins(2, 0, 2, 0);
    m_caret = new ClickLabel(QStringLiteral(" line: 1  col: 1"));
    m_caret->onDoubleClick = [this] { m_commands.run(Cmd::GoToLine1Click); };
    m_date = new ClickLabel(dateText());
    m_date->onClick = [this] { insertDate(); };
    m_date->setCursor(Qt::PointingHandCursor);
    m_date->setToolTip(QStringLiteral("Click to insert the date"));
    static_cast<QHBoxLayout *>(panel->layout())->addWidget(m_caret, 1);
    panel->layout()->addWidget(m_date);
    bar->addPermanentWidget(panel);

    connect(&m_documents, &DocumentRegistry::activeChanged, this, &DocumentStatusBar::showDocument);
    connect(&m_documents, &DocumentRegistry::caretMoved, this, &DocumentStatusBar::showCaret);
    connect(&m_documents, &DocumentRegistry::formatChanged, this, &DocumentStatusBar::showFormat);
}

QWidget *DocumentStatusBar::caretPanel() const
{
    return m_caret->parentWidget();
}

QWidget *DocumentStatusBar::formatPanel() const
{
    return m_format->parentWidget();
}

QString DocumentStatusBar::caretText() const
{
    return m_caret->text();
}

QString DocumentStatusBar::formatText() const
{
    return m_format->text();
}

QString DocumentStatusBar::dateText() const
{
    return dateText(QDate::currentDate(), QLocale::system());
}

QString DocumentStatusBar::dateText(const QDate &date, const QLocale &locale)
{
    return locale.dayName(date.dayOfWeek(), QLocale::LongFormat) + QStringLiteral(", ") +
           locale.toString(date, QLocale::ShortFormat) + QStringLiteral("  ");
}

void DocumentStatusBar::insertDate()
{
    DocumentWindow *doc = m_documents.active();
    if (!doc)
        return;
    QString text = m_date->text();
    text.chop(2);
    ScintillaEditor &ed = doc->editor();
    const int start = ed.selectionStart();
    {
        UndoGroup group(ed);
        ed.replaceSelection(text);
    }
    ed.setSelection(start, int(text.size()));
}

void DocumentStatusBar::showDocument(DocumentWindow *doc)
{
    if (!doc) {
        // The last document has closed.
        m_caret->clear();
        m_format->clear();
        m_wrapNote->hide();
        return;
    }
    showCaret(doc);
    showFormat(doc);
}

void DocumentStatusBar::showCaret(DocumentWindow *doc)
{
    if (doc && doc == m_documents.active())
        m_caret->setText(EditingAids::caretStatus(doc->editor()));
}

void DocumentStatusBar::showFormat(DocumentWindow *doc)
{
    if (!doc || doc != m_documents.active())
        return;
    m_format->setText(doc->document().formatText());
    m_wrapNote->setVisible(doc->wrapHeldOff());
}
