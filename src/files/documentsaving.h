#pragma once

#include <QObject>

struct DocumentContext;
class CommandActions;
class DocumentFiles;
class DocumentRegistry;
class DocumentWindow;
class QByteArray;
class QString;

// Save and Save As: writes a document's bytes to its file, asking first where the file was
// changed by another program or made read-only, and for a name where the document has none.
// Every document's close question saves through it. Owned by the main frame.
class DocumentSaving : public QObject
{
    Q_OBJECT

public:
    DocumentSaving(DocumentRegistry &registry, DocumentFiles &files, DocumentContext &context,
                   QObject *parent = nullptr);
    // The handlers of the commands it carries out.
    void registerHandlers(CommandActions &commands);

    // Saves the active document; an Untitled one (and a modified one only) asks for a name.
    bool Saves();
    bool SavesAs();
    bool save(DocumentWindow *document);
    // startFolder: where the dialog starts instead of where Open and Save last were.
    bool saveAs(DocumentWindow *document, const QString &startFolder = QString());

private:
    bool writeFile(const QString &path, const QByteArray &bytes);
    void markSaved(DocumentWindow *document, const QString &path, const QByteArray &bytes);
    bool mayOverwrite(DocumentWindow *document);

    DocumentRegistry &m_registry;
    DocumentFiles &m_files;
    DocumentContext &m_context;
};
