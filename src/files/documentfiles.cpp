#include "files/documentfiles.h"

#include "base/editingoptions.h"
#include "base/filebytes.h"
#include "base/filedialogs.h"
#include "base/homefolder.h"
#include "base/prompter.h"
#include "base/settingsfile.h"
#include "commands/commandactions.h"
#include "commands/commandids.h"
#include "documents/documentcontext.h"
#include "documents/documentregistry.h"
#include "documents/documentwindow.h"
#include "editor/cp1252.h"
#include "editor/linebreaks.h"
#include "editor/scintillaeditor.h"
#include "files/documentwatcher.h"
#include "files/filedrops.h"
#include "files/filenamerules.h"
#include "files/recentfiles.h"
#include "files/waitcursor.h"
#include "widgets/keyboardmodifiers.h"
#include "widgets/qtfiledialogs.h"

#include <Qsci/qsciscintilla.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStringDecoder>

namespace {

// Large enough that reading costs nothing per piece, small beside the text it goes into.
constexpr qsizetype PieceSize = qsizetype(1) << 20;

} // namespace

DocumentFiles::DocumentFiles(DocumentRegistry &registry, DocumentContext &context,
                             const HomeFolder &home, QObject *parent)
    : QObject(parent), m_registry(registry), m_area(registry.area()), m_context(context),
      m_home(home), m_skipFirstNew(context.settings.read(Keys::StartNew) == QLatin1String("no")),
      m_ownDialogs(std::make_unique<QtFileDialogs>(m_area->window())),
      m_ownModifiers(std::make_unique<KeyboardModifiers>()), m_dialogs(m_ownDialogs.get()),
      m_modifiers(m_ownModifiers.get()), m_watcher(new DocumentWatcher(this))
{
    m_dialogState.start(m_context.settings, m_home.documentsDir());
    connect(m_watcher, &DocumentWatcher::changedOutside, this, &DocumentFiles::reloadChanged);
    connect(m_watcher, &DocumentWatcher::deletedOutside, this, &DocumentFiles::keepDeleted);
}

DocumentFiles::~DocumentFiles() = default;

void DocumentFiles::setDialogs(FileDialogs *dialogs)
{
    m_dialogs = dialogs ? dialogs : m_ownDialogs.get();
}

void DocumentFiles::setModifiers(const ModifierSource *modifiers)
{
    m_modifiers = modifiers ? modifiers : m_ownModifiers.get();
}

DocumentWindow *DocumentFiles::active() const
{
    return m_registry.active();
}

DocumentWindow *DocumentFiles::findOpen(const QString &path) const
{
    for (DocumentWindow *doc : m_registry.documents())
        if (!doc->document().isUntitled() && FileNameRules::sameFile(doc->document().path(), path))
            return doc;
    return nullptr;
}

int DocumentFiles::nextUntitledNumber()
{
    const int number = m_context.settings.read(Keys::Count) + 1;
    m_context.settings.write(Keys::Count, number);
    return number;
}

DocumentWindow *DocumentFiles::makeDocument()
{
    auto *doc = new DocumentWindow(m_context);
    QMdiSubWindow *sub = m_area->addSubWindow(doc);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    const bool maximised = m_context.settings.read(Keys::State) == QLatin1String("max");
    if (maximised) {
        sub->showMaximized();
        Q_EMIT documentMaximised(doc);
    } else {
        sub->show();
    }
    m_area->setActiveSubWindow(sub);
    return doc;
}

void DocumentFiles::finishDocument(DocumentWindow *doc)
{
    doc->document().setLoading(false);
    doc->setModified(false);
    connect(doc, &DocumentWindow::closed, this,
            [this](DocumentWindow *d) { m_watcher->forget(d); });
    // A file dropped on the text opens rather than having its name typed in.
    new FileDrops(doc->memo()->viewport(), [this](const QStringList &names) { openFiles(names); });
    m_registry.add(doc);
}

bool DocumentFiles::readFile(const QString &path, QByteArray *bytes)
{
    WaitCursor wait;
    QString reason;
    if (FileBytes::read(path, bytes, &reason))
        return true;
    m_context.prompter.error(
        QStringLiteral("%1 could not be opened: %2").arg(QDir::toNativeSeparators(path), reason));
    return false;
}

void DocumentFiles::loadBytes(DocumentWindow *doc, const QByteArray &bytes)
{
    loadFrom(
        doc,
        [&bytes](const ScintillaEditor::PieceSink &take) {
            take(bytes);
            return true;
        },
        bytes.size());
}

bool DocumentFiles::loadFrom(DocumentWindow *doc, const ScintillaEditor::PieceSource &source,
                             qint64 size)
{
    ScintillaEditor &ed = doc->editor();
    const DocumentWindow::NotAnEdit loading(*doc);
    // With word wrap on, Scintilla would wrap every line of the new text at once (half a
    // minute for 50 MB); switched back on afterwards it wraps what is shown, the rest when idle.
    const bool wrap = doc->wordWrap() || doc->wrapHeldOff();
    doc->memo()->setWrapMode(QsciScintilla::WrapNone);
    // The editor falls back to Windows-1252 by itself when the bytes are not valid UTF-8, and
    // Enter goes on with the line ending the file already uses.
    const bool read = ed.loadPieces(source, size);
    ed.setCaret(0);
    doc->restoreWrapAfterLoad(wrap, size);
    return read;
}

DocumentWindow *DocumentFiles::newt(const QString &templateName)
{
    const QString handedOver = m_context.settings.read(Keys::Hello);
    const QString tpl =
        templateName.isEmpty() ? m_context.settings.read(Keys::Template) : templateName;
    if (m_skipFirstNew && handedOver.isEmpty()) {
        m_skipFirstNew = false;
        return nullptr;
    }
    DocumentWindow *doc = nullptr;
    if (!handedOver.isEmpty()) {
        // Cleared first: a message shown while loading must not find the file waiting again.
        m_context.settings.write(Keys::Hello, QString());
        doc = openPath(FileNameRules::fullPath(handedOver));
        if (!doc)
            return nullptr;
    } else {
        const int number = nextUntitledNumber();
        const QString tplPath = templatePath(tpl);
        QByteArray bytes;
        const bool withTemplate =
            !tplPath.isEmpty() && QFileInfo(tplPath).isFile() && readFile(tplPath, &bytes);
        doc = makeDocument();
        doc->document().setUntitled(number);
        // A new document's lines end in LF, whatever the template's did.
        if (withTemplate)
            loadBytes(doc, LineBreaks::convert(bytes, "\n"));
        finishDocument(doc);
    }
    return doc;
}

QString DocumentFiles::templatePath(const QString &name)
{
    if (name.isEmpty())
        return {};
    // Only a file of the template folder: a stored "../addict.cfg" would put the spelling
    // configuration into every new document.
    const bool plain = name != QLatin1String(".") && name != QLatin1String("..") &&
                       !name.contains(u'/') && !name.contains(QChar(0));
    if (plain)
        return m_home.templateDir() + u'/' + name;
    if (m_badTemplateReported != name) {
        m_badTemplateReported = name;
        m_context.prompter.warn(
            QStringLiteral("The default template \"%1\" is not a file of the template folder; "
                           "new documents start empty.")
                .arg(name));
    }
    return {};
}

DocumentWindow *DocumentFiles::news()
{
    if (m_firstCallHook) {
        auto hook = std::move(m_firstCallHook);
        m_firstCallHook = nullptr;
        hook();
    }
    return newt(QString());
}

DocumentWindow *DocumentFiles::newclean()
{
    const int number = nextUntitledNumber();
    DocumentWindow *doc = makeDocument();
    doc->document().setUntitled(number);
    finishDocument(doc);
    return doc;
}

DocumentWindow *DocumentFiles::newFromTemplate()
{
    if (m_templateChooser) {
        m_templateChooser();
        return nullptr;
    }
    return newt(QString());
}

DocumentWindow *DocumentFiles::newHtmlDocument()
{
    return EditingOptions(m_context.settings).newHtmlIsPlain() ? news() : newFromTemplate();
}

void DocumentFiles::openHandedOver()
{
    const QString name = m_context.settings.read(Keys::Hello);
    if (name.isEmpty())
        return;
    if (findOpen(FileNameRules::fullPath(name)) || findOpen(name)) {
        m_context.settings.write(Keys::Hello, QString());
        m_context.prompter.inform(name + QStringLiteral(" is already open."));
        return;
    }
    news();
}

void DocumentFiles::prepareDialogs()
{
    m_dialogState.prepare(m_context.settings, m_home.documentsDir(), m_modifiers->shift());
}

void DocumentFiles::refuseProject(const QString &name)
{
    m_context.prompter.inform(QDir::toNativeSeparators(name) +
                              QStringLiteral(" is a project file. Projects cannot be opened "
                                             "in this version of Quillmark."));
}

DocumentWindow *DocumentFiles::openFile(const QString &name)
{
    if (FileNameRules::isProjectFile(name)) {
        if (m_projectOpener)
            m_projectOpener(name);
        else
            refuseProject(name);
        return nullptr;
    }
    const QString full = FileNameRules::fullPath(name);
    if (findOpen(full)) {
        m_context.prompter.inform(QDir::toNativeSeparators(full) +
                                  QStringLiteral(" is already open."));
        return nullptr;
    }
    return openPath(full);
}

DocumentWindow *DocumentFiles::openPath(const QString &full)
{
    QString reason;
    const auto refuse = [this, &full](const QString &why) {
        m_context.prompter.error(
            QStringLiteral("%1 could not be opened: %2").arg(QDir::toNativeSeparators(full), why));
    };
    if (!FileBytes::isReadable(full, &reason)) {
        refuse(reason);
        return nullptr;
    }
    DocumentWindow *doc = makeDocument();
    doc->document().setPath(full);
    // Read in pieces straight into the editor, each piece hashed for the watcher on the way:
    // the file's bytes are never held beside the editor's text.
    QCryptographicHash hash(DocumentWatcher::HashAlgorithm);
    qint64 size = 0;
    const ScintillaEditor::PieceSource source = [&](const ScintillaEditor::PieceSink &take) {
        hash.reset();
        size = 0;
        return FileBytes::readPieces(
            full, PieceSize,
            [&](QByteArrayView piece) {
                hash.addData(piece);
                size += piece.size();
                take(piece);
            },
            &reason);
    };
    bool read = false;
    {
        WaitCursor wait;
        read = loadFrom(doc, source, QFileInfo(full).size());
    }
    if (!read) {
        delete doc->parentWidget(); // its sub-window, and the document with it
        refuse(reason);
        return nullptr;
    }
    m_watcher->watchKnown(doc, full, hash.result(), size);
    finishDocument(doc);
    UpdateOldies(full);
    return doc;
}

void DocumentFiles::Open()
{
    prepareDialogs();
    const QStringList chosen = m_dialogs->openFiles(QStringLiteral("Open"), m_dialogState.folder(),
                                                    m_dialogState.openFilter(), true);
    if (chosen.isEmpty())
        return;
    m_dialogState.chosen(chosen.front());
    for (const QString &name : chosen) {
        if (FileNameRules::isProjectFile(name) && chosen.size() > 1) {
            m_context.prompter.inform(QStringLiteral("You can only open projects individually"));
            continue;
        }
        openFile(name);
    }
}

DocumentWindow *DocumentFiles::Opens()
{
    prepareDialogs();
    const QStringList chosen = m_dialogs->openFiles(QStringLiteral("Open"), m_dialogState.folder(),
                                                    m_dialogState.openFilter(), false);
    if (chosen.isEmpty())
        return nullptr;
    m_dialogState.chosen(chosen.front());
    return openFile(chosen.front());
}

QString DocumentFiles::chooseFile()
{
    prepareDialogs();
    const QStringList chosen = m_dialogs->openFiles(QStringLiteral("Open"), m_dialogState.folder(),
                                                    m_dialogState.openFilter(), false);
    if (chosen.isEmpty())
        return {};
    m_dialogState.chosen(chosen.front());
    return chosen.front();
}

void DocumentFiles::openFiles(const QStringList &names)
{
    for (const QString &name : names)
        openFile(name);
}

void DocumentFiles::placeCaret(DocumentWindow *doc, int caret, int firstLine)
{
    ScintillaEditor &ed = doc->editor();
    ed.setCaret(std::clamp(caret, 0, ed.length()));
    ed.setFirstVisibleLine(std::clamp(firstLine, 0, std::max(0, ed.lineCount() - 1)));
}

DocumentWindow *DocumentFiles::reopen(const QString &path, int caret, int firstLine)
{
    const QString full = FileNameRules::fullPath(path);
    if (!QFileInfo(full).isFile() || findOpen(full) || FileNameRules::isProjectFile(full))
        return nullptr;
    DocumentWindow *doc = openPath(full);
    if (doc)
        placeCaret(doc, caret, firstLine);
    return doc;
}

DocumentWindow *DocumentFiles::restore(const RestoredText &entry)
{
    const bool named = entry.named && QDir::isAbsolutePath(entry.identity) &&
                       !findOpen(QDir::cleanPath(entry.identity));
    const QString path = named ? QDir::cleanPath(entry.identity) : QString();
    DocumentWindow *doc = makeDocument();
    if (named)
        doc->document().setPath(path);
    else
        doc->document().setUntitled(nextUntitledNumber());
    ScintillaEditor &ed = doc->editor();
    {
        WaitCursor wait;
        loadBytes(doc, entry.bytes);
        // The bytes alone do not tell a Windows-1252 page whose text is plain ASCII now.
        if (entry.windows1252 && ed.encoding() != ScintillaEditor::Encoding::Cp1252) {
            const DocumentWindow::NotAnEdit loading(*doc);
            ed.loadBytes(entry.bytes, ScintillaEditor::Encoding::Cp1252);
        }
        if (!entry.lineBreak.isEmpty())
            ed.setLineBreak(entry.lineBreak);
    }
    // The file the text was based on is what a save will replace without asking; one that
    // changed after the crash gets the question of any outside change.
    QByteArray onDisk;
    QString reason;
    const bool read = named && QFileInfo(path).isFile() && FileBytes::read(path, &onDisk, &reason);
    const bool changedSince =
        read && !entry.baseHash.isEmpty() && DocumentWatcher::hashOf(onDisk) != entry.baseHash;
    if (changedSince)
        m_watcher->watchKnown(doc, path, entry.baseHash, entry.baseSize);
    else if (read)
        m_watcher->watch(doc, path, onDisk);
    finishDocument(doc);
    placeCaret(doc, entry.caret, entry.firstLine);
    doc->setModified(true);
    if (named)
        UpdateOldies(path);
    if (changedSince)
        reloadChanged(doc, onDisk);
    return doc;
}

void DocumentFiles::activate(DocumentWindow *doc)
{
    m_registry.activate(doc);
}

void DocumentFiles::openRecent(int n)
{
    const QString name = RecentFiles(m_context.settings).slot(n);
    if (name.isEmpty())
        return;
    prepareDialogs();
    openFile(name);
}

void DocumentFiles::InsertFile()
{
    DocumentWindow *doc = active();
    if (!doc)
        return;
    prepareDialogs();
    const QStringList chosen =
        m_dialogs->openFiles(QStringLiteral("Varnel Inserts Files"), m_dialogState.folder(),
                             m_dialogState.openFilter(), true);
    if (chosen.isEmpty())
        return;
    m_dialogState.chosen(chosen.front());
    QByteArray bytes;
    if (!readFile(chosen.front(), &bytes))
        return;
    ScintillaEditor &ed = doc->editor();
    // A Windows-1252 document takes the file's bytes as they are; a UTF-8 one takes its text.
    const bool asUtf8 = ed.encoding() == ScintillaEditor::Encoding::Utf8 && isValidUtf8(bytes);
    const QString text =
        asUtf8 ? QStringDecoder(QStringDecoder::Utf8).decode(bytes) : Cp1252::decode(bytes);
    WaitCursor wait;
    UndoGroup group(ed);
    ed.replaceSelection(text);
}

void DocumentFiles::UpdateOldies(const QString &name)
{
    RecentFiles(m_context.settings).add(name);
}

QStringList DocumentFiles::recentMenuEntries()
{
    return RecentFiles(m_context.settings).prunedEntries([](const QString &path) {
        return QFileInfo::exists(path);
    });
}

void DocumentFiles::reloadChanged(DocumentWindow *doc, const QByteArray &bytes)
{
    const QString name = QDir::toNativeSeparators(doc->document().path());
    // The default answer keeps the user's own edits; a reload can be undone in any case.
    const bool reload =
        doc->isModified()
            ? m_context.prompter.confirmDefaultNo(
                  name + QStringLiteral(" has been changed by another program.\n"
                                        "Reload it and lose the changes made here?"))
            : m_context.prompter.confirm(
                  name + QStringLiteral(" has been changed by another program.\nReload it?"));
    if (!reload)
        return;
    ScintillaEditor &ed = doc->editor();
    const int line = ed.lineOfOffset(ed.caret());
    {
        WaitCursor wait;
        if (!ed.reloadBytes(bytes))
            loadBytes(doc, bytes);
    }
    ed.setCaret(ed.lineStart(std::min(line, ed.lineCount() - 1)));
    doc->setModified(false);
    m_watcher->watch(doc, doc->document().path(), bytes);
}

void DocumentFiles::keepDeleted(DocumentWindow *doc)
{
    m_context.prompter.warn(QDir::toNativeSeparators(doc->document().path()) +
                            QStringLiteral(" has been deleted or moved by another program.\n"
                                           "Its text stays open here; save it to keep it."));
    // Closing must now ask before the text is lost.
    doc->setModified(true);
}

void DocumentFiles::registerHandlers(CommandActions &commands)
{
    commands.setHandler(Cmd::New1Click, [this] { newFromTemplate(); });
    commands.setHandler(Cmd::news, [this] { news(); });
    commands.setHandler(Cmd::othernew, [this] { newFromTemplate(); });
    commands.setHandler(Cmd::newclean1Click, [this] { newclean(); });
    commands.setHandler(Cmd::Open1Click, [this] { Open(); });
    commands.setHandler(Cmd::InsertFile, [this] { InsertFile(); });
}
