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
class QLineEdit;
class QPushButton;
class QSpinBox;

// The image helper: picks a picture from the file browser, previews it and builds its IMG
// tag (or a bare background attribute) with the chosen options. Reads an IMG tag back.
class ImageHelper : public HelperPanel
{
    Q_OBJECT

public:
    ImageHelper(const PanelRow &row, PanelHost &host, QWidget *mainFrame);
    ~ImageHelper() override;

    FileBrowser *browser() const { return m_browser; }
    PathModeBox *pathlist() const { return m_pathlist; }
    QComboBox *aligns() const { return m_aligns; }
    QCheckBox *backcheck() const { return m_backcheck; }
    QCheckBox *hz() const { return m_hz; }
    QCheckBox *hsc() const { return m_hsc; }
    QCheckBox *vsc() const { return m_vsc; }
    QCheckBox *alts() const { return m_alts; }
    QSpinBox *borderedit() const { return m_border; }
    QSpinBox *widthEdit() const { return m_width; }
    QLineEdit *addressEdit() const { return m_address; }
    QLineEdit *altEdit() const { return m_altEdit; }
    QSpinBox *heightEdit() const { return m_height; }
    QCheckBox *keepRatio() const { return m_keepRatio; }
    QPushButton *pictureSizeButton() const { return m_pictureSize; }
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
    void setSizeFields(QSize size);
    void usePictureSize();
    void sizeTyped(bool widthTyped);
    QWidget *optionsArea();

    FileBrowser *m_browser = nullptr;
    PathModeBox *m_pathlist = nullptr;
    QCheckBox *m_backcheck = nullptr;
    QComboBox *m_aligns = nullptr;
    QCheckBox *m_hz = nullptr, *m_hsc = nullptr, *m_vsc = nullptr, *m_alts = nullptr;
    QSpinBox *m_border = nullptr;
    QSpinBox *m_width = nullptr, *m_height = nullptr;
    QCheckBox *m_keepRatio = nullptr;
    QLineEdit *m_address = nullptr;
    QLineEdit *m_altEdit = nullptr;
    bool m_addressTyped = false; // the address field holds what the user typed
    QPushButton *m_pictureSize = nullptr;
    // The size fields follow the chosen picture until the user types a size or a tag's
    // size is read.
    bool m_sizeFromPicture = false;
    double m_ratio = 0; // width / height of the size last given by the picture or a tag
    bool m_reading = false;
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
    QString m_hspace, m_vspace;
    QList<TagAttribute> m_others;
};
