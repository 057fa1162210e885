#pragma once

#include "find/findbarplaces.h"
#include "widgets/dragoutline.h"

#include <QDialog>

class FindController;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QToolButton;

// Checking " check from top" clears " check upwards" and the other way round; unchecking
// either changes nothing else.
void excludeFromTopAndUpwards(QCheckBox *fromTop, QCheckBox *upwards);

// The find-and-replace dialog: a fixed-size, always-on-top, modeless window. Its close steps
// (copy the fields to the find state, write the options) run on every way of closing; then it
// frees itself.
class FindDialog : public QDialog
{
    Q_OBJECT

public:
    explicit FindDialog(FindController &controller, QWidget *parent);

    // Copies the fields into the saved texts and the boxes into the find state.
    void setvalues();

    // "&Find && Replace": one search; on a hit the dialog closes and the find-again bar opens.
    void findAndReplace();
    // "Replace Re&maining": every hit from the caret on; the dialog stays open.
    void replaceRemaining();

Q_SIGNALS:
    // The close steps have run; the window is about to be freed.
    void closed();

private:
    void closeSteps();

    FindController &m_controller;
    QLineEdit *m_find;
    QLineEdit *m_replace;
    QCheckBox *m_wholeWord;
    QCheckBox *m_matchCase;
    QCheckBox *m_fromTop;
    QCheckBox *m_upwards;
};

// The find-again bar: a strip of the main window that opens collapsed to half its full height,
// hiding the options panel until the show button is pressed. It opens under the toolbar, or
// above the status bar when it was last closed there; dragging it by its panel takes it to
// the strip nearer to where the mouse lets go.
class FindBar : public QDialog
{
    Q_OBJECT

public:
    enum class Edge { Top, Bottom };

    FindBar(FindController &controller, const FindBarPlaces &places, QWidget *frame);

    void setvalues();

    void findNext();
    void replaceAndFindNext();
    void replaceRemaining();
    void showOptions();
    void hideOptions();

    int fullHeight() const { return m_fullHeight; }
    Edge edge() const { return m_edge; }
    void moveTo(Edge edge);
    void focusFindField();

Q_SIGNALS:
    void closed();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void closeSteps();
    // The edge of the main window nearer to a point on the screen.
    Edge edgeNearer(int globalY) const;

    FindController &m_controller;
    FindBarPlaces m_places;
    QWidget *m_frame;
    Edge m_edge = Edge::Top;
    QLineEdit *m_find;
    QLineEdit *m_replace;
    QPushButton *m_findNext;
    QPushButton *m_replaceNext;
    QToolButton *m_showOptions;
    QToolButton *m_hideOptions;
    QCheckBox *m_wholeWord;
    QCheckBox *m_matchCase;
    QCheckBox *m_fromTop;
    QCheckBox *m_upwards;
    int m_fullHeight = 0;
    DragOutline m_outline;
};
