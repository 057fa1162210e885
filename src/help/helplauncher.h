#pragma once

#include "help/helpindex.h"

#include <QObject>
#include <QPointer>
#include <QString>

class HelpWindow;
class QWidget;

// Opens the help: makes the help window the first time it is asked for (so that starting
// the program costs nothing for it) and shows it again afterwards. Owned by the main frame.
class HelpLauncher : public QObject
{
    Q_OBJECT

public:
    // The pages are read from `folder`, where the program's data was installed.
    HelpLauncher(QString folder, QWidget *window);

    // The page of a dialog's or panel's topic number; an unknown number shows the contents.
    void show(int topic);
    void showContents();
    // Null until help was first asked for.
    HelpWindow *window() const;
    // A page of the table that the program writes each time it is shown.
    void setGeneratedPage(const QString &file, std::function<QString()> html);

private:
    QString m_folder;
    GeneratedPages m_generated;
    QWidget *m_window;
    QPointer<HelpWindow> m_help;
};
