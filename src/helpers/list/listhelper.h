#pragma once

#include "helpers/frame/helperpanel.h"
#include "helpers/list/listcode.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QRadioButton;
class QSpinBox;

// The list helper: wraps the selection in a bullet, numbered or definition list with a
// number of items, or in list items alone; the selection becomes the first item. Reads a UL,
// OL, DL or LI tag back.
class ListHelper : public HelperPanel
{
    Q_OBJECT

public:
    ListHelper(const PanelRow &row, PanelHost &host, QWidget *mainFrame);
    ~ListHelper() override;

    QRadioButton *modeButton(ListMode mode) const;
    QRadioButton *kindButton(ListKind kind) const;
    // The type radio with that caption ("disc", "1,2,3", "definition") in the group shown for
    // the mode: the list mode's bullet types, or the item mode's.
    QRadioButton *typeButton(const QString &caption) const;
    QSpinBox *startEdit() const { return m_start; }
    QSpinBox *itemEdit() const { return m_items; }
    QSpinBox *tabsEdit() const { return m_tabs; }
    QCheckBox *endli() const { return m_endli; }
    QCheckBox *compact() const { return m_compact; }
    QLabel *typeLabel() const { return m_typeLabel; }

    ListFields fields() const;

protected:
    QStringList tagNames() const override;
    bool readTag(const FoundTag &tag) override;
    void applyCode() override;
    void forgetTag() override;
    void saveOwnSettings() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ListMode mode() const;
    void enterMode(ListMode mode);
    void showKind(ListKind kind);
    void bulletChosen();
    void numberChosen();
    void hideStart();
    static void clearGroup(QButtonGroup *group);
    static QString typeOf(const QButtonGroup *group);
    static void checkType(QButtonGroup *group, const QString &type);

    QButtonGroup *m_modes = nullptr, *m_kinds = nullptr;
    // Bullet types of list mode, number types of both modes, the item mode's own types.
    QButtonGroup *m_bullets = nullptr, *m_numbers = nullptr, *m_itemTypes = nullptr;
    QWidget *m_kindBox = nullptr, *m_bulletBox = nullptr, *m_numberBox = nullptr,
            *m_itemBox = nullptr;
    QLabel *m_typeLabel = nullptr;
    QWidget *m_startBox = nullptr, *m_tabsBox = nullptr;
    QSpinBox *m_start = nullptr, *m_items = nullptr, *m_tabs = nullptr;
    QCheckBox *m_endli = nullptr, *m_compact = nullptr;
    QList<TagAttribute> m_others; // kept from a read tag while it is edited
};
