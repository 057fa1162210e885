#include "preview/previewcontroller.h"

#include "base/filedialogs.h"
#include "base/modifiersource.h"
#include "base/programcommand.h"
#include "base/programstarter.h"
#include "base/prompter.h"
#include "base/settingsfile.h"
#include "base/temporaryfiles.h"
#include "base/windowplace.h"
#include "commands/commandactions.h"
#include "commands/commandids.h"
#include "documents/documentregistry.h"
#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "preview/internalpreview.h"
#include "preview/previewfiles.h"
#include "preview/previewmodule.h"
#include "widgets/returnbutton.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QUrl>
#include <QWidget>

namespace {

constexpr int LiveDelay = 400;
constexpr int InternalViewer = 1;

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

PreviewController::PreviewController(PreviewServices services, QObject *parent)
    : QObject(parent), m_s(std::move(services))
{
    m_liveTimer.setSingleShot(true);
    m_liveTimer.setInterval(LiveDelay);
    connect(&m_liveTimer, &QTimer::timeout, this, &PreviewController::liveUpdate);
}

PreviewController::~PreviewController()
{
    // The window belongs to the main frame's children; it must not call back into us.
    if (m_internalWindow)
        disconnect(m_internalWindow, nullptr, this, nullptr);
}

void PreviewController::registerHandlers(CommandActions &commands)
{
    commands.setHandler(Cmd::InternalBrowser1Click, [this] { InternalBrowser1Click(); });
    commands.setHandler(Cmd::openbrowser, [this] { openbrowser(); });
    commands.setHandler(Cmd::Browser2Preview1Click, [this] { browserPreview(2); });
    commands.setHandler(Cmd::browser1rightclick, [this] { browserPreview(2); });
    commands.setHandler(Cmd::browser2rightclick, [this] { browserPreview(2); });
}

InternalPreview *PreviewController::internal() const
{
    return m_internalWindow ? m_internal : nullptr;
}

QString PreviewController::writePreview(DocumentWindow *document, int viewer)
{
    PreviewFiles files(m_s.temporaries, m_s.homeFolder);
    const PreviewFiles::Result result =
        files.write(document->document().identity(), document->editor().bytes(), viewer);
    if (!result.error.isEmpty())
        m_s.prompter.error(result.error);
    return result.path;
}

void PreviewController::openbrowser()
{
    browserPreview(m_s.modifiers.shift() ? 2 : 1);
}

QString PreviewController::browserProgram(int browser)
{
    const TextKey &key = browser == 2 ? Keys::Browser2 : Keys::Browser;
    const QString stored = m_s.settings.read(key);
    if (!stored.isEmpty())
        return stored;
    const QString title = browser == 2 ? QStringLiteral("Please locate secondary browser program")
                                       : QStringLiteral("Please locate primary browser program");
    const QStringList chosen = m_s.files.dialogs().openFiles(
        title, QStringLiteral("/usr/bin"), QStringLiteral("All files (*)"), false);
    if (chosen.isEmpty())
        return {};
    const QFileInfo info(chosen.first());
    if (!info.isFile() || !info.isExecutable()) {
        m_s.prompter.error(
            QStringLiteral("%1 is not a program that can be started").arg(native(chosen.first())));
        return {};
    }
    m_s.settings.write(key, chosen.first());
    return chosen.first();
}

void PreviewController::browserPreview(int browser)
{
    DocumentWindow *document = m_s.documents.active();
    if (!document)
        return;
    const bool byAssociation =
        m_s.settings.read(browser == 2 ? Keys::Dde2 : Keys::Dde) == QLatin1String("no");
    // The desktop's handler needs no program of ours.
    const QString program = byAssociation ? QString() : browserProgram(browser);
    if (!byAssociation && program.isEmpty())
        return;
    const QString file = writePreview(document, browser);
    if (file.isEmpty())
        return;
    m_s.returnButtons.show();
    const QUrl url = QUrl::fromLocalFile(file);
    if (byAssociation) {
        if (!m_s.programs.openUrl(url)) {
            m_s.returnButtons.drop();
            m_s.prompter.error(QStringLiteral("No program is set up to open %1").arg(native(file)));
        }
        return;
    }
    const ProgramCommand command = ProgramCommand::parse(program);
    QString reason;
    if (!m_s.programs.start(command.program, command.arguments + QStringList{url.toString()},
                            nullptr, &reason)) {
        m_s.returnButtons.drop();
        m_s.prompter.error(QStringLiteral("The browser %1 could not be started: %2")
                               .arg(native(command.program), reason));
    }
}

bool PreviewController::openInternal()
{
    if (m_internalWindow)
        return true;
    QString reason;
    const CreateInternalPreview create = PreviewModule::factory(&reason);
    if (!create) {
        m_s.prompter.error(
            QStringLiteral("The internal preview could not be started: %1").arg(reason));
        return false;
    }
    InternalPreviewHost host;
    host.prompter = &m_s.prompter;
    SettingsFile &settings = m_s.settings;
    host.storedGeometry = [&settings] {
        const QScreen *screen = QGuiApplication::primaryScreen();
        return WindowPlace::clamped(
            QRect(settings.read(Keys::PreviewLeft), settings.read(Keys::PreviewTop),
                  settings.read(Keys::PreviewWidth), settings.read(Keys::PreviewHeight)),
            screen ? screen->availableGeometry() : QRect());
    };
    host.storeGeometry = [&settings](const QRect &r) {
        SettingsFile::Batch batch(settings);
        settings.write(Keys::PreviewTop, r.top());
        settings.write(Keys::PreviewLeft, r.left());
        settings.write(Keys::PreviewWidth, r.width());
        settings.write(Keys::PreviewHeight, r.height());
    };
    host.liveEnabled = [&settings] {
        return settings.read(Keys::LivePreview) != QLatin1String("no");
    };
    host.setLiveEnabled = [this, &settings](bool on) {
        settings.write(Keys::LivePreview, on ? QString() : QStringLiteral("no"));
        if (on)
            liveUpdate();
    };
    QWidget *main = m_s.mainWindow;
    host.returnToEditor = [main] {
        if (!main)
            return;
        main->raise();
        main->activateWindow();
    };
    host.chooseFile = [this] { return m_s.files.chooseFile(); };
    host.runProgram = [this](const QString &program, const QStringList &arguments) {
        QString why;
        if (!m_s.programs.start(program, arguments, nullptr, &why))
            m_s.prompter.error(
                QStringLiteral("%1 could not be started: %2").arg(native(program), why));
    };
    host.openUrl = [this](const QUrl &url) {
        if (!m_s.programs.openUrl(url))
            m_s.prompter.error(
                QStringLiteral("No program is set up to open %1").arg(native(url.toLocalFile())));
    };
    host.choosePrinter = [this](QPrinter &printer) {
        return m_s.files.dialogs().choosePrinter(printer);
    };
    host.currentText = [this](const QString &file) {
        if (!m_followed || file != m_followedFile)
            return QByteArray();
        return PreviewFiles::content(InternalViewer, m_followed->editor().bytes());
    };
    m_internal = create(host, m_s.mainWindow);
    m_internalWindow = m_internal->widget();
    connect(m_internalWindow, &QObject::destroyed, this, [this] {
        m_internal = nullptr;
        m_followed = nullptr;
        disconnect(m_edits);
    });
    return true;
}

void PreviewController::InternalBrowser1Click()
{
    DocumentWindow *document = m_s.documents.active();
    if (!document)
        return;
    const QString file = writePreview(document, InternalViewer);
    if (file.isEmpty() || !openInternal())
        return;
    // Followed first: another page of the same folder shares the preview file's name.
    follow(document, file);
    m_internal->load(file);
}

void PreviewController::follow(DocumentWindow *document, const QString &file)
{
    disconnect(m_edits);
    m_liveTimer.stop();
    m_followed = document;
    m_followedFile = file;
    m_edits = connect(document, &DocumentWindow::edited, this, [this] { m_liveTimer.start(); });
}

void PreviewController::liveUpdate()
{
    InternalPreview *preview = internal();
    if (!preview || !m_followed || m_s.documents.active() != m_followed)
        return;
    if (m_s.settings.read(Keys::LivePreview) == QLatin1String("no"))
        return;
    // The user has moved on to another page in the preview.
    if (preview->currentFile() != m_followedFile)
        return;
    preview->showLive(PreviewFiles::content(InternalViewer, m_followed->editor().bytes()),
                      m_followedFile);
}
