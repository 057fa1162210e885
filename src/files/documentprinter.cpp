#include "files/documentprinter.h"

#include "documents/documentwindow.h"
#include "files/printlayout.h"

#include <Qsci/qscilexer.h>
#include <Qsci/qsciprinter.h>
#include <Qsci/qsciscintilla.h>

#include <QPainter>

class DocumentPrinter::HeaderPrinter : public QsciPrinter
{
public:
    HeaderPrinter() : QsciPrinter(QPrinter::HighResolution)
    {
        setDocName(QStringLiteral("Quillmark"));
        // The margins are measured from the paper's edges.
        setFullPage(true);
    }

    QString header;
    QFont font;
    QStringList drawn;

    void formatPage(QPainter &painter, bool drawing, QRect &area, int) override
    {
        const PrintLayout layout =
            PrintLayout::forPage(QSize(width(), height()), logicalDpiX(), logicalDpiY());
        area = layout.body;
        if (!drawing)
            return;
        painter.save();
        painter.setFont(font);
        painter.setPen(Qt::black);
        const int lineHeight = painter.fontMetrics().height();
        painter.drawText(QRect(layout.header, QSize(layout.body.width(), lineHeight)),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, header);
        painter.restore();
        drawn << header;
    }
};

DocumentPrinter::DocumentPrinter() = default;

DocumentPrinter::~DocumentPrinter() = default;

QPrinter &DocumentPrinter::printer()
{
    // Made on first use: finding the system's printers takes a while.
    if (!m_printer)
        m_printer = std::make_unique<HeaderPrinter>();
    return *m_printer;
}

const QStringList &DocumentPrinter::headersDrawn() const
{
    static const QStringList none;
    return m_printer ? m_printer->drawn : none;
}

int DocumentPrinter::print(DocumentWindow *document)
{
    printer();
    QsciScintilla *memo = document->memo();
    m_printer->header = document->document().identity();
    m_printer->font = memo->lexer() ? memo->lexer()->font(0) : memo->font();
    m_printer->drawn.clear();
    m_printer->setDocName(QStringLiteral("Quillmark"));
    m_printer->setFullPage(true);
    if (!m_printer->printRange(memo))
        return 0;
    return int(m_printer->drawn.size());
}
