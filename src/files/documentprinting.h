#pragma once

#include <QObject>

#include <memory>

class CommandActions;
class DocumentFiles;
class DocumentPrinter;
class DocumentRegistry;
class Prompter;

// Print and Print Setup of the active document, through the file dialogs' printer choice.
// Owned by the main frame.
class DocumentPrinting : public QObject
{
    Q_OBJECT

public:
    DocumentPrinting(DocumentRegistry &registry, DocumentFiles &files, Prompter &prompter,
                     QObject *parent = nullptr);
    // The handlers of the commands it carries out.
    void registerHandlers(CommandActions &commands);
    ~DocumentPrinting() override;

    // Prints the active document after the print dialog; Print Setup shows the page set-up.
    void Prints();
    void PrintSetup();
    DocumentPrinter &printer() const { return *m_printer; }

private:
    DocumentRegistry &m_registry;
    DocumentFiles &m_files;
    Prompter &m_prompter;
    std::unique_ptr<DocumentPrinter> m_printer;
};
