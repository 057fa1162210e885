#include "projects/templatechooser.h"

#include "base/prompter.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

TemplateChooser::TemplateChooser(TemplateStore store, Prompter &prompter,
                                 std::function<void(const QString &)> newFrom,
                                 std::function<void()> help, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      m_store(std::move(store)), m_prompter(prompter), m_newFrom(std::move(newFrom))
{
    setObjectName(QStringLiteral("Ttplate"));
    setWindowTitle(QStringLiteral("Open Template"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_model = new QFileSystemModel(this);
    m_model->setFilter(QDir::Files | QDir::Hidden);
    m_model->setRootPath(m_store.folder());
    m_list = new QListView(this);
    m_list->setModel(m_model);
    m_list->setRootIndex(m_model->index(m_store.folder()));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TemplateChooser::selectionChanged);
    connect(m_list, &QListView::doubleClicked, this, &TemplateChooser::accept);

    m_default = new QLabel(m_store.defaultName(), this);
    m_default->setAlignment(Qt::AlignCenter);
    m_default->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_default->setMinimumWidth(120);

    const auto makeButton = [this](const char *name, const QString &text) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    m_set = makeButton("SpeedButton1", QStringLiteral("Set"));
    QPushButton *clear = makeButton("SpeedButton4", QStringLiteral("Clear"));
    m_delete = makeButton("deletebut", QStringLiteral("Delete Selected File"));
    QPushButton *helpButton = makeButton("SpeedButton3", QStringLiteral("Help"));
    connect(m_set, &QPushButton::clicked, this, &TemplateChooser::setDefault);
    connect(clear, &QPushButton::clicked, this, &TemplateChooser::clearDefault);
    connect(m_delete, &QPushButton::clicked, this, &TemplateChooser::deleteSelected);
    connect(helpButton, &QPushButton::clicked, this, [help = std::move(help)] {
        if (help)
            help();
    });

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("Button1"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelbtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TemplateChooser::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *defaultRow = new QHBoxLayout;
    defaultRow->addWidget(new QLabel(QStringLiteral("Default Template:"), this));
    defaultRow->addWidget(m_default, 1);
    defaultRow->addWidget(m_set);
    defaultRow->addWidget(clear);
    auto *lower = new QHBoxLayout;
    lower->addWidget(m_delete);
    lower->addStretch();
    lower->addWidget(helpButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(defaultRow);
    layout->addLayout(lower);
    layout->addWidget(buttons);
    resize(420, 360);
    selectionChanged();
}

QPushButton *TemplateChooser::button(const QString &objectName) const
{
    return findChild<QPushButton *>(objectName);
}

QString TemplateChooser::selectedName() const
{
    const QModelIndexList chosen = m_list->selectionModel()->selectedIndexes();
    return chosen.isEmpty() ? QString() : m_model->fileName(chosen.front());
}

void TemplateChooser::selectionChanged()
{
    const bool chosen = !selectedName().isEmpty();
    m_set->setEnabled(chosen);
    m_delete->setVisible(chosen);
}

void TemplateChooser::accept()
{
    const QString name = selectedName();
    // Closed first, so that the new document takes the keyboard; the dialog may be gone then.
    const auto newFrom = m_newFrom;
    QDialog::accept();
    if (newFrom)
        newFrom(name);
}

void TemplateChooser::setDefault()
{
    const QString name = selectedName();
    if (name.isEmpty())
        return;
    m_store.setDefault(name);
    m_default->setText(m_store.defaultName());
}

void TemplateChooser::clearDefault()
{
    m_list->clearSelection();
    m_store.clearDefault();
    m_default->clear();
}

void TemplateChooser::deleteSelected()
{
    const QString name = selectedName();
    if (name.isEmpty() ||
        !m_prompter.confirm(QStringLiteral("Delete ") + name + QStringLiteral("?")))
        return;
    QString error;
    if (!m_store.remove(name, &error)) {
        m_prompter.error(error);
        return;
    }
    m_list->clearSelection();
    m_default->setText(m_store.defaultName());
}
