#pragma once

#include <QDate>
#include <QObject>
#include <QString>

#include <functional>

class QBuffer;
class QPdfDocument;
class QPrinter;
class QWebEnginePage;

// Prints the preview's page with a header (the page's title on the left, its file name on
// the right) and a footer (the date on the left, "Page n" on the right). The web engine lays
// the page out into a PDF with room for both; each page of that is drawn onto the printer and
// the header and footer are drawn around it. The same drawing feeds the print preview.
class PagePrinter : public QObject
{
    Q_OBJECT

public:
    struct Page
    {
        QString title;
        QString file;
        QDate date;
    };

    explicit PagePrinter(QWebEnginePage *page, QObject *parent = nullptr);
    ~PagePrinter() override;

    // Lays the page out, then calls back; false in the callback when that failed.
    void prepare(const QPrinter &printer, std::function<void(bool)> done);
    int pageCount() const;
    // Prints pages from..to (1-based, clipped to the page count) of the prepared layout.
    void print(QPrinter &printer, const Page &header, int from, int to) const;

private:
    QWebEnginePage *m_page;
    QPdfDocument *m_pdf = nullptr;
    QBuffer *m_bytes = nullptr;
};
