#pragma once

#include "base/homefolder.h"
#include "base/settingsfile.h"
#include "documents/documentregistry.h"
#include "downloadtime/downloadtimecommand.h"
#include "files/documentclosing.h"
#include "files/documentprinting.h"
#include "files/documentsaving.h"
#include "help/helplauncher.h"
#include "scriptedprompter.h"
#include "shell/mainframe.h"
#include "statusbar/documentstatusbar.h"

#include <QObject>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// The main frame in a fresh home folder of its own, for the tests that drive the program as
// a user would. Messages and questions go to the scripted prompter.
class FrameTestBase : public QObject
{
protected:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<HomeFolder> m_home;
    std::unique_ptr<SettingsFile> m_settings;
    ScriptedPrompter m_prompter;

    // A new temporary folder; the home folder is the folder itself or a subfolder of it.
    void resetHome(const QString &subfolder = QString())
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_home = std::make_unique<HomeFolder>(subfolder.isEmpty() ? m_dir->path()
                                                                  : m_dir->filePath(subfolder));
        QString error;
        QVERIFY(m_home->createFolders(&error));
        m_settings = std::make_unique<SettingsFile>(m_home->settingsPath());
        m_prompter = ScriptedPrompter();
    }

    std::unique_ptr<MainFrame> startFrame()
    {
        auto frame = std::make_unique<MainFrame>(*m_home, *m_settings, m_prompter);
        frame->showAtStart(false);
        return frame;
    }
};
