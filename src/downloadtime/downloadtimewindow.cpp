#include "downloadtime/downloadtimewindow.h"

#include <QFrame>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

using namespace DownloadEstimate;

namespace {

// Column 0 holds the row's size in bytes ("-1" for a file not found) and is not shown; the
// name follows, then one column per line speed.
constexpr int SizeColumn = 0;
constexpr int NameColumn = 1;
constexpr int FirstTimeColumn = 2;
constexpr int ShownRows = 9;
const QColor Highlight(255, 255, 224);
const QColor HighlightText(0, 0, 128);

QTableWidget *grid(int rows, QWidget *parent)
{
    auto *g = new QTableWidget(rows, FirstTimeColumn + int(lineSpeeds().size()), parent);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionMode(QAbstractItemView::NoSelection);
    g->setFocusPolicy(Qt::NoFocus);
    g->verticalHeader()->hide();
    g->verticalHeader()->setDefaultSectionSize(g->fontMetrics().height() + 6);
    g->setWordWrap(false);
    g->setColumnHidden(SizeColumn, true);
    g->setColumnWidth(NameColumn, 140); // room for "(not found)"
    for (int c = FirstTimeColumn; c < g->columnCount(); ++c)
        g->setColumnWidth(c, 62);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < g->columnCount(); ++c)
            g->setItem(r, c, new QTableWidgetItem);
    return g;
}

QString missingNote(FileState state)
{
    return state == FileState::Unreadable ? QStringLiteral(" (unreadable)")
                                          : QStringLiteral(" (not found)");
}

} // namespace

DownloadTimeWindow::DownloadTimeWindow(const QList<FileRow> &rows, std::function<void()> help,
                                       QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("downloadtime"));
    setWindowTitle(QStringLiteral("Estimated Download Times"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_files = grid(std::max<int>(ShownRows, int(rows.size())), this);
    m_files->setObjectName(QStringLiteral("filesgrid"));
    m_files->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QStringList headings{QString(), QStringLiteral("File")};
    for (const LineSpeed &s : lineSpeeds())
        headings << QString::fromLatin1(s.speed) + u'\n' + QString::fromLatin1(s.kind);
    m_files->setHorizontalHeaderLabels(headings);
    m_files->setMinimumHeight(m_files->horizontalHeader()->sizeHint().height() +
                              ShownRows * m_files->rowHeight(0) + 2 * m_files->frameWidth());

    m_totals = grid(1, this);
    m_totals->setObjectName(QStringLiteral("totalsgrid"));
    m_totals->horizontalHeader()->hide();
    m_totals->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_totals->setFixedHeight(m_totals->rowHeight(0) + 2 * m_totals->frameWidth());

    auto *panSize = new QFrame(this);
    panSize->setObjectName(QStringLiteral("panSize"));
    panSize->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panSize->setAutoFillBackground(true);
    QPalette yellow = panSize->palette();
    yellow.setColor(QPalette::Window, Highlight);
    yellow.setColor(QPalette::WindowText, Qt::black);
    panSize->setPalette(yellow);
    auto *sizeLayout = new QGridLayout(panSize);
    const char *units[] = {" Mbytes", " Kbytes", " bytes"};
    for (int i = 0; i < 3; ++i) {
        m_sizes[i] = new QLabel(panSize);
        m_sizes[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        sizeLayout->addWidget(m_sizes[i], i, 0);
        sizeLayout->addWidget(new QLabel(QString::fromLatin1(units[i]), panSize), i, 1);
    }

    auto *helpButton = new QPushButton(QStringLiteral("Help"), this);
    connect(helpButton, &QPushButton::clicked, this, [help = std::move(help)] {
        if (help)
            help();
    });
    auto *close = new QPushButton(QStringLiteral("Close"), this);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::reject); // Escape closes too

    auto *notes = new QVBoxLayout;
    notes->addWidget(new QLabel(
        QStringLiteral(
            "  Click in any row to see the total file size used for computing that row."),
        this));
    notes->addWidget(new QLabel(
        QStringLiteral("* Empty values in cells indicate a failure to locate that item on disk."),
        this));
    auto *bottom = new QHBoxLayout;
    bottom->addLayout(notes, 1);
    bottom->addWidget(panSize);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(close);
    buttons->addWidget(helpButton);
    buttons->addStretch();
    bottom->addLayout(buttons);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_files, 1);
    layout->addWidget(m_totals);
    layout->addLayout(bottom);

    fillFiles(rows);
    fillTotals(totalSize(rows));
    fitNames();
    connect(m_files, &QTableWidget::cellClicked, this, [this](int r) { showRow(m_files, r); });
    connect(m_totals, &QTableWidget::cellClicked, this, [this](int r) { showRow(m_totals, r); });
    showRow(m_totals, 0);

    int width = 2 * m_files->frameWidth() + m_files->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < m_files->columnCount(); ++c)
        width += m_files->columnWidth(c);
    m_files->setMinimumWidth(width);
    m_totals->setMinimumWidth(width);
}

void DownloadTimeWindow::fillFiles(const QList<FileRow> &rows)
{
    for (int r = 0; r < rows.size(); ++r) {
        const FileRow &row = rows[r];
        const bool found = row.state == FileState::Found;
        m_files->item(r, SizeColumn)->setText(QString::number(found ? row.size : -1));
        QTableWidgetItem *name = m_files->item(r, NameColumn);
        name->setText(found ? row.name : row.name + missingNote(row.state));
        name->setToolTip(row.path);
        if (!found)
            continue;
        for (int s = 0; s < int(lineSpeeds().size()); ++s)
            m_files->item(r, FirstTimeColumn + s)
                ->setText(timeText(row.size, lineSpeeds()[s].bytesPerSecond, true));
    }
}

void DownloadTimeWindow::fitNames()
{
    // Long names and the notes after them are shown whole.
    int wanted = 0;
    for (int r = 0; r < m_files->rowCount(); ++r)
        wanted = std::max(
            wanted, m_files->fontMetrics().horizontalAdvance(m_files->item(r, NameColumn)->text()));
    wanted += 16;
    if (wanted > m_files->columnWidth(NameColumn))
        m_files->setColumnWidth(NameColumn, wanted);
    m_totals->setColumnWidth(NameColumn, m_files->columnWidth(NameColumn));
}

void DownloadTimeWindow::fillTotals(qint64 total)
{
    m_totals->item(0, SizeColumn)->setText(QString::number(total));
    m_totals->item(0, NameColumn)->setText(QStringLiteral("Total"));
    for (int s = 0; s < int(lineSpeeds().size()); ++s)
        m_totals->item(0, FirstTimeColumn + s)
            ->setText(timeText(total, lineSpeeds()[s].bytesPerSecond, false));
}

void DownloadTimeWindow::showRow(QTableWidget *grid, int row)
{
    const QString size = grid->item(row, SizeColumn)->text();
    if (size.isEmpty())
        return; // an unused row of the files grid
    for (QTableWidget *g : {m_files, m_totals})
        for (int r = 0; r < g->rowCount(); ++r)
            for (int c = 0; c < g->columnCount(); ++c) {
                const bool lit = g == grid && r == row;
                g->item(r, c)->setBackground(lit ? QBrush(Highlight) : QBrush());
                g->item(r, c)->setForeground(lit ? QBrush(HighlightText) : QBrush());
            }
    const QStringList lines = sizeLines(std::max<qint64>(0, size.toLongLong()));
    for (int i = 0; i < 3; ++i)
        m_sizes[i]->setText(lines[i]);
}

QStringList DownloadTimeWindow::sizeShown() const
{
    return {m_sizes[0]->text(), m_sizes[1]->text(), m_sizes[2]->text()};
}
