#include "find/findcontroller.h"

#include "commands/commandactions.h"
#include "commands/commandids.h"
#include "editor/activeeditor.h"
#include "find/findwindows.h"
#include "help/helptopics.h"

#include <QWidget>

FindController::FindController(SettingsFile &settings, TextEditor &storememo, Prompter &prompter,
                               const ActiveEditor &editors, QWidget *frame)
    : QObject(frame), m_settings(settings), m_active([&editors] { return editors.activeEditor(); }),
      m_finder(m_state, storememo, prompter, m_active), m_frame(frame)
{
}

FindController::~FindController()
{
    // The windows are children of the frame; they must not reach back into a freed state.
    delete m_dialog;
    delete m_bar;
}

void FindController::FindbutClick()
{
    if (!hasDocument() || m_dialog || m_bar)
        return;
    m_dialog = new FindDialog(*this, m_frame);
    connect(m_dialog, &FindDialog::closed, this, [this] { m_dialog = nullptr; });
    m_dialog->show();
    m_dialog->activateWindow();
}

void FindController::FagainbutClick()
{
    if (!hasDocument() || m_dialog)
        return;
    if (m_bar) {
        m_finder.find(FindStep::FindOnly);
        return;
    }
    m_bar = new FindBar(*this, m_places, m_frame);
    connect(m_bar, &FindBar::closed, this, [this] { m_bar = nullptr; });
    // The bar lies in the frame's central widget, which may go before this controller.
    connect(m_bar, &QObject::destroyed, this, [this] { m_bar = nullptr; });
    m_bar->show();
    // F3 opens the bar for typing what to find.
    m_bar->focusFindField();
}

void FindController::showHelp() const
{
    if (m_help)
        m_help(HelpTopic::FindReplace);
}

void FindController::closeAll()
{
    if (m_dialog)
        m_dialog->close();
    if (m_bar)
        m_bar->close();
}

void FindController::dropAll()
{
    for (QWidget *window : {static_cast<QWidget *>(m_dialog), static_cast<QWidget *>(m_bar)}) {
        if (!window)
            continue;
        window->disconnect(this);
        // Without `finished` the close steps never run.
        window->blockSignals(true);
        window->hide();
        window->deleteLater();
    }
    m_dialog = nullptr;
    m_bar = nullptr;
    m_state.findDialogOpen = false;
}

void FindController::setBarPlaces(const FindBarPlaces &places, std::function<void()> returnFocus)
{
    m_places = places;
    m_returnFocus = std::move(returnFocus);
}

void FindController::returnFocus() const
{
    // The bar lies in the frame: the frame's last focus may well be one of its own buttons.
    if (m_returnFocus) {
        m_returnFocus();
        return;
    }
    if (!m_frame)
        return;
    m_frame->activateWindow();
    if (QWidget *focus = m_frame->focusWidget())
        focus->setFocus();
}

void FindController::registerHandlers(CommandActions &commands)
{
    commands.setHandler(Cmd::FindbutClick, [this] { FindbutClick(); });
    commands.setHandler(Cmd::FagainbutClick, [this] { FagainbutClick(); });
}
