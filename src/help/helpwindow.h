#pragma once

#include "help/helpindex.h"

#include <QWidget>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

// The program's help: the pages of the help folder in a browser, with the contents as a
// tree and a search over every page. The main frame makes it the first time help is asked
// for and keeps it, hidden between uses.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    HelpWindow(QString folder, QWidget *parent = nullptr, GeneratedPages generated = {});

    // Shows the page a dialog or panel asks for by its topic number; an unknown number
    // shows the contents.
    void showTopic(int topic);
    void showContents();
    void showPage(const QString &file);
    // Lists the pages holding every word on the Search tab.
    void search(const QString &words);

    // The file name of the page shown, empty while a message stands in for one.
    QString currentPage() const;

    QTextBrowser *browser() const { return m_browser; }
    QTreeWidget *contents() const { return m_contents; }
    QLineEdit *searchField() const { return m_searchField; }
    QListWidget *results() const { return m_results; }
    QTabWidget *tabs() const { return m_tabs; }

private:
    void bringForward();
    void followLink(const QUrl &url);
    void markInContents(const QString &file);
    void openResult();

    QString m_folder;
    GeneratedPages m_generated;
    HelpIndex m_index;
    QTextBrowser *m_browser;
    QTabWidget *m_tabs;
    QTreeWidget *m_contents;
    QLineEdit *m_searchField;
    QListWidget *m_results;
    QString m_lastSearch;
};
