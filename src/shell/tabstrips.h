#pragma once

#include <QObject>
#include <QString>

class QMenu;
class QTabBar;
class QWidget;
class DocumentRegistry;
class DocumentWindow;

// The two document tab strips, kept in step: the lower one in the status bar and the upper
// one above the documents. Each tab holds its document window; only the strip of the chosen
// location is shown, and only while documents are shown maximised.
class TabStrips : public QObject
{
    Q_OBJECT

public:
    // Put in front of a tab's text while its document has unsaved changes.
    static inline const QString ModifiedMarker = QStringLiteral("\u2022 ");

    TabStrips(QTabBar *lower, QTabBar *upper, QWidget *upperPanel, QObject *parent = nullptr);

    // Every document of the registry gets a tab that shows its name and modified marker.
    void follow(DocumentRegistry &documents);
    void add(DocumentWindow *document, const QString &text);
    void remove(DocumentWindow *document);
    void setCurrent(DocumentWindow *document);
    void setText(DocumentWindow *document, const QString &text);
    QString text(DocumentWindow *document) const;
    int count() const;
    // The document of a tab, in creation order; null out of range.
    DocumentWindow *documentAt(int index) const;
    int currentIndex() const;

    void markModified(DocumentWindow *document);
    void clearModified(DocumentWindow *document);

    void setUpper(bool upper);
    bool isUpper() const { return m_upper; }
    void setShown(bool shown);
    bool isShown() const { return m_shown; }

    QTabBar *lower() const { return m_lower; }
    QTabBar *upper() const { return m_upperBar; }

    // The menu both strips show on a right click.
    void setPopupMenu(QMenu *menu);

Q_SIGNALS:
    void documentChosen(DocumentWindow *document);
    // A tab's close button or a middle click on the tab.
    void closeRequested(DocumentWindow *document);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int indexOf(const QTabBar *bar, const DocumentWindow *document) const;
    void choose(const QTabBar *bar, int index);
    void applyVisibility();

    QTabBar *m_lower;
    QTabBar *m_upperBar;
    QWidget *m_upperPanel;
    bool m_upper = false;
    bool m_shown = false;
};
