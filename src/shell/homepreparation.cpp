#include "shell/homepreparation.h"

#include "base/programdata.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

HomePreparation::HomePreparation(QString executableDir) : m_executableDir(std::move(executableDir))
{
    // Qt takes the first thread that makes a Qt object for its main thread. The worker makes
    // files and folders, which are Qt objects, possibly before the application object exists:
    // this thread is made known to Qt first.
    QThread::currentThread();
    m_worker = std::thread([this] {
        m_home.emplace(HomeFolder::choose(
            m_executableDir, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
        if (!m_home->createFolders(&m_error))
            return;
        m_programData = ProgramData::folder(m_executableDir);
        m_home->copyShippedData(m_programData);
    });
}

HomePreparation::~HomePreparation()
{
    finish();
}

void HomePreparation::finish()
{
    if (m_worker.joinable())
        m_worker.join();
}

const HomeFolder &HomePreparation::home()
{
    finish();
    return *m_home;
}

QString HomePreparation::error()
{
    finish();
    return m_error;
}

QString HomePreparation::programData()
{
    finish();
    return m_programData;
}

QString HomePreparation::executableFolder()
{
    // What QCoreApplication::applicationDirPath() reads on this system, without its object.
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
}
