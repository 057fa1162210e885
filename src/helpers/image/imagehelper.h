#pragma once

#include "helpers/frame/helperpanel.h"
#include "helpers/frame/pathmodebox.h"
#include "helpers/image/imagecode.h"

class CodeSample;
class FileBrowser;
class PicturePreview;
class QCheckBox;
class QLabel;
class QComboBox;
class QSpinBox;

// The image helper: picks a picture from the file browser, previews it and builds its IMG
// tag (or a bare background attribute) with the chosen options. Reads an IMG tag back.
class ImageHelper : public HelperPanel
{
    Q_OBJECT

public:
    ImageHelper(const PanelRow &row, PanelHost &host, QWidget *mainFrame);

    FileBrowser *browser() const { return m_browser; }
    PathModeBox *pathlist() const { return m_pathlist; }
    QComboBox *aligns() const { return m_aligns; }
    QCheckBox *backcheck() const { return m_backcheck; }
    QCheckBox *hz() const { return m_hz; }
    QCheckBox *hsc() const { return m_hsc; }
    QCheckBox *vsc() const { return m_vsc; }
    QCheckBox *alts() const { return m_alts; }
    QSpinBox *borderedit() const { return m_border; }
    QCheckBox *previewCheck() const { return m_previewCheck; }
    PicturePreview *gifpan() const { return m_preview; }
    QString sampleText() const;
    // The text Insert Code puts into the document.
    QString output() const { return m_output; }

    // The fields as plain data; `displayed` gives the reference the sample shows.
    ImageFields fields(bool displayed) const;

protected:
    QString tagName() const override { return QStringLiteral("IMG"); }
    bool readTag(const FoundTag &tag) override;
    QString buildCode() override;
    void forgetTag() override;
    void saveOwnSettings() override;
    void showEvent(QShowEvent *event) override;

private:
    void build();
    void fileTouched();
    void loadPreview();
    void setPreviewOn(bool on);
    void togglePreviewSize();
    QWidget *optionsArea();

    FileBrowser *m_browser = nullptr;
    PathModeBox *m_pathlist = nullptr;
    QCheckBox *m_backcheck = nullptr;
    QComboBox *m_aligns = nullptr;
    QCheckBox *m_hz = nullptr, *m_hsc = nullptr, *m_vsc = nullptr, *m_alts = nullptr;
    QSpinBox *m_border = nullptr;
    QCheckBox *m_previewCheck = nullptr;
    PicturePreview *m_preview = nullptr;
    CodeSample *m_sample = nullptr;
    QWidget *m_left = nullptr;
    QWidget *m_options = nullptr;
    QString m_output;
    bool m_shownOnce = false;

    // Kept from a read tag: its reference while no file is chosen, its size, the values of
    // the attributes the panel only switches, and the attributes it does not know.
    std::optional<QString> m_tagReference;
    QSize m_tagSize;
    QString m_hspace, m_vspace, m_alt;
    QList<TagAttribute> m_others;
};
