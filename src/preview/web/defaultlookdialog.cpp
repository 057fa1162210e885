#include "preview/web/defaultlookdialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

DefaultLookDialog::DefaultLookDialog(const DefaultLook &look, QWidget *parent)
    : QDialog(parent), m_family(new QFontComboBox(this)), m_size(new QSpinBox(this)),
      m_textButton(new QPushButton(this)), m_linkButton(new QPushButton(this)),
      m_backgroundButton(new QPushButton(this)), m_text(look.text), m_link(look.link),
      m_background(look.background)
{
    setObjectName(QStringLiteral("DefaultLook"));
    setWindowTitle(QStringLiteral("Default Font/Colors"));
    m_family->setObjectName(QStringLiteral("family"));
    m_family->setCurrentFont(QFont(look.family));
    // The combo box offers the fonts installed; a family the system lacks is still kept.
    m_family->setEditText(look.family);
    m_size->setObjectName(QStringLiteral("size"));
    m_size->setRange(4, 72);
    m_size->setValue(look.pointSize);
    m_size->setSuffix(QStringLiteral(" pt"));
    m_textButton->setObjectName(QStringLiteral("text"));
    m_linkButton->setObjectName(QStringLiteral("link"));
    m_backgroundButton->setObjectName(QStringLiteral("background"));
    showColour(m_textButton, m_text);
    showColour(m_linkButton, m_link);
    showColour(m_backgroundButton, m_background);
    connect(m_textButton, &QPushButton::clicked, this,
            [this] { chooseColour(m_textButton, &m_text); });
    connect(m_linkButton, &QPushButton::clicked, this,
            [this] { chooseColour(m_linkButton, &m_link); });
    connect(m_backgroundButton, &QPushButton::clicked, this,
            [this] { chooseColour(m_backgroundButton, &m_background); });

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("&Font:"), m_family);
    form->addRow(QStringLiteral("&Size:"), m_size);
    form->addRow(QStringLiteral("&Text colour:"), m_textButton);
    form->addRow(QStringLiteral("&Link colour:"), m_linkButton);
    form->addRow(QStringLiteral("&Background:"), m_backgroundButton);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

DefaultLook DefaultLookDialog::look() const
{
    const QString family = m_family->currentText().trimmed();
    return {family.isEmpty() ? DefaultLook().family : family, m_size->value(), m_text, m_link,
            m_background};
}

QPushButton *DefaultLookDialog::colourButton(const QString &name) const
{
    return findChild<QPushButton *>(name);
}

void DefaultLookDialog::chooseColour(QPushButton *button, QColor *colour)
{
    auto *dialog = new QColorDialog(*colour, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setOption(QColorDialog::DontUseNativeDialog);
    connect(dialog, &QColorDialog::colorSelected, this, [button, colour](const QColor &chosen) {
        *colour = chosen;
        showColour(button, chosen);
    });
    dialog->open();
}

void DefaultLookDialog::showColour(QPushButton *button, const QColor &colour)
{
    QPixmap swatch(32, 14);
    swatch.fill(colour);
    button->setIcon(swatch);
    button->setText(colour.name(QColor::HexRgb).toUpper());
}
