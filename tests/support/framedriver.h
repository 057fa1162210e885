#pragma once

#include "shell/mainframe.h"

#include <memory>

// The pieces of a main frame that a test looks at or calls directly. The frame hands out
// nothing but what the program's start needs; the tests reach its features through here.
class FrameDriver
{
public:
    explicit FrameDriver(MainFrame &frame) : m_frame(frame) {}

    DocumentRegistry &documents() const { return *m_frame.m_documents; }
    DocumentFiles &files() const { return *m_frame.m_files; }
    DocumentSaving &saving() const { return *m_frame.m_saving; }
    DocumentClosing &closer() const { return *m_frame.m_closing; }
    DocumentPrinting &printing() const { return *m_frame.m_printing; }
    TabStrips &tabs() const { return *m_frame.m_tabs; }
    WindowArranger &arranger() const { return *m_frame.m_arranger; }
    TagController &tags() const { return *m_frame.m_tags; }
    CommandActions &commands() const { return *m_frame.m_commands; }
    SpeedBar &speedBar() const { return *m_frame.m_bar; }
    FindController &finding() const { return *m_frame.m_find; }
    GoToLineCommand &goToLine() const { return *m_frame.m_goToLine; }
    PanelManager &panels() const { return *m_frame.m_panels; }
    SpellingController &spelling() const { return *m_frame.m_spelling; }
    PageCheckController &pageCheck() const { return *m_frame.m_pageCheck; }
    DocumentJournal &journal() const { return *m_frame.m_journal; }
    DocumentContextMenu &contextMenu() const { return *m_frame.m_contextMenu; }
    DocumentStatusBar &status() const { return *m_frame.m_status; }
    PreviewController &previews() const { return *m_frame.m_preview; }
    HelperPrograms &helpers() const { return *m_frame.m_helpers; }
    ProjectCommands &projects() const { return *m_frame.m_projects; }
    ExamplePickers &pickers() const { return *m_frame.m_pickers; }
    ReturnButtons &returnButtons() const { return *m_frame.m_returnButtons; }
    HelpLauncher &help() const { return *m_frame.m_help; }
    DownloadTimeCommand &downloadTime() const { return *m_frame.m_downloadTime; }
    QMenu *menu(const QString &name) const { return m_frame.m_menus.value(name); }
    MemoryEditor &storememo() const { return m_frame.m_storememo; }
    TemporaryFiles &temporaryFiles() const { return m_frame.m_temporaries; }

private:
    MainFrame &m_frame;
};

inline FrameDriver drive(MainFrame &frame)
{
    return FrameDriver(frame);
}

inline FrameDriver drive(MainFrame *frame)
{
    return FrameDriver(*frame);
}

inline FrameDriver drive(const std::unique_ptr<MainFrame> &frame)
{
    return FrameDriver(*frame);
}
