#pragma once

#include "helpers/colour/colourvalue.h"
#include "helpers/frame/helperpanel.h"

#include <cstdint>

class BasicColourGrid;
class CodeSample;
class PaletteGrid;
class QButtonGroup;
class QCheckBox;
class QPushButton;
class QRadioButton;
class QToolButton;

// The colour helper: a colour chosen from the sixteen basic colours, the safe palette or the
// named colours becomes a colour value or one colour attribute, shown in the sample and
// inserted at the caret. Read tag takes over the colour attribute or bare colour the caret
// stands in; Insert Code then replaces just that piece.
class ColourHelper : public HelperPanel
{
    Q_OBJECT

public:
    ColourHelper(const PanelRow &row, PanelHost &host, QWidget *mainFrame);

    QToolButton *colourButton() const { return m_colourButton; }
    BasicColourGrid *basicGrid() const { return m_basic; }
    QPushButton *safePaletteButton() const { return m_safeButton; }
    QPushButton *namedColoursButton() const { return m_namesButton; }
    QCheckBox *useNames() const { return m_useNames; }
    QRadioButton *targetButton(ColourTarget target) const;
    CodeSample *sample() const { return m_sample; }
    // The grid shown in the panel, made the first time it is asked for.
    PaletteGrid *grid(bool names);

    ColourFields fields() const;
    std::uint32_t colour() const { return m_rgb; }

protected:
    QString buildCode() override;
    void applyCode() override;
    std::optional<FoundTag> pieceAtCaret(const QString &text, int selectionStart,
                                         int selectionEnd) const override;
    QString editingText(const QString &name, int line) const override;
    bool readTag(const FoundTag &piece) override;
    void forgetTag() override { m_piece.reset(); }
    bool keepsSelection() const override { return false; }
    void saveOwnSettings() override;

private:
    void setColour(std::uint32_t rgb);
    void showGrid(bool names);

    QToolButton *m_colourButton = nullptr;
    BasicColourGrid *m_basic = nullptr;
    QPushButton *m_safeButton = nullptr;
    QPushButton *m_namesButton = nullptr;
    QCheckBox *m_useNames = nullptr;
    QButtonGroup *m_targets = nullptr;
    CodeSample *m_sample = nullptr;
    PaletteGrid *m_grids[2] = {nullptr, nullptr};
    std::uint32_t m_rgb = 0xFFFFFF;
    std::optional<FoundTag> m_piece; // the attribute or value read, while it is edited
};
