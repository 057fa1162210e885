#pragma once

#include "helpers/form/formcode.h"
#include "helpers/frame/helperpanel.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;

// The form helper: a form around the selection, or one or more form controls of a chosen
// kind in its place. Each kind shows the fields it uses. Reads FORM, INPUT, SELECT and
// TEXTAREA back.
class FormHelper : public HelperPanel
{
    Q_OBJECT

public:
    FormHelper(const PanelRow &row, PanelHost &host, QWidget *mainFrame);
    ~FormHelper() override;

    QRadioButton *kindButton(FormKind kind) const;
    QSpinBox *itemsEdit() const { return m_items; }
    QSpinBox *maxEdit() const { return m_max; }
    QLabel *maxLabel() const { return m_maxLabel; }
    QCheckBox *maxCheck() const { return m_maxCheck; }
    QSpinBox *sizeEdit() const { return m_size; }
    QLabel *sizeLabel() const { return m_sizeLabel; }
    QCheckBox *yesNo() const { return m_yesNo; }
    QLineEdit *groupEdit() const { return m_group; }
    QGroupBox *optionsArea() const { return m_options; }
    QCheckBox *disabled() const { return m_disabled; }
    QCheckBox *readonly() const { return m_readonly; }
    QCheckBox *tabindex() const { return m_tabindex; }
    QCheckBox *accesskey() const { return m_accesskey; }

    FormFields fields() const;

protected:
    QStringList tagNames() const override;
    bool readTag(const FoundTag &tag) override;
    void applyCode() override;
    void forgetTag() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::optional<FormKind> kind() const;
    // Shows the fields of the kind and puts in its starting values.
    void enterKind(FormKind kind);

    QButtonGroup *m_kinds = nullptr;
    QSpinBox *m_items = nullptr, *m_max = nullptr, *m_size = nullptr;
    QLabel *m_itemsLabel = nullptr, *m_maxLabel = nullptr, *m_sizeLabel = nullptr;
    QLabel *m_groupLabel = nullptr, *m_yesNote = nullptr;
    QCheckBox *m_maxCheck = nullptr, *m_yesNo = nullptr;
    QLineEdit *m_group = nullptr;
    QGroupBox *m_options = nullptr;
    QCheckBox *m_disabled = nullptr, *m_readonly = nullptr, *m_tabindex = nullptr,
              *m_accesskey = nullptr;
    QMap<QString, QString> m_values; // kept from a read tag while it is edited
    QList<TagAttribute> m_others;
};
