#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>

class CommandActions;
class DocumentFiles;
class DocumentRegistry;
class InternalPreview;
class ModifierSource;
class ProgramStarter;
class Prompter;
class QWidget;
class ReturnButtons;
class SettingsFile;
class TemporaryFiles;
class DocumentWindow;

// What the previews are handed by the main frame.
struct PreviewServices
{
    SettingsFile &settings;
    Prompter &prompter;
    ProgramStarter &programs;
    TemporaryFiles &temporaries;
    ReturnButtons &returnButtons;
    const ModifierSource &modifiers;
    QString homeFolder;
    QWidget *mainWindow = nullptr;
    DocumentRegistry &documents;
    // Its file dialogs, the Open dialog too for the internal preview's Open File.
    DocumentFiles &files;
};

// The preview commands: the active document's text goes into a preview file beside it, which
// the internal preview window or one of the two configured browsers shows. A browser is
// started with the file's address as its argument ("start this program"), or the file goes to
// the desktop's default handler ("use file association"). While the internal preview shows
// the active document it follows the editor's unsaved text shortly after typing stops. Owned
// by the main frame.
class PreviewController : public QObject
{
    Q_OBJECT

public:
    explicit PreviewController(PreviewServices services, QObject *parent = nullptr);
    ~PreviewController() override;

    void registerHandlers(CommandActions &commands);

    void InternalBrowser1Click();
    // Browser 1, or browser 2 while Shift is held.
    void openbrowser();
    void browserPreview(int browser);

    // The open internal preview window, or null.
    InternalPreview *internal() const;
    // How long the editor must rest before the internal preview follows it.
    void setLiveDelay(int milliseconds) { m_liveTimer.setInterval(milliseconds); }

private:
    QString writePreview(DocumentWindow *document, int viewer);
    QString browserProgram(int browser);
    bool openInternal();
    void follow(DocumentWindow *document, const QString &file);
    void liveUpdate();

    PreviewServices m_s;
    InternalPreview *m_internal = nullptr;
    QPointer<QWidget> m_internalWindow;
    QPointer<DocumentWindow> m_followed;
    QString m_followedFile;
    QMetaObject::Connection m_edits;
    QTimer m_liveTimer;
};
