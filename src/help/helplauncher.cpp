#include "help/helplauncher.h"

#include "help/helptopics.h"
#include "help/helpwindow.h"

HelpLauncher::HelpLauncher(QString folder, QWidget *window)
    : QObject(window), m_folder(std::move(folder)), m_window(window)
{
}

void HelpLauncher::show(int topic)
{
    if (!m_help)
        m_help = new HelpWindow(m_folder, m_window, m_generated);
    m_help->showTopic(topic);
}

HelpWindow *HelpLauncher::window() const
{
    return m_help;
}

void HelpLauncher::setGeneratedPage(const QString &file, std::function<QString()> html)
{
    m_generated.insert(file, std::move(html));
}

void HelpLauncher::showContents()
{
    show(HelpTopic::None);
}
