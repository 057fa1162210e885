#pragma once

#include <QObject>
#include <QString>

class ClickLabel;
class QDate;
class QLocale;
class CommandActions;
class DocumentRegistry;
class DocumentWindow;
class QLabel;
class QStatusBar;
class QTabBar;
class QWidget;

// The main window's status bar: the lower tab strip, the active document's encoding and line
// break, the note that a large page opened unwrapped, its caret's line and column, and the
// date, which a click inserts. It follows the active document through the registry; its
// clicks run commands of the command table. Owned by the main frame.
class DocumentStatusBar : public QObject
{
    Q_OBJECT

public:
    DocumentStatusBar(QStatusBar *bar, DocumentRegistry &documents, CommandActions &commands);

    // The strip the tab strips put at the bottom.
    QTabBar *lowerTabs() const { return m_lowerTabs; }
    // The panels that Go to Line and the line endings menu open beside.
    QWidget *caretPanel() const;
    QWidget *formatPanel() const;

    QString caretText() const;
    QString formatText() const;
    // The weekday and the date in the locale's short format, and two blanks.
    static QString dateText(const QDate &date, const QLocale &locale);
    QString dateText() const;
    // Inserts the date (without the blanks) at the caret of the active document, selected.
    void insertDate();

Q_SIGNALS:
    // A double click on the empty part beside the lower strip.
    void tabbedDisplayRequested();

private:
    void showDocument(DocumentWindow *document);
    void showCaret(DocumentWindow *document);
    void showFormat(DocumentWindow *document);

    DocumentRegistry &m_documents;
    CommandActions &m_commands;
    QTabBar *m_lowerTabs = nullptr;
    ClickLabel *m_caret = nullptr;
    ClickLabel *m_format = nullptr;
    ClickLabel *m_wrapNote = nullptr;
    ClickLabel *m_date = nullptr;
};
