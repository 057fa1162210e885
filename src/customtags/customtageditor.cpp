#include "customtags/customtageditor.h"

#include "base/prompter.h"
#include "base/settingsfile.h"
#include "customtags/customtags.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

QLineEdit *field(const char *name, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

QPushButton *button(const char *name, const QString &text, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

} // namespace

CustomTagEditor::CustomTagEditor(int slot, SettingsFile &settings, Prompter &prompter,
                                 QWidget *parent)
    : QDialog(parent,
              Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_slot(slot), m_settings(settings), m_prompter(prompter)
{
    setObjectName(QStringLiteral("CustomTagEditor"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Custom ") + QString::number(slot));

    m_radSingle = new QRadioButton(QStringLiteral("Single Element"), this);
    m_radSingle->setObjectName(QStringLiteral("radSingle"));
    m_radBlock = new QRadioButton(QStringLiteral("Block Elements"), this);
    m_radBlock->setObjectName(QStringLiteral("radBlock"));

    // The two panels take the same place; the radio buttons choose which one shows.
    m_panels = new QStackedWidget(this);
    m_panSingle = new QWidget(m_panels);
    m_panSingle->setObjectName(QStringLiteral("panSingle"));
    m_txtSingle = field("txtSingle", m_panSingle);
    auto *singleLayout = new QHBoxLayout(m_panSingle);
    singleLayout->setContentsMargins(0, 0, 0, 0);
    singleLayout->addWidget(m_txtSingle);
    m_panBlock = new QWidget(m_panels);
    m_panBlock->setObjectName(QStringLiteral("panBlock"));
    m_txtBlock1 = field("txtBlock1", m_panBlock);
    m_txtBlock2 = field("txtBlock2", m_panBlock);
    auto *blockLayout = new QHBoxLayout(m_panBlock);
    blockLayout->setContentsMargins(0, 0, 0, 0);
    blockLayout->addWidget(m_txtBlock1);
    blockLayout->addWidget(m_txtBlock2);
    m_panels->addWidget(m_panSingle);
    m_panels->addWidget(m_panBlock);

    auto *hintLabel = new QLabel(QStringLiteral("Menu Caption\nand Button Hint:"), this);
    m_txtHint = field("txtHint", this);
    hintLabel->setBuddy(m_txtHint);

    QPushButton *save = button("Button1", QStringLiteral("Save Entry"), this);
    save->setDefault(true);
    QPushButton *remove = button("Button2", QStringLiteral("Delete Entry"), this);
    QPushButton *close = button("Button3", QStringLiteral("Close"), this);

    auto *radios = new QHBoxLayout;
    radios->addWidget(m_radSingle);
    radios->addWidget(m_radBlock);
    radios->addStretch(1);
    auto *hint = new QGridLayout;
    hint->addWidget(hintLabel, 0, 0);
    hint->addWidget(m_txtHint, 0, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(remove);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(radios);
    layout->addWidget(m_panels);
    layout->addLayout(hint);
    layout->addLayout(buttons);
    setMinimumWidth(420);

    connect(m_radSingle, &QRadioButton::clicked, this, [this] { showSingle(true); });
    connect(m_radBlock, &QRadioButton::clicked, this, [this] { showSingle(false); });
    connect(save, &QPushButton::clicked, this, &CustomTagEditor::SaveClick);
    connect(remove, &QPushButton::clicked, this, &CustomTagEditor::DeleteClick);
    // Escape closes the same way.
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    m_txtHint->setText(CustomTags::hint(m_settings, m_slot).value_or(QString()));
    const CustomTag tag = CustomTags::tag(m_settings, m_slot);
    m_txtSingle->setText(tag.single);
    m_txtBlock1->setText(tag.start);
    m_txtBlock2->setText(tag.end);
    showSingle(tag.kind == CustomTag::Kind::Single);

    adjustSize();
    if (parent) {
        const QRect frame = parent->window()->geometry();
        move(frame.left() + frame.width() / 2 - width() / 2, frame.top() + frame.height() / 3);
    }
}

void CustomTagEditor::showSingle(bool single)
{
    m_radSingle->setChecked(single);
    m_radBlock->setChecked(!single);
    m_panels->setCurrentWidget(single ? m_panSingle : m_panBlock);
    (single ? m_txtSingle : m_txtBlock1)->setFocus();
}

void CustomTagEditor::SaveClick()
{
    CustomTag tag;
    tag.kind = m_radSingle->isChecked() ? CustomTag::Kind::Single : CustomTag::Kind::Block;
    if (tag.kind == CustomTag::Kind::Single) {
        tag.single = m_txtSingle->text();
    } else {
        tag.start = m_txtBlock1->text();
        tag.end = m_txtBlock2->text();
    }
    const QString hint = m_txtHint->text();
    if (const QString refusal = CustomTags::check(tag, hint); !refusal.isEmpty()) {
        m_prompter.warn(refusal);
        return;
    }
    // The settings file has told the user why a write failed; what was typed stays.
    if (!CustomTags::save(m_settings, m_slot, tag, hint))
        return;
    Q_EMIT changed(m_slot);
    close();
}

void CustomTagEditor::DeleteClick()
{
    if (!CustomTags::erase(m_settings, m_slot))
        return;
    Q_EMIT changed(m_slot);
    close();
}
