#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class CommandActions;
class DocumentRegistry;
class DownloadTimeWindow;
class QWidget;

// The Download Time command: measures the active document and the files it refers to and
// shows the estimate; while its window is open the command brings that one forward.
class DownloadTimeCommand : public QObject
{
    Q_OBJECT

public:
    DownloadTimeCommand(DocumentRegistry &documents, std::function<void(int topic)> help,
                        QWidget *window);

    void registerHandlers(CommandActions &commands);
    void show();
    // Null while no estimate is open.
    DownloadTimeWindow *window() const;

private:
    DocumentRegistry &m_documents;
    std::function<void(int topic)> m_help;
    QWidget *m_window;
    QPointer<DownloadTimeWindow> m_estimate;
};
