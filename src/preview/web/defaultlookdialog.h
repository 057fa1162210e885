#pragma once

#include <QColor>
#include <QDialog>
#include <QString>

class QFontComboBox;
class QPushButton;
class QSpinBox;

// What a page looks like where it says nothing itself: the font, its size and colour, the
// colour of links and the background.
struct DefaultLook
{
    QString family = QStringLiteral("Times New Roman");
    int pointSize = 12;
    QColor text = Qt::black;
    QColor link = Qt::blue;
    QColor background = QColor(192, 192, 192);
};

// The internal preview's "Default Font/Colors" dialog: edits a DefaultLook. The colour buttons
// open the colour dialog; OK hands the look back through accepted(). Owned by the preview
// window, which opens it without waiting.
class DefaultLookDialog : public QDialog
{
    Q_OBJECT

public:
    DefaultLookDialog(const DefaultLook &look, QWidget *parent);

    DefaultLook look() const;
    QFontComboBox *familyBox() const { return m_family; }
    QSpinBox *sizeBox() const { return m_size; }
    QPushButton *colourButton(const QString &name) const;

private:
    void chooseColour(QPushButton *button, QColor *colour);
    static void showColour(QPushButton *button, const QColor &colour);

    QFontComboBox *m_family;
    QSpinBox *m_size;
    QPushButton *m_textButton, *m_linkButton, *m_backgroundButton;
    QColor m_text, m_link, m_background;
};
