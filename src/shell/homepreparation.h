#pragma once

#include "base/homefolder.h"

#include <QString>

#include <optional>
#include <thread>

// Chooses the home folder, makes its folders and copies the shipped data into it on a second
// thread while the application connects to the display: a first start writes a dozen files,
// each synced to the disk. Nothing here needs the application object, but the user data
// folder is named after the program, so the program's name must be set before.
class HomePreparation
{
public:
    // `executableDir`: the program's own folder.
    explicit HomePreparation(QString executableDir);
    ~HomePreparation();
    HomePreparation(const HomePreparation &) = delete;
    HomePreparation &operator=(const HomePreparation &) = delete;

    // Each waits for the work to end. The error is empty when the folders are there.
    const HomeFolder &home();
    QString error();
    QString programData();

    // The folder of the running program, read from the system before the application object
    // exists; empty when the system does not tell.
    static QString executableFolder();

private:
    void finish();

    QString m_executableDir;
    std::optional<HomeFolder> m_home;
    QString m_error;
    QString m_programData;
    std::thread m_worker;
};
