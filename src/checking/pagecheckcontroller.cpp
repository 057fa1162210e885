#include "checking/pagecheckcontroller.h"

#include "base/settingsfile.h"
#include "checking/pagecheckmarks.h"
#include "checking/problemlist.h"
#include "commands/commandactions.h"
#include "commands/commandids.h"
#include "documents/documentregistry.h"
#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "editor/textchanges.h"
#include "statusbar/clicklabel.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QFileInfo>
#include <QMainWindow>
#include <QStatusBar>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

namespace {

// Each document's edits are counted, so that a result can tell whether its text is still the
// document's.
const char EditCount[] = "pageCheckEdits";

quint64 editsOf(DocumentWindow *document)
{
    return document->property(EditCount).toULongLong();
}

} // namespace

PageCheckController::PageCheckController(DocumentRegistry &documents, SettingsFile &settings,
                                         QMainWindow *frame, QStatusBar *bar, QObject *parent)
    : QObject(parent), m_documents(documents), m_settings(settings), m_list(new ProblemList(frame)),
      m_count(new ClickLabel), m_rest(new QTimer(this))
{
    frame->addDockWidget(Qt::BottomDockWidgetArea, m_list);
    m_list->hide();
    bar->addPermanentWidget(m_count);
    m_count->hide();
    m_count->setToolTip(QStringLiteral("Problems of the page; a click shows the list"));
    m_count->onClick = [this] {
        m_listClosed = false;
        m_list->show();
        m_list->raise();
    };
    m_rest->setSingleShot(true);
    m_rest->setInterval(RestMs);
    connect(m_rest, &QTimer::timeout, this, &PageCheckController::startCheck);
    connect(&m_watcher, &QFutureWatcher<QList<PageProblem>>::finished, this,
            &PageCheckController::takeResult);
    connect(m_list, &ProblemList::placeChosen, this, &PageCheckController::goTo);
    connect(m_list, &ProblemList::closedByUser, this, [this] { m_listClosed = true; });

    connect(&m_documents, &DocumentRegistry::opened, this, &PageCheckController::follow);
    connect(&m_documents, &DocumentRegistry::identityChanged, this,
            [this](DocumentWindow *document) {
                if (document == m_documents.active())
                    m_rest->start();
            });
    connect(&m_documents, &DocumentRegistry::activeChanged, this, [this] {
        showActive();
        m_rest->start();
    });
    connect(&m_settings, &SettingsFile::applied, this, &PageCheckController::applySettings);
    applySettings();
}

PageCheckController::~PageCheckController()
{
    // The worker holds only its own copy of the text; its result is simply not taken.
    disconnect(&m_watcher, nullptr, this, nullptr);
}

void PageCheckController::registerHandlers(CommandActions &commands)
{
    m_commands = &commands;
    commands.setHandler(Cmd::PageCheck1Click, [this] { toggle(); });
    if (QAction *action = commands.action(QLatin1String(Cmd::PageCheck1Click))) {
        action->setCheckable(true);
        action->setChecked(m_on);
    }
}

void PageCheckController::setProjectFolder(std::function<QString(const QString &)> folderOf)
{
    m_projectFolder = std::move(folderOf);
}

void PageCheckController::recheck()
{
    if (m_on && m_documents.active())
        m_rest->start();
}

bool PageCheckController::isOn() const
{
    return m_on;
}

void PageCheckController::toggle()
{
    m_settings.write(Keys::PageCheck, !m_on);
    applySettings();
}

void PageCheckController::applySettings()
{
    const bool on = m_settings.read(Keys::PageCheck);
    if (m_commands)
        if (QAction *action = m_commands->action(QLatin1String(Cmd::PageCheck1Click)))
            action->setChecked(on);
    const bool changed = on != m_on;
    m_on = on;
    if (changed)
        for (DocumentWindow *document : m_documents.documents())
            if (PageCheckMarks *marks = marksOf(document))
                marks->setActive(on);
    showActive();
    if (!on) {
        m_rest->stop();
        m_list->showProblems({});
        return;
    }
    // The alt text switch may have changed too: the page is checked again.
    m_rest->start();
}

void PageCheckController::follow(DocumentWindow *document)
{
    auto *marks = new PageCheckMarks(document->memo());
    marks->setActive(m_on);
    // Every change counts, a reload too, not only the user's edits.
    connect(&TextChanges::of(document->memo()), &TextChanges::changed, this,
            [this, document = QPointer<DocumentWindow>(document)] {
                if (document)
                    noteEdit(document);
            });
}

PageCheckMarks *PageCheckController::marksOf(DocumentWindow *document) const
{
    return document ? document->memo()->findChild<PageCheckMarks *>(QString(),
                                                                    Qt::FindDirectChildrenOnly)
                    : nullptr;
}

void PageCheckController::noteEdit(DocumentWindow *document)
{
    document->setProperty(EditCount, editsOf(document) + 1);
    if (m_on && document == m_documents.active())
        m_rest->start();
}

CheckOptions PageCheckController::optionsFor(DocumentWindow *document) const
{
    CheckOptions options;
    const QString path = document->document().path();
    if (!path.isEmpty()) {
        options.base.folder = QFileInfo(path).absolutePath();
        if (m_projectFolder)
            options.base.siteRoot = m_projectFolder(path);
    }
    options.accessibility = m_settings.read(Keys::PageCheckAccess);
    return options;
}

namespace {

// Checking a large page costs seconds and hundreds of megabytes at every pause in typing, and
// it would keep the program busy after such a page opens; it is left to `quillmark --check`.
bool tooLargeToCheck(DocumentWindow *document)
{
    return document && document->memo()->SendScintilla(QsciScintillaBase::SCI_GETLENGTH) >
                           DocumentWindow::LargePageBytes;
}

} // namespace

void PageCheckController::startCheck()
{
    DocumentWindow *document = m_documents.active();
    if (!m_on || !document)
        return;
    if (tooLargeToCheck(document)) {
        if (PageCheckMarks *marks = marksOf(document))
            marks->show({});
        showActive();
        Q_EMIT checked(document);
        return;
    }
    if (m_checking) {
        m_again = true;
        return;
    }
    m_running = document;
    m_runningEdit = editsOf(document);
    m_checking = true;
    m_watcher.setFuture(
        QtConcurrent::run([text = document->editor().text(), options = optionsFor(document)] {
            return checkPage(text, options);
        }));
}

void PageCheckController::takeResult()
{
    const QList<PageProblem> problems = m_watcher.result();
    m_checking = false;
    DocumentWindow *document = m_running;
    m_running = nullptr;
    if (m_again) {
        m_again = false;
        m_rest->start();
    }
    // Dropped when the text has changed since it was taken, or the check was turned off.
    if (!m_on || !document || editsOf(document) != m_runningEdit)
        return;
    if (PageCheckMarks *marks = marksOf(document))
        marks->show(problems);
    if (document == m_documents.active())
        showActive();
    Q_EMIT checked(document);
}

QList<PageProblem> PageCheckController::problems(DocumentWindow *document) const
{
    const PageCheckMarks *marks = marksOf(document);
    return marks && m_on ? marks->problems() : QList<PageProblem>();
}

QString PageCheckController::countText() const
{
    return m_count->text();
}

bool PageCheckController::isBusy() const
{
    return m_rest->isActive() || m_checking || m_again;
}

void PageCheckController::showActive()
{
    DocumentWindow *document = m_documents.active();
    const QList<PageProblem> shown = problems(document);
    m_list->showProblems(shown);
    m_count->setText(tooLargeToCheck(document) ? QStringLiteral("not checked: large page")
                                               : describeCount(countProblems(shown)));
    m_count->setVisible(m_on && document);
    m_list->setVisible(m_on && document && !m_listClosed);
}

void PageCheckController::goTo(const PageProblem &problem)
{
    DocumentWindow *document = m_documents.active();
    PageCheckMarks *marks = marksOf(document);
    if (!marks)
        return;
    const qint64 at = marks->positionOf(problem);
    QsciScintilla *memo = document->memo();
    memo->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, static_cast<unsigned long>(at));
    memo->setFocus();
}
