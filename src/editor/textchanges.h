#pragma once

#include <QObject>

#include <optional>

class QsciScintillaBase;

// One insertion into or deletion from an editor widget's text, reported once the text holds
// it. The inserted bytes are the widget's [position, position + length).
struct TextChange
{
    bool inserted = false;
    qint64 position = 0;
    qint64 length = 0;
    qint64 linesAdded = 0; // negative for lines removed
};

// Reports every change to a widget's text after it is made, without the widget's own
// after-change notices: for each of those the widget's accessibility support counts the
// characters from the start of the text to the change, screen reader or not, which makes a
// keystroke at the end of a 50 MB page cost a quarter of a second. The widget is asked for its
// before-change notices instead; a change is reported when the next one begins, when the
// widget receives its next event, when an owner asks (flush), or at the latest when control
// returns to the event loop. Every listener of a widget's text goes through this one relay.
class TextChanges : public QObject
{
    Q_OBJECT

public:
    // The widget's relay, made on first use and owned by the widget.
    static TextChanges &of(QsciScintillaBase *widget);

    // Reports the change in hand now; readers of state kept from the reports call this first.
    void flush();

Q_SIGNALS:
    void changed(const TextChange &change);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit TextChanges(QsciScintillaBase *widget);
    void onModified(int position, int type, int length);
    long lineCount() const;

    struct Pending
    {
        bool inserted;
        qint64 position;
        qint64 length;
        long linesBefore;
    };

    QsciScintillaBase *m_widget;
    std::optional<Pending> m_pending;
    bool m_flushQueued = false;
};
