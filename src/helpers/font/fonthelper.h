#pragma once

#include "helpers/font/fontcode.h"
#include "helpers/frame/colourswatch.h"
#include "helpers/frame/helperpanel.h"

#include <cstdint>

class BasicColourGrid;
class CodeSample;
class ColourPicker;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QToolButton;

// The font helper: wraps the selection in a FONT tag with a face list, a colour and a size,
// showing the start tag as it is built. Reads a FONT tag back. The face list is kept between
// sessions.
class FontHelper : public HelperPanel
{
    Q_OBJECT

public:
    FontHelper(const PanelRow &row, PanelHost &host, QWidget *mainFrame);
    ~FontHelper() override;

    QCheckBox *faceCheck() const { return m_face; }
    QLabel *faceLabel() const { return m_faceLabel; }
    QLineEdit *facesEdit() const { return m_faces; }
    QComboBox *fontList() const { return m_fontList; }
    QCheckBox *useColour() const { return m_useColour; }
    QToolButton *colourButton() const { return m_colourButton; }
    BasicColourGrid *basicGrid() const { return m_basic; }
    QCheckBox *useNames() const { return m_useNames; }
    // 1 to 7, or 0 for "no size".
    QRadioButton *sizeButton(int size) const;
    CodeSample *sample() const { return m_sample; }
    ColourPicker *picker() const;

    FontFields fields() const;

protected:
    QString tagName() const override { return QStringLiteral("FONT"); }
    bool readTag(const FoundTag &tag) override;
    QString buildCode() override;
    void applyCode() override;
    void forgetTag() override { m_others.clear(); }
    void saveOwnSettings() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showFace();
    void setColour(std::uint32_t rgb);
    void chooseFace(int index);

    QCheckBox *m_face = nullptr;
    QLabel *m_faceLabel = nullptr;
    QLineEdit *m_faces = nullptr;
    QComboBox *m_fontList = nullptr;
    QCheckBox *m_useColour = nullptr;
    ColourSwatch *m_colourButton = nullptr;
    BasicColourGrid *m_basic = nullptr;
    QCheckBox *m_useNames = nullptr;
    QButtonGroup *m_sizes = nullptr;
    CodeSample *m_sample = nullptr;
    QList<TagAttribute> m_others; // kept from a read tag while it is edited
};
