#include "helpers/specialchars/specialcharshelper.h"

#include "base/settingsfile.h"

#include <QDir>
#include <QHeaderView>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int CellSize = 26;
const QString Extended = QStringLiteral("ext");

QTableWidget *grid(const char *name, int columns, int rows, QWidget *parent)
{
    auto *g = new QTableWidget(rows, columns, parent);
    g->setObjectName(QLatin1String(name));
    g->horizontalHeader()->hide();
    g->verticalHeader()->hide();
    g->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    g->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    g->horizontalHeader()->setDefaultSectionSize(CellSize);
    g->verticalHeader()->setDefaultSectionSize(CellSize);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont font = g->font();
    font.setPointSizeF(font.pointSizeF() * 1.3);
    g->setFont(font);
    const int frame = 2 * g->frameWidth();
    g->setFixedSize(columns * CellSize + frame, rows * CellSize + frame);
    return g;
}

} // namespace

SpecialCharsHelper::SpecialCharsHelper(const PanelRow &row, PanelHost &host, QWidget *mainFrame,
                                       Prompter &prompter, const QString &libraryFolder)
    : HelperPanel(row, host, mainFrame), m_prompter(prompter, this)
{
    m_special = grid("charsgrid", CharTable::SpecialColumns, CharTable::SpecialRows, body());
    m_extended = grid("extendgrid", CharTable::ExtendedColumns, CharTable::ExtendedRows, body());
    m_stack = new QStackedWidget(body());
    m_stack->addWidget(m_special);
    m_stack->addWidget(m_extended);
    m_toggle = new QPushButton(body());
    m_toggle->setObjectName(QStringLiteral("SpeedButton1"));
    m_toggle->setFlat(true);
    m_toggle->setAutoDefault(false);
    readButton()->hide();

    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(m_stack, 0, Qt::AlignHCenter);
    layout->addWidget(m_toggle, 0, Qt::AlignLeft);
    layout->addStretch(1);
    layout->addWidget(buttonRow());

    const QString path = QDir(libraryFolder).filePath(QStringLiteral("chars"));
    CharTable::Table table;
    QString reason;
    if (!CharTable::read(path, &table, &reason))
        m_prompter.error(QStringLiteral("The character table %1 could not be read: %2.")
                             .arg(QDir::toNativeSeparators(path), reason));
    fill(m_special, table.special);
    fill(m_extended, table.extended);

    connect(m_toggle, &QPushButton::clicked, this, [this] {
        showGrid(!showsExtended());
        afterControl();
    });
    for (QTableWidget *g : {m_special, m_extended})
        connect(g, &QTableWidget::cellDoubleClicked, this, [this] {
            applyCode();
            afterControl();
        });

    showGrid(settings().read(Keys::CharGrid) == Extended);
    setDesignedSize(sizeHint(), {});
    placeAtStart();
}

void SpecialCharsHelper::fill(QTableWidget *grid, const QList<CharTable::Cell> &cells)
{
    const int columns = grid->columnCount();
    for (int i = 0; i < cells.size() && i < columns * grid->rowCount(); ++i) {
        if (cells.at(i).shown.isEmpty() && cells.at(i).code.isEmpty())
            continue;
        auto *item = new QTableWidgetItem(cells.at(i).shown);
        item->setTextAlignment(Qt::AlignCenter);
        item->setData(Qt::UserRole, cells.at(i).code);
        item->setToolTip(cells.at(i).code);
        grid->setItem(i / columns, i % columns, item);
    }
    grid->setCurrentCell(0, 0);
}

bool SpecialCharsHelper::showsExtended() const
{
    return m_stack->currentWidget() == m_extended;
}

QTableWidget *SpecialCharsHelper::shownGrid() const
{
    return showsExtended() ? m_extended : m_special;
}

void SpecialCharsHelper::showGrid(bool extended)
{
    m_stack->setCurrentWidget(extended ? m_extended : m_special);
    m_toggle->setText(extended ? QStringLiteral("show special") : QStringLiteral("show extended"));
}

QString SpecialCharsHelper::buildCode()
{
    const QTableWidgetItem *item = shownGrid()->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}

void SpecialCharsHelper::saveOwnSettings()
{
    settings().write(Keys::CharGrid, showsExtended() ? Extended : QString());
}
