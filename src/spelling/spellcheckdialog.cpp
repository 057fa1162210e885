#include "spelling/spellcheckdialog.h"

#include "base/prompter.h"
#include "spelling/spellingservice.h"
#include "spelling/spellingsession.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// How much of the line shows on either side of the word.
constexpr qsizetype ContextChars = 60;

QPushButton *button(const QString &text, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

SpellCheckDialog::SpellCheckDialog(SpellingService &service,
                                   std::unique_ptr<SpellingSession> session, Prompter &prompter,
                                   QWidget *parent)
    : QDialog(parent), m_service(service), m_session(std::move(session)), m_prompter(prompter),
      m_context(new QLabel(this)), m_changeTo(new QLineEdit(this)),
      m_suggestions(new QListWidget(this)),
      m_change(button(QStringLiteral("&Change"), "change", this)),
      m_changeAll(button(QStringLiteral("Change A&ll"), "changeAll", this)),
      m_language(new QComboBox(this)),
      m_skipHtml(new QCheckBox(QStringLiteral("Skip HTML &markup"), this)),
      m_skipInternet(new QCheckBox(QStringLiteral("Skip Internet &addresses"), this))
{
    setWindowTitle(QStringLiteral("Check Spelling"));
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("SpellCheckDialog"));
    m_context->setObjectName(QStringLiteral("notInDictionary"));
    m_context->setTextFormat(Qt::RichText);
    m_context->setWordWrap(true);
    m_context->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_context->setMinimumHeight(48);
    m_changeTo->setObjectName(QStringLiteral("changeTo"));
    m_suggestions->setObjectName(QStringLiteral("suggestions"));
    m_language->setObjectName(QStringLiteral("language"));
    m_skipHtml->setObjectName(QStringLiteral("skipHtml"));
    m_skipInternet->setObjectName(QStringLiteral("skipInternet"));

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Not in Dictionary:"), this), 0, 0, 1, 2);
    grid->addWidget(m_context, 1, 0, 1, 2);
    auto *changeLabel = new QLabel(QStringLiteral("Change &To:"), this);
    changeLabel->setBuddy(m_changeTo);
    grid->addWidget(changeLabel, 2, 0, 1, 2);
    grid->addWidget(m_changeTo, 3, 0);
    auto *suggestLabel = new QLabel(QStringLiteral("&Suggestions:"), this);
    suggestLabel->setBuddy(m_suggestions);
    grid->addWidget(suggestLabel, 4, 0);
    grid->addWidget(m_suggestions, 5, 0);

    auto *buttons = new QVBoxLayout;
    QPushButton *ignore = button(QStringLiteral("&Ignore"), "ignore", this);
    QPushButton *ignoreAll = button(QStringLiteral("I&gnore All"), "ignoreAll", this);
    QPushButton *add = button(QStringLiteral("A&dd"), "add", this);
    QPushButton *close = button(QStringLiteral("Close"), "close", this);
    add->setToolTip(QStringLiteral("Add the word to your personal word list"));
    for (QPushButton *b : {ignore, ignoreAll, add, m_change, m_changeAll})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(close);
    grid->addLayout(buttons, 3, 1, 3, 1);

    auto *options = new QGroupBox(QStringLiteral("Options"), this);
    auto *form = new QFormLayout(options);
    form->addRow(QStringLiteral("&Language:"), m_language);
    form->addRow(m_skipHtml);
    form->addRow(m_skipInternet);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(options);

    for (const DictionaryFiles &d : service.dictionaries())
        m_language->addItem(Dictionaries::languageName(d.language), d.language);
    m_language->setCurrentIndex(m_language->findData(service.language()));
    const SpellingScope scope = service.scope();
    m_skipHtml->setChecked(scope.skipHtml);
    m_skipInternet->setChecked(scope.skipInternet);

    connect(ignore, &QPushButton::clicked, this, &SpellCheckDialog::ignore);
    connect(ignoreAll, &QPushButton::clicked, this, &SpellCheckDialog::ignoreAll);
    connect(add, &QPushButton::clicked, this, &SpellCheckDialog::add);
    connect(m_change, &QPushButton::clicked, this, [this] { change(false); });
    connect(m_changeAll, &QPushButton::clicked, this, [this] { change(true); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_suggestions, &QListWidget::currentTextChanged, m_changeTo, &QLineEdit::setText);
    connect(m_suggestions, &QListWidget::itemDoubleClicked, this, [this] { change(false); });
    connect(m_changeTo, &QLineEdit::returnPressed, this, [this] { change(false); });
    connect(m_language, &QComboBox::activated, this, &SpellCheckDialog::chooseLanguage);
    connect(m_skipHtml, &QCheckBox::toggled, this, &SpellCheckDialog::changeScope);
    connect(m_skipInternet, &QCheckBox::toggled, this, &SpellCheckDialog::changeScope);
}

SpellCheckDialog::~SpellCheckDialog() = default;

bool SpellCheckDialog::start()
{
    if (!m_session->next())
        return false;
    showWord();
    return true;
}

void SpellCheckDialog::showWord()
{
    const QString &line = m_session->context();
    const qsizetype at = m_session->contextStart();
    const qsizetype length = m_session->word().length;
    const qsizetype from = std::max<qsizetype>(0, at - ContextChars);
    const qsizetype to = std::min(line.size(), at + length + ContextChars);
    m_context->setText(
        (from > 0 ? QStringLiteral("…") : QString()) + line.mid(from, at - from).toHtmlEscaped() +
        QStringLiteral("<b><font color=\"#c00000\">") + line.mid(at, length).toHtmlEscaped() +
        QStringLiteral("</font></b>") + line.mid(at + length, to - at - length).toHtmlEscaped() +
        (to < line.size() ? QStringLiteral("…") : QString()));
    m_suggestions->clear();
    m_suggestions->addItems(m_session->suggestions());
    if (m_suggestions->count() > 0)
        m_suggestions->setCurrentRow(0);
    else
        m_changeTo->setText(m_session->word().text);
    m_changeTo->setFocus();
    m_changeTo->selectAll();
}

void SpellCheckDialog::advance()
{
    if (m_session->next()) {
        showWord();
        return;
    }
    hide();
    m_prompter.inform(QStringLiteral("The spelling check is complete."));
    Q_EMIT completed();
    accept();
}

void SpellCheckDialog::ignore()
{
    m_session->ignore();
    advance();
}

void SpellCheckDialog::ignoreAll()
{
    m_session->ignoreAll();
    Q_EMIT wordsChanged();
    advance();
}

void SpellCheckDialog::add()
{
    QString error;
    if (!m_session->add(&error))
        m_prompter.error(error);
    Q_EMIT wordsChanged();
    advance();
}

void SpellCheckDialog::change(bool all)
{
    const QString replacement = m_changeTo->text();
    QString error;
    const bool done =
        all ? m_session->changeAll(replacement, &error) : m_session->change(replacement, &error);
    if (!done) {
        m_prompter.warn(error);
        return;
    }
    advance();
}

void SpellCheckDialog::chooseLanguage(int index)
{
    const QString code = m_language->itemData(index).toString();
    if (code.isEmpty() || code == m_service.language())
        return;
    QString error;
    if (!m_service.setLanguage(code, &error))
        m_prompter.error(error);
    // A dictionary that would not load leaves the one before in use.
    m_language->setCurrentIndex(m_language->findData(m_service.language()));
    Q_EMIT wordsChanged();
    m_session->restartAtWord(m_service.scope());
    advance();
}

void SpellCheckDialog::changeScope()
{
    const SpellingScope scope{m_skipHtml->isChecked(), m_skipInternet->isChecked()};
    QString error;
    if (!m_service.setScope(scope, &error))
        m_prompter.error(error);
    Q_EMIT scopeChanged();
    m_session->restartAtWord(scope);
    advance();
}
