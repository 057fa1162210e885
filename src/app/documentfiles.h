#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class HomeFolder;
class QMdiArea;
class TabStrips;
class TMDIsub;
struct DocumentContext;
struct ShellOptions;

// Makes, names, fills and saves document windows, and opens the file waiting in the
// hand-over key. Owned by the main frame.
class DocumentFiles : public QObject
{
    Q_OBJECT

public:
    DocumentFiles(QMdiArea *area, TabStrips &tabs, DocumentContext &context, ShellOptions &options,
                  const HomeFolder &home, QObject *parent = nullptr);

    // Run once, by the first new-document call, before its document is made.
    void setFirstCallHook(std::function<void()> hook) { m_firstCallHook = std::move(hook); }

    QList<TMDIsub *> documents() const;
    TMDIsub *active() const;
    TMDIsub *findOpen(const QString &identity) const; // letter case ignored

    // A new document: the file waiting in the hand-over key, else an Untitled one from the
    // given template (or the default one). Nothing when "startnew" says so at start.
    TMDIsub *newt(const QString &templateName);
    // The plain New: the first call restores the main window's place first.
    TMDIsub *news();
    // An empty Untitled document, no template.
    TMDIsub *newclean();

    // Opens the file waiting in the hand-over key, or says that it is already open.
    void openHandedOver();

    // Writes the document to its file; an Untitled one asks for a name first.
    bool save(TMDIsub *document);

Q_SIGNALS:
    void documentMade(TMDIsub *document);
    void documentSaved(TMDIsub *document);

private:
    TMDIsub *makeDocument();
    void finishDocument(TMDIsub *document, const QString &caption, const QString &tabText);
    bool loadFile(TMDIsub *document, const QString &path);
    int nextUntitledNumber();
    bool writeFile(TMDIsub *document, const QString &path);

    QMdiArea *m_area;
    TabStrips &m_tabs;
    DocumentContext &m_context;
    ShellOptions &m_options;
    const HomeFolder &m_home;
    std::function<void()> m_firstCallHook;
};
