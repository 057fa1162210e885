#include "toolbar/customizedialog.h"

#include "toolbar/speedbar.h"
#include "toolbar/speeditems.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

// A list whose items drag as toolbar items.
class ItemList : public QListWidget
{
public:
    using QListWidget::QListWidget;

protected:
    QStringList mimeTypes() const override { return {QLatin1String(SpeedBar::MimeType)}; }
    QMimeData *mimeData(const QList<QListWidgetItem *> &items) const override
    {
        if (items.isEmpty())
            return nullptr;
        auto *data = new QMimeData;
        data->setData(QLatin1String(SpeedBar::MimeType),
                      items.first()->data(Qt::UserRole).toString().toLatin1());
        return data;
    }
};

QLabel *buddyLabel(const QString &text, QWidget *buddy)
{
    auto *label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

} // namespace

CustomizeDialog::CustomizeDialog(SpeedBar &bar, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      m_bar(bar)
{
    setObjectName(QStringLiteral("CustomizeSpeedbar"));
    setWindowTitle(QStringLiteral("Customize Speedbar"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_categories = new QListWidget;
    m_categories->setObjectName(QStringLiteral("categories"));
    for (const char *section : speedSections())
        m_categories->addItem(QString::fromLatin1(section));

    m_available = new ItemList;
    m_available->setObjectName(QStringLiteral("available"));
    m_available->setIconSize(QSize(22, 22));
    m_available->setDragEnabled(true);
    m_available->setDragDropMode(QAbstractItemView::DragOnly);
    m_available->setDefaultDropAction(Qt::CopyAction);
    m_available->setSpacing(1);

    auto *lists = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    left->addWidget(buddyLabel(QStringLiteral("&Categories:    "), m_categories));
    left->addWidget(m_categories);
    auto *right = new QVBoxLayout;
    right->addWidget(buddyLabel(QStringLiteral("&Available buttons:    "), m_available));
    right->addWidget(m_available);
    lists->addLayout(left, 2);
    lists->addLayout(right, 3);

    auto *text = new QLabel(QStringLiteral(
        "To add buttons, drag and drop buttons onto the Toolbar. To remove buttons, drag them "
        "off of the Toolbar. Click 'Reset' to return Toolbar to original configuration."));
    text->setWordWrap(true);

    auto *close = new QPushButton(QStringLiteral("&Close"));
    close->setDefault(true);
    auto *help = new QPushButton(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("help"));
    m_help = help;
    auto *reset = new QPushButton(QStringLiteral("Reset"));
    reset->setObjectName(QStringLiteral("reset"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(help, &QPushButton::clicked, this, &CustomizeDialog::helpRequested);
    connect(reset, &QPushButton::clicked, this, &CustomizeDialog::resetRequested);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(help);
    buttons->addWidget(reset);
    buttons->addStretch();
    buttons->addWidget(close);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addWidget(text);
    layout->addLayout(buttons);

    connect(m_categories, &QListWidget::currentRowChanged, this, &CustomizeDialog::showSection);
    m_categories->setCurrentRow(0);

    setFixedSize(480, 440);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void CustomizeDialog::showSection(int section)
{
    m_available->clear();
    for (const SpeedItemRow &row : speedItems()) {
        if (row.section != section)
            continue;
        const QString name = speedItemName(row.number);
        const SpeedButton *b = m_bar.button(name);
        auto *item = new QListWidgetItem(b ? b->icon() : QIcon(),
                                         b ? b->hint() : QString::fromUtf8(row.caption));
        item->setData(Qt::UserRole, name);
        m_available->addItem(item);
    }
}
