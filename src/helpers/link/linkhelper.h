#pragma once

#include "helpers/frame/helperpanel.h"
#include "helpers/frame/pathmodebox.h"
#include "helpers/link/linkcode.h"

#include <functional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

// The link helper: wraps the selection in a link with a chosen protocol and target, a named
// anchor or a style sheet link, and leaves the caret where the address is typed; or asks for
// a file on disk and links to it by the path rule. Reads an A tag back.
class LinkHelper : public HelperPanel
{
    Q_OBJECT

public:
    // Asks for the file to link to with a Qt filter; empty when cancelled.
    using FileChooser = std::function<QString(const QString &filter)>;

    LinkHelper(const PanelRow &row, PanelHost &host, QWidget *mainFrame, FileChooser chooseFile);

    QRadioButton *hrefbut() const { return m_hrefbut; }
    QRadioButton *namebut() const { return m_namebut; }
    QRadioButton *protocolButton(LinkProtocol p) const;
    QGroupBox *hrefpan() const { return m_hrefpan; }
    QCheckBox *targetcheck() const { return m_targetcheck; }
    QComboBox *cboTarget() const { return m_cboTarget; }
    QLineEdit *addressEdit() const { return m_address; }
    QWidget *usefilepan() const { return m_usefilepan; }
    QCheckBox *usefilecheck() const { return m_usefilecheck; }
    PathModeBox *pathlist() const { return m_pathlist; }

    // The fields as plain data; the address is the read tag's while it is edited.
    LinkFields fields() const;

protected:
    QString tagName() const override { return QStringLiteral("A"); }
    bool readTag(const FoundTag &tag) override;
    void applyCode() override;
    void forgetTag() override;
    void saveOwnSettings() override;

private:
    LinkProtocol protocol() const;
    void protocolUpdate();
    void setTargetFromSettings();
    bool fileInEffect() const;

    FileChooser m_chooseFile;
    QRadioButton *m_hrefbut = nullptr;
    QRadioButton *m_namebut = nullptr;
    QGroupBox *m_hrefpan = nullptr;
    QButtonGroup *m_protocols = nullptr;
    QCheckBox *m_targetcheck = nullptr;
    QComboBox *m_cboTarget = nullptr;
    QLineEdit *m_address = nullptr;
    QWidget *m_usefilepan = nullptr;
    QCheckBox *m_usefilecheck = nullptr;
    PathModeBox *m_pathlist = nullptr;

    // The one box is "target=" or, for mailto, `subject=""`; each keeps its own state.
    bool m_targetOn = false;
    bool m_subjectOn = false;
    // Kept from a read tag while it is edited: its address and the attributes the panel does
    // not know.
    QList<TagAttribute> m_others;
};
