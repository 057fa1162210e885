#pragma once

#include "helpers/document/documentcode.h"
#include "helpers/frame/helperpanel.h"
#include "helpers/frame/pathmodebox.h"

#include <QPixmap>

#include <array>

class BasicColourGrid;
class ColourPicker;
class CodeSample;
class FileBrowser;
class QCheckBox;
class QComboBox;
class QLabel;
class QToolButton;

// The page preview of the document helper: the chosen colours on the tiled background.
class BodyPreview : public QWidget
{
    Q_OBJECT

public:
    explicit BodyPreview(QWidget *parent = nullptr);
    void setBackColour(const QColor &colour);
    void setTile(const QPixmap &tile)
    {
        m_tile = tile;
        update();
    }
    const QPixmap &tile() const { return m_tile; }
    // The labels "Regular Text", "Regular Link", "Active Link", "Visited Link".
    QLabel *label(int i) const { return m_labels[std::size_t(i)]; }
    void setNote(const QString &note);

Q_SIGNALS:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QColor m_back;
    QPixmap m_tile;
    std::array<QLabel *, 4> m_labels{};
    QLabel *m_note;
};

// The document helper: builds the page's BODY tag from five colours and an optional
// background picture, and shows them on a preview. Reads a BODY tag back.
class DocumentHelper : public HelperPanel
{
    Q_OBJECT

public:
    // The five colours in the order of the tag: back, text, link, alink, vlink.
    enum Colour { Back, Text, Link, ALink, VLink, ColourCount };

    DocumentHelper(const PanelRow &row, PanelHost &host, QWidget *mainFrame);

    FileBrowser *browser() const { return m_browser; }
    PathModeBox *pathlist() const { return m_pathlist; }
    QCheckBox *useImage() const { return m_useImage; }
    QCheckBox *useNames() const { return m_useNames; }
    QCheckBox *colourCheck(Colour c) const { return m_rows[c].check; }
    QToolButton *colourButton(Colour c) const { return m_rows[c].button; }
    BasicColourGrid *colourGrid(Colour c) const { return m_rows[c].grid; }
    QToolButton *paletteButton(Colour c) const { return m_rows[c].palette; }
    ColourPicker *picker() const { return m_picker; }
    BodyPreview *bkpan() const { return m_preview; }
    QString sampleText() const;
    QString output() const { return m_output; }

    BodyFields fields(bool displayed) const;
    void setColour(Colour c, std::uint32_t rgb);

protected:
    QString tagName() const override { return QStringLiteral("BODY"); }
    bool readTag(const FoundTag &tag) override;
    QString buildCode() override;
    void forgetTag() override;
    bool keepsSelection() const override { return false; }
    void saveOwnSettings() override;
    void showEvent(QShowEvent *event) override;

private:
    struct ColourRow
    {
        QCheckBox *check = nullptr;
        QToolButton *button = nullptr;
        BasicColourGrid *grid = nullptr;
        QToolButton *palette = nullptr;
        std::uint32_t rgb = 0xFFFFFF;
    };
    QWidget *colourArea();
    void build();
    void loadBackground();
    void setUseImage(bool on);
    void togglePreviewSize();
    QString reference(bool displayed) const;

    FileBrowser *m_browser = nullptr;
    PathModeBox *m_pathlist = nullptr;
    QCheckBox *m_useImage = nullptr;
    QCheckBox *m_useNames = nullptr;
    std::array<ColourRow, ColourCount> m_rows;
    ColourPicker *m_picker = nullptr;
    BodyPreview *m_preview = nullptr;
    CodeSample *m_sample = nullptr;
    QWidget *m_left = nullptr;
    QWidget *m_colours = nullptr;
    QString m_output;
    bool m_shownOnce = false;
    std::optional<QString> m_tagReference;
    QList<TagAttribute> m_others;
    std::array<QString, ColourCount> m_written; // colours as a read tag wrote them
};
