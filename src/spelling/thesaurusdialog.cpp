#include "spelling/thesaurusdialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

QLabel *buddyLabel(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

ThesaurusDialog::ThesaurusDialog(Thesaurus &thesaurus, const QString &word, QWidget *parent)
    : QDialog(parent), m_thesaurus(thesaurus), m_word(new QLineEdit(this)),
      m_meaningList(new QListWidget(this)), m_synonyms(new QListWidget(this)),
      m_replaceWith(new QLineEdit(this)), m_status(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Thesaurus"));
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("ThesaurusDialog"));
    m_word->setObjectName(QStringLiteral("lookedUp"));
    m_meaningList->setObjectName(QStringLiteral("meanings"));
    m_synonyms->setObjectName(QStringLiteral("synonyms"));
    m_replaceWith->setObjectName(QStringLiteral("replaceWith"));
    m_status->setObjectName(QStringLiteral("status"));

    auto *lookUpButton = new QPushButton(QStringLiteral("&Look Up"), this);
    lookUpButton->setObjectName(QStringLiteral("lookUp"));
    lookUpButton->setAutoDefault(false);
    auto *replace = new QPushButton(QStringLiteral("&Replace"), this);
    replace->setObjectName(QStringLiteral("replace"));
    // Enter looks up in the word field and replaces in the replacement field: no button
    // takes it for the whole window.
    replace->setAutoDefault(false);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    cancel->setAutoDefault(false);

    auto *grid = new QGridLayout(this);
    grid->addWidget(buddyLabel(QStringLiteral("Looked &Up:"), m_word, this), 0, 0);
    grid->addWidget(buddyLabel(QStringLiteral("Replace &With:"), m_replaceWith, this), 0, 1);
    grid->addWidget(m_word, 1, 0);
    grid->addWidget(m_replaceWith, 1, 1);
    grid->addWidget(buddyLabel(QStringLiteral("&Meanings:"), m_meaningList, this), 2, 0);
    grid->addWidget(buddyLabel(QStringLiteral("&Synonyms:"), m_synonyms, this), 2, 1);
    grid->addWidget(m_meaningList, 3, 0);
    grid->addWidget(m_synonyms, 3, 1);
    grid->addWidget(m_status, 4, 0, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(lookUpButton);
    buttons->addStretch(1);
    buttons->addWidget(replace);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 5, 0, 1, 2);
    resize(620, 380);

    connect(lookUpButton, &QPushButton::clicked, this, [this] { lookUp(m_word->text()); });
    connect(m_word, &QLineEdit::returnPressed, this, [this] { lookUp(m_word->text()); });
    connect(m_meaningList, &QListWidget::currentRowChanged, this, &ThesaurusDialog::showSynonyms);
    connect(m_synonyms, &QListWidget::currentTextChanged, this, [this](const QString &text) {
        if (!text.isEmpty())
            m_replaceWith->setText(Thesaurus::plainWord(text));
    });
    connect(m_synonyms, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { lookUp(Thesaurus::plainWord(item->text())); });
    const auto replaceWord = [this] {
        Q_EMIT replaceRequested(replacement());
        accept();
    };
    connect(replace, &QPushButton::clicked, this, replaceWord);
    connect(m_replaceWith, &QLineEdit::returnPressed, this, replaceWord);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    lookUp(word);
}

void ThesaurusDialog::lookUp(const QString &word)
{
    m_word->setText(word);
    m_meanings = m_thesaurus.lookUp(word);
    m_meaningList->clear();
    m_synonyms->clear();
    for (const Meaning &m : std::as_const(m_meanings)) {
        auto *item = new QListWidgetItem(m.definition, m_meaningList);
        item->setToolTip(m.definition);
    }
    if (m_meanings.isEmpty()) {
        m_status->setText(
            word.trimmed().isEmpty()
                ? QStringLiteral("Type a word and choose Look Up.")
                : QStringLiteral("No meanings found for \"%1\".").arg(word.trimmed()));
        m_replaceWith->setText(word.trimmed());
        return;
    }
    m_status->clear();
    m_meaningList->setCurrentRow(0);
}

void ThesaurusDialog::showSynonyms(int meaning)
{
    m_synonyms->clear();
    if (meaning < 0 || meaning >= m_meanings.size())
        return;
    m_synonyms->addItems(m_meanings[meaning].synonyms);
    if (m_synonyms->count() > 0)
        m_synonyms->setCurrentRow(0);
}

QString ThesaurusDialog::replacement() const
{
    return m_replaceWith->text();
}
