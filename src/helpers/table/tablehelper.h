#pragma once

#include "helpers/frame/colourswatch.h"
#include "helpers/frame/helperpanel.h"
#include "helpers/frame/panelprompter.h"
#include "helpers/table/tablecode.h"

class ColourPicker;
class Prompter;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QToolButton;

// The table helper: wraps the selection in a table, in rows or in cells with the attributes
// set on the panel. The same fields mean different things in each mode. Reads a TABLE, TR or
// TD tag back.
class TableHelper : public HelperPanel
{
    Q_OBJECT

public:
    TableHelper(const PanelRow &row, PanelHost &host, QWidget *mainFrame, Prompter &prompter);
    ~TableHelper() override;

    QRadioButton *modeButton(TableMode mode) const;
    QSpinBox *bordercoledit() const { return m_bordercol; }
    QSpinBox *spacerowedit() const { return m_spacerow; }
    QSpinBox *itemedit() const { return m_items; }
    QLabel *bordercolLabel() const { return m_bordercolLabel; }
    QLabel *spacerowLabel() const { return m_spacerowLabel; }
    QLabel *paditemLabel() const { return m_paditemLabel; }
    QLineEdit *widthedit() const { return m_width; }
    QLineEdit *heightedit() const { return m_height; }
    QCheckBox *percentbox() const { return m_percent; }
    QCheckBox *percentbox2() const { return m_percent2; }
    QCheckBox *captionnowrap() const { return m_captionnowrap; }
    QCheckBox *belowtable() const { return m_belowtable; }
    QRadioButton *alignButton(const QString &align) const;
    QRadioButton *valignButton(const QString &valign) const;
    QCheckBox *colorbox() const { return m_colorbox; }
    QToolButton *colorButton() const { return m_colorButton; }
    QCheckBox *endtr() const { return m_endtr; }
    QCheckBox *endtd() const { return m_endtd; }
    QCheckBox *useNames() const { return m_useNames; }
    ColourPicker *picker() const;
    QLabel *alignLabel() const { return m_alignLabel; }

    TableFields fields() const;

protected:
    QStringList tagNames() const override;
    bool readTag(const FoundTag &tag) override;
    void applyCode() override;
    void forgetTag() override;
    void saveOwnSettings() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TableMode mode() const;
    void enterMode(TableMode mode);
    void checkSize(QLineEdit *edit, QCheckBox *percent, const QString &what);
    // A chosen colour turns "color" on.
    void setColour(std::uint32_t rgb, bool turnOn = true);
    static void clearGroup(QButtonGroup *group);

    PanelPrompter m_prompter;
    QButtonGroup *m_modes = nullptr;
    QSpinBox *m_bordercol = nullptr, *m_spacerow = nullptr, *m_items = nullptr;
    QLabel *m_bordercolLabel = nullptr, *m_spacerowLabel = nullptr, *m_paditemLabel = nullptr;
    QWidget *m_sizes = nullptr;
    QLineEdit *m_width = nullptr, *m_height = nullptr;
    QCheckBox *m_percent = nullptr, *m_percent2 = nullptr;
    QCheckBox *m_captionnowrap = nullptr, *m_belowtable = nullptr;
    QLabel *m_alignLabel = nullptr;
    QButtonGroup *m_aligns = nullptr, *m_valigns = nullptr;
    QCheckBox *m_colorbox = nullptr;
    ColourSwatch *m_colorButton = nullptr;
    QCheckBox *m_endtr = nullptr, *m_endtd = nullptr, *m_useNames = nullptr;
    QList<TagAttribute> m_others; // kept from a read tag while it is edited
};
