#include "files/documentprinting.h"

#include "base/filedialogs.h"
#include "base/prompter.h"
#include "commands/commandactions.h"
#include "commands/commandids.h"
#include "documents/documentregistry.h"
#include "documents/documentwindow.h"
#include "files/documentfiles.h"
#include "files/documentprinter.h"
#include "files/waitcursor.h"

#include <QDir>

DocumentPrinting::DocumentPrinting(DocumentRegistry &registry, DocumentFiles &files,
                                   Prompter &prompter, QObject *parent)
    : QObject(parent), m_registry(registry), m_files(files), m_prompter(prompter),
      m_printer(std::make_unique<DocumentPrinter>())
{
}

DocumentPrinting::~DocumentPrinting() = default;

void DocumentPrinting::Prints()
{
    DocumentWindow *doc = m_registry.active();
    if (!doc || !m_files.dialogs().choosePrinter(m_printer->printer()))
        return;
    WaitCursor wait;
    if (m_printer->print(doc) == 0)
        m_prompter.error(QDir::toNativeSeparators(doc->document().identity()) +
                         QStringLiteral(" could not be printed."));
}

void DocumentPrinting::PrintSetup()
{
    if (m_registry.active())
        m_files.dialogs().setUpPage(m_printer->printer());
}

void DocumentPrinting::registerHandlers(CommandActions &commands)
{
    commands.setHandler(Cmd::Prints, [this] { Prints(); });
    commands.setHandler(Cmd::PrintSetup1Click, [this] { PrintSetup(); });
}
