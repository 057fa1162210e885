#include "downloadtime/downloadtimecommand.h"

#include "commands/commandactions.h"
#include "commands/commandids.h"
#include "documents/documentregistry.h"
#include "documents/documentwindow.h"
#include "downloadtime/downloadestimate.h"
#include "downloadtime/downloadtimewindow.h"
#include "editor/scintillaeditor.h"
#include "help/helptopics.h"

#include <QFileInfo>

DownloadTimeCommand::DownloadTimeCommand(DocumentRegistry &documents,
                                         std::function<void(int topic)> help, QWidget *window)
    : QObject(window), m_documents(documents), m_help(std::move(help)), m_window(window)
{
}

void DownloadTimeCommand::registerHandlers(CommandActions &commands)
{
    commands.setHandler(Cmd::DownloadTime1Click, [this] { show(); });
}

DownloadTimeWindow *DownloadTimeCommand::window() const
{
    return m_estimate;
}

void DownloadTimeCommand::show()
{
    DocumentWindow *doc = m_documents.active();
    if (!doc)
        return;
    if (m_estimate) {
        m_estimate->raise();
        m_estimate->activateWindow();
        return;
    }
    // The page counts as the editor holds it, in the bytes saving would write; its files are
    // looked for beside the saved file, and relative ones are not found for an Untitled page.
    const Document &document = doc->document();
    const QString folder =
        document.isUntitled() ? QString() : QFileInfo(document.path()).absolutePath();
    const QList<DownloadEstimate::FileRow> rows = DownloadEstimate::measure(
        document.shortName(), doc->editor().bytes().size(), doc->editor().text(), folder);
    m_estimate = new DownloadTimeWindow(
        rows,
        [this] {
            if (m_help)
                m_help(HelpTopic::DownloadTime);
        },
        m_window);
    m_estimate->show();
}
