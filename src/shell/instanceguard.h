#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// Keeps one running copy per home folder. A second copy hands over to the first through a
// local socket named after the home folder: it asks the first to come forward (the file to
// open already waits in the hand-over key) and ends without showing a window.
class InstanceGuard : public QObject
{
    Q_OBJECT

public:
    explicit InstanceGuard(const QString &homeFolder, QObject *parent = nullptr);
    ~InstanceGuard() override;

    static QString serverName(const QString &homeFolder);

    // True when a running copy answered and will take over: this copy must end. A copy that
    // does not answer in time (it may be closing) is treated as absent.
    bool handOverToRunningCopy(int timeoutMs = 2000);

    // Lets later copies find this one. False when the name could not be taken.
    bool listen();
    // Called once this copy starts closing, so that a later copy starts on its own.
    void stopListening();

Q_SIGNALS:
    void activationRequested();

private:
    void acceptConnection();

    QString m_name;
    QLocalServer *m_server = nullptr;
};
