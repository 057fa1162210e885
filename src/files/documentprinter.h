#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

#include <memory>

class FileDialogs;
class QPrinter;
class DocumentWindow;

// Prints a document with its identity text at the top of every page, through the editor's
// own print support. Keeps one printer, so that Print Setup applies to the next Print.
// Owned by the document files controller.
class DocumentPrinter
{
public:
    DocumentPrinter();
    ~DocumentPrinter();

    QPrinter &printer();

    // Prints the whole text of the document on the printer as it is set up. Returns the
    // number of pages, or 0 when printing failed.
    int print(DocumentWindow *document);

    // The header text drawn on each page of the last print, in page order.
    const QStringList &headersDrawn() const;

private:
    class HeaderPrinter;
    std::unique_ptr<HeaderPrinter> m_printer;
};
