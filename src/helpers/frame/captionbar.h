#pragma once

#include <QPoint>
#include <QWidget>

class QToolButton;

// The caption bar drawn on every helper panel: the caption on a navy-to-gray gradient and
// three buttons, roll, close and help. Dragging it moves the panel; a double click rolls it.
class CaptionBar : public QWidget
{
    Q_OBJECT

public:
    enum class RollKind { RollUp, RollDown };

    CaptionBar(const QString &caption, QWidget *parent);

    QString caption() const { return m_caption; }
    RollKind rollKind() const { return m_kind; }
    void setRollKind(RollKind kind);
    QToolButton *rollButton() const { return m_roll; }
    QToolButton *closeButton() const { return m_close; }
    QToolButton *helpButton() const { return m_help; }
    QSize sizeHint() const override;

Q_SIGNALS:
    void rollClicked();
    void closeClicked();
    void helpClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QToolButton *makeButton(const QString &name, const QString &hint);

    QString m_caption;
    RollKind m_kind = RollKind::RollUp;
    QToolButton *m_roll;
    QToolButton *m_close;
    QToolButton *m_help;
    // Where the window's corner lies from the mouse while it is dragged by hand.
    QPoint m_dragOffset;
    bool m_dragging = false;
};
