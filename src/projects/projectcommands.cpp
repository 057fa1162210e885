#include "projects/projectcommands.h"

#include "base/filedialogs.h"
#include "base/homefolder.h"
#include "base/prompter.h"
#include "base/settingsfile.h"
#include "commands/commandactions.h"
#include "commands/commandids.h"
#include "documents/documentregistry.h"
#include "documents/documentwindow.h"
#include "files/documentfiles.h"
#include "files/documentsaving.h"
#include "files/filenamerules.h"
#include "help/helptopics.h"
#include "projects/projectfile.h"
#include "projects/projectmanager.h"
#include "projects/templatechooser.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {

const QString ProjectFilter = QStringLiteral("Project Files (*.qpj)");

} // namespace

ProjectCommands::ProjectCommands(Host host, QWidget *frame)
    : QObject(frame), m_host(std::move(host)), m_frame(frame)
{
}

void ProjectCommands::registerHandlers(CommandActions &commands)
{
    commands.setHandler(Cmd::Projects1Click, [this] { showManager(); });
    commands.setHandler(Cmd::intoaProject1Click, [this] { saveIntoProject(); });
    commands.setHandler(Cmd::SaveasTemplate1Click, [this] { saveAsTemplate(); });
    m_host.files.setProjectOpener([this](const QString &path) { openProject(path); });
    m_host.files.setTemplateChooser([this] { showTemplateChooser(); });
}

ProjectManager *ProjectCommands::manager() const
{
    return m_manager;
}

TemplateChooser *ProjectCommands::templateChooser() const
{
    return m_chooser;
}

ProjectManager *ProjectCommands::showManager()
{
    if (!m_manager) {
        const QString data = m_host.settings.read(Keys::DataFolder);
        ProjectManagerHost host{
            m_host.prompter, [this]() -> FileDialogs & { return m_host.files.dialogs(); },
            !data.isEmpty() && QFileInfo(data).isDir() ? data : m_host.files.dialogState().folder(),
            [this](const QStringList &entries) { openEntries(entries); },
            [this] {
                if (m_host.help)
                    m_host.help(HelpTopic::Projects);
            }};
        m_manager = new ProjectManager(std::move(host), m_frame);
        connect(m_manager, &ProjectManager::changed, this, &ProjectCommands::projectChanged);
        connect(m_manager, &QObject::destroyed, this, &ProjectCommands::projectChanged);
    }
    m_manager->show();
    m_manager->raise();
    m_manager->activateWindow();
    return m_manager;
}

QString ProjectCommands::projectFolderOf(const QString &page) const
{
    if (!m_manager || m_manager->projectPath().isEmpty() || page.isEmpty())
        return {};
    const QString wanted = QDir::cleanPath(page);
    for (const QString &entry : m_manager->list().entries())
        if (QDir::cleanPath(entry) == wanted)
            return QFileInfo(m_manager->projectPath()).absolutePath();
    return {};
}

void ProjectCommands::openProject(const QString &path)
{
    const QString full = FileNameRules::fullPath(path);
    m_host.files.UpdateOldies(full);
    showManager()->load(full);
}

void ProjectCommands::openEntries(const QStringList &entries)
{
    QStringList missing;
    QSet<QString> seen;
    for (const QString &entry : entries) {
        if (entry.isEmpty() || seen.contains(entry))
            continue;
        seen.insert(entry);
        const QString full = FileNameRules::fullPath(entry);
        if (DocumentWindow *open = m_host.files.findOpen(full)) {
            m_host.files.activate(open);
            continue;
        }
        if (!QFileInfo(full).isFile()) {
            missing << QDir::toNativeSeparators(entry);
            continue;
        }
        // A file that cannot be read says why itself.
        m_host.files.openFile(full);
    }
    if (missing.size() == 1)
        m_host.prompter.warn(missing.front() +
                             QStringLiteral("\ndoesn't exist and can't be loaded"));
    else if (!missing.isEmpty())
        m_host.prompter.warn(missing.join(u'\n') +
                             QStringLiteral("\ndon't exist and can't be loaded"));
}

void ProjectCommands::saveIntoProject()
{
    DocumentWindow *doc = m_host.documents.active();
    if (!doc)
        return;
    // Only a saved file has a path for the project; a cancelled or failed save ends here.
    if (doc->document().isUntitled()) {
        if (!m_host.saving.saveAs(doc))
            return;
    } else if (doc->isModified() && !m_host.saving.save(doc)) {
        return;
    }
    if (doc->document().isUntitled())
        return;
    const QString entry = doc->document().path();
    QString chosen = m_host.files.dialogs().saveFileTitled(QStringLiteral("Locate a Project File"),
                                                           m_host.files.dialogState().folder(),
                                                           QString(), ProjectFilter);
    if (chosen.isEmpty())
        return;
    if (QFileInfo(chosen).suffix().isEmpty())
        chosen += QStringLiteral(".qpj");
    bool added = false;
    QString reason;
    if (!ProjectFile::append(chosen, entry, &added, &reason))
        m_host.prompter.error(
            QStringLiteral("%1 could not be added to %2: %3")
                .arg(QDir::toNativeSeparators(entry), QDir::toNativeSeparators(chosen), reason));
}

TemplateChooser *ProjectCommands::showTemplateChooser()
{
    if (!m_chooser) {
        m_chooser = new TemplateChooser(
            TemplateStore(m_host.settings, m_host.home.templateDir()), m_host.prompter,
            [this](const QString &name) { m_host.files.newt(name); },
            [this] {
                if (m_host.help)
                    m_host.help(HelpTopic::Templates);
            },
            m_frame);
    }
    m_chooser->show();
    m_chooser->raise();
    m_chooser->activateWindow();
    return m_chooser;
}

void ProjectCommands::saveAsTemplate()
{
    DocumentWindow *doc = m_host.documents.active();
    if (!doc)
        return;
    // Later Open and Save dialogs start where they did before, not in the template folder.
    const QString before = m_host.files.dialogState().folder();
    m_host.saving.saveAs(doc, m_host.home.templateDir());
    m_host.files.dialogState().setFolder(before);
}
