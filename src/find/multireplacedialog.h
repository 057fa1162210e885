#pragma once

#include "find/filesreplace.h"
#include "find/replacelist.h"

#include <QDialog>
#include <QTimer>

#include <functional>
#include <memory>

class FileBrowser;
class FindController;
class Prompter;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;

// What the multi-file replace dialog needs of the program.
struct MultiReplaceHost
{
    FindController &find;
    Prompter &prompter;
    ReplaceList::IsOpen isOpen;
    ReplaceList::ProjectEntries projectEntries; // unset while projects cannot be read
    std::function<void(int topic)> help;
};

// The multi-file replace dialog: pick pages (and projects, for their pages) into the replace
// list, then replace in all of them on a thread pool, with a progress bar and Cancel, ending
// with a summary. Several may be open; each frees itself when closed.
class MultiReplaceDialog : public QDialog
{
    Q_OBJECT

public:
    MultiReplaceDialog(MultiReplaceHost host, QWidget *parent);
    ~MultiReplaceDialog() override;

    void setvalues();
    void addOne();
    void addAll();
    void removeOne();
    void removeAll();
    void replace();
    void cancelRun();

    FileBrowser *browser() const { return m_browser; }
    const ReplaceList &list() const { return m_list; }
    bool isRunning() const { return bool(m_run); }

Q_SIGNALS:
    // The run has ended and its summary has been shown.
    void replaced();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showList();
    void tellAdded(const ReplaceList::Added &added);
    void showOpenMessage(const QString &firstLine);
    void runFinished(ReplaceSummary summary);
    void setRunning(bool running);
    void showFullPath();
    void closeSteps();

    MultiReplaceHost m_host;
    ReplaceList m_list;
    QLineEdit *m_find;
    QLineEdit *m_replace;
    QCheckBox *m_wholeWord;
    QCheckBox *m_matchCase;
    FileBrowser *m_browser;
    QLabel *m_folderLabel;
    QListWidget *m_replist;
    QLabel *m_hint;
    QLabel *m_fullPath;
    QWidget *m_messagePanel;
    QLabel *m_messageLine;
    QProgressBar *m_progress;
    QPushButton *m_cancel;
    QList<QWidget *> m_idleOnly; // what may not be touched while a run goes on
    QTimer m_holdTimer;
    std::unique_ptr<FilesReplaceRun> m_run;
    QList<FileReplaceResult> m_refusedOpen;
};
