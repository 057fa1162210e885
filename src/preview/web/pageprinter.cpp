#include "preview/web/pageprinter.h"

#include <QBuffer>
#include <QFont>
#include <QPageLayout>
#include <QPainter>
#include <QPdfDocument>
#include <QPrinter>
#include <QWebEnginePage>

namespace {

// Margins in centimetres: the footer needs the deeper bottom margin.
constexpr qreal MarginLeft = 2.0, MarginRight = 2.0, MarginTop = 2.0, MarginBottom = 3.0;
// Header and footer positions, in pixels of a 96 dpi page.
constexpr int EdgeX = 50, HeaderY = 40, FooterY = 20;
constexpr int ScreenDpi = 96;

QPageLayout layoutFor(const QPrinter &printer)
{
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    layout.setMargins(
        QMarginsF(MarginLeft * 10, MarginTop * 10, MarginRight * 10, MarginBottom * 10));
    return layout;
}

} // namespace

PagePrinter::PagePrinter(QWebEnginePage *page, QObject *parent)
    : QObject(parent), m_page(page), m_pdf(new QPdfDocument(this))
{
}

PagePrinter::~PagePrinter() = default;

void PagePrinter::prepare(const QPrinter &printer, std::function<void(bool)> done)
{
    m_pdf->close();
    delete m_bytes;
    m_bytes = nullptr;
    // The background chosen for the screen (Default Font/Colors) stands in for a page without
    // one of its own there; paper stays white.
    const QColor screenBackground = m_page->backgroundColor();
    m_page->setBackgroundColor(Qt::white);
    m_page->printToPdf(
        [this, done = std::move(done), screenBackground](const QByteArray &bytes) {
            m_page->setBackgroundColor(screenBackground);
            if (bytes.isEmpty()) {
                done(false);
                return;
            }
            m_bytes = new QBuffer(this);
            m_bytes->setData(bytes);
            m_bytes->open(QIODevice::ReadOnly);
            m_pdf->load(m_bytes);
            const auto ready = [this] {
                return m_pdf->status() == QPdfDocument::Status::Ready && m_pdf->pageCount() > 0;
            };
            if (m_pdf->status() != QPdfDocument::Status::Loading) {
                done(ready());
                return;
            }
            // The document may finish loading later; answer once it has.
            auto once = std::make_shared<QMetaObject::Connection>();
            *once = connect(m_pdf, &QPdfDocument::statusChanged, this, [this, done, ready, once] {
                if (m_pdf->status() == QPdfDocument::Status::Loading)
                    return;
                disconnect(*once);
                done(ready());
            });
        },
        layoutFor(printer));
}

int PagePrinter::pageCount() const
{
    return m_pdf->status() == QPdfDocument::Status::Ready ? m_pdf->pageCount() : 0;
}

void PagePrinter::print(QPrinter &printer, const Page &header, int from, int to) const
{
    from = qMax(1, from);
    to = qMin(to, pageCount());
    if (from > to)
        return;
    printer.setFullPage(true);
    QPainter painter(&printer);
    const QRect paper = printer.pageLayout().fullRectPixels(printer.resolution());
    const qreal scale = qreal(printer.resolution()) / ScreenDpi;
    const int edge = int(EdgeX * scale);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8);
    for (int n = from; n <= to; ++n) {
        if (n > from)
            printer.newPage();
        const QImage image = m_pdf->render(n - 1, paper.size(), QPdfDocumentRenderOptions());
        painter.drawImage(paper, image);
        painter.setFont(QFont(font, painter.device()));
        const int line = painter.fontMetrics().height();
        const QRect head(edge, int(HeaderY * scale) - line, paper.width() - 2 * edge, line);
        painter.drawText(head, Qt::AlignLeft | Qt::AlignBottom, header.title);
        painter.drawText(head, Qt::AlignRight | Qt::AlignBottom, header.file);
        const QRect foot(edge, paper.height() - int(FooterY * scale) - line,
                         paper.width() - 2 * edge, line);
        painter.drawText(foot, Qt::AlignLeft | Qt::AlignBottom,
                         QLocale().toString(header.date, QLocale::ShortFormat));
        painter.drawText(foot, Qt::AlignRight | Qt::AlignBottom, QStringLiteral("Page %1").arg(n));
    }
}
