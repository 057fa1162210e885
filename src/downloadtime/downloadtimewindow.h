#pragma once

#include "downloadtime/downloadestimate.h"

#include <QDialog>

#include <functional>

class QLabel;
class QTableWidget;

// The estimated download times of a page and its files, one row per file and a row of
// totals; clicking a row shows its size. The estimate is made once, from the rows given.
class DownloadTimeWindow : public QDialog
{
    Q_OBJECT

public:
    DownloadTimeWindow(const QList<DownloadEstimate::FileRow> &rows, std::function<void()> help,
                       QWidget *parent = nullptr);

    QTableWidget *filesgrid() const { return m_files; }
    QTableWidget *totalsgrid() const { return m_totals; }
    // The size panel's three lines: megabytes, kilobytes, bytes.
    QStringList sizeShown() const;

private:
    void fitNames();
    void fillFiles(const QList<DownloadEstimate::FileRow> &rows);
    void fillTotals(qint64 total);
    void showRow(QTableWidget *grid, int row);

    QTableWidget *m_files = nullptr;
    QTableWidget *m_totals = nullptr;
    QLabel *m_sizes[3] = {};
};
