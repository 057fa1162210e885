#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class CommandActions;
class DocumentFiles;
class DocumentRegistry;
class DocumentSaving;
class HomeFolder;
class ProjectManager;
class Prompter;
class SettingsFile;
class TemplateChooser;

// The commands of projects and templates: the project manager, Save into a Project, the
// template chooser that New goes through, and Save as a Template. Owned by the main frame.
class ProjectCommands : public QObject
{
    Q_OBJECT

public:
    struct Host
    {
        DocumentRegistry &documents;
        DocumentFiles &files;
        DocumentSaving &saving;
        SettingsFile &settings;
        Prompter &prompter;
        const HomeFolder &home;
        std::function<void(int topic)> help;
    };

    ProjectCommands(Host host, QWidget *frame);

    // Gives the commands their handlers, and the file commands the way to projects and to
    // the template chooser.
    void registerHandlers(CommandActions &commands);

    // The manager, made on first use and brought forward later.
    ProjectManager *showManager();
    ProjectManager *manager() const;
    // The manager with a project file loaded; the file goes to the top of the recent files.
    void openProject(const QString &path);
    // Opens every listed file that exists; files open already are brought forward, and the
    // missing ones are named together in one message.
    void openEntries(const QStringList &entries);
    // Saves the active document when it has unsaved changes or no name yet, then adds its
    // path to a project file the user locates (or creates).
    void saveIntoProject();

    // The folder of the open project a page belongs to: the project file's folder, when the
    // manager holds a saved project that lists the page. Empty otherwise.
    QString projectFolderOf(const QString &page) const;

    TemplateChooser *showTemplateChooser();
    TemplateChooser *templateChooser() const;
    void saveAsTemplate();

Q_SIGNALS:
    // A project was opened, changed or closed.
    void projectChanged();

private:
    Host m_host;
    QWidget *m_frame;
    QPointer<ProjectManager> m_manager;
    QPointer<TemplateChooser> m_chooser;
};
