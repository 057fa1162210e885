#pragma once

#include "helpers/frame/colourswatch.h"
#include "helpers/frame/helperpanel.h"
#include "helpers/frame/pathmodebox.h"
#include "helpers/frames/framescode.h"

#include <cstdint>
#include <functional>

class ColourPicker;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QStackedWidget;
class QToolButton;

// The frame helper: a frame set around the selection, frame tags in its place, or an inline
// frame around it, each with the options of its mode. Frames and inline frames can show a
// file chosen on disk, referred to by the path rule. Reads FRAMESET, FRAME and IFRAME back.
class FramesHelper : public HelperPanel
{
    Q_OBJECT

public:
    // Asks for a file with a title and a Qt filter; empty when cancelled.
    using FileChooser = std::function<QString(const QString &title, const QString &filter)>;

    FramesHelper(const PanelRow &row, PanelHost &host, QWidget *mainFrame, FileChooser chooseFile);
    ~FramesHelper() override;

    QRadioButton *modeButton(FramesMode mode) const;
    QStackedWidget *areas() const { return m_areas; }
    QSpinBox *itemsEdit() const { return m_items; }
    // The check box and field of an option by its attribute name, in the mode's area
    // ("frameborder" and "bordercolor" are shared); the field is an edit or a list.
    QCheckBox *optionCheck(FramesMode mode, const QString &attribute) const;
    QWidget *optionField(FramesMode mode, const QString &attribute) const;
    QRadioButton *rowsButton() const { return m_rows; }
    QRadioButton *colsButton() const { return m_cols; }
    QCheckBox *noFrame() const { return m_noFrame; }
    QCheckBox *noResize() const { return m_noResize; }
    QCheckBox *nameCheck(FramesMode mode) const;
    QCheckBox *useFile(FramesMode mode) const;
    PathModeBox *pathList(FramesMode mode) const;
    QToolButton *colourButton() const { return m_colourButton; }
    QCheckBox *useNames() const { return m_useNames; }
    ColourPicker *picker() const;

    FramesFields fields() const;

protected:
    QStringList tagNames() const override;
    bool readTag(const FoundTag &tag) override;
    void applyCode() override;
    void forgetTag() override;
    void saveOwnSettings() override;

private:
    struct Option
    {
        FramesMode mode;
        QString attribute;
        QCheckBox *check;
        QWidget *field;
    };
    struct FileArea
    {
        QCheckBox *name = nullptr;
        QCheckBox *useFile = nullptr;
        PathModeBox *path = nullptr;
    };
    FramesMode mode() const;
    void showMode();
    QCheckBox *addOption(QGridLayout *grid, int row, int column, FramesMode mode,
                         const char *attribute, QWidget *field, QWidget *parent);
    QLineEdit *addEdit(QGridLayout *grid, int row, int column, FramesMode mode,
                       const char *attribute, QWidget *parent);
    QComboBox *addList(QGridLayout *grid, int row, FramesMode mode, const char *attribute,
                       const QStringList &items, const QString &text, QWidget *parent);
    FileArea fileArea(QGridLayout *grid, int row, QWidget *parent, const char *nameObject,
                      const char *fileObject);
    FramesOption option(FramesMode mode, const char *attribute) const;
    void setOption(FramesMode mode, const char *attribute, const FramesOption &value);
    void setColour(std::uint32_t rgb, bool turnOn);
    // One reference per item; stops asking at the first Cancel.
    QStringList chooseSources(int items, PathMode pathMode);

    FileChooser m_chooseFile;
    QButtonGroup *m_modes = nullptr;
    QStackedWidget *m_areas = nullptr;
    QSpinBox *m_items = nullptr;
    QRadioButton *m_rows = nullptr, *m_cols = nullptr;
    QCheckBox *m_noFrame = nullptr, *m_noResize = nullptr;
    FileArea m_frameFile, m_iframeFile;
    QList<Option> m_options;
    QCheckBox *m_borderColour = nullptr;
    ColourSwatch *m_colourButton = nullptr;
    QCheckBox *m_useNames = nullptr;
    // Kept from a read tag while it is edited.
    QList<TagAttribute> m_others;
    QString m_layout, m_nameValue;
    QStringList m_sources;
};
