#include "app/documentfiles.h"

#include "app/homefolder.h"
#include "app/prompter.h"
#include "app/settingsfile.h"
#include "app/shelloptions.h"
#include "app/tabstrips.h"
#include "editor/cp1252.h"
#include "editor/documentcontext.h"
#include "editor/scintillaeditor.h"
#include "editor/tmdisub.h"

#include <Qsci/qsciscintilla.h>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSaveFile>

namespace {

// Shows the wait cursor for the lifetime of a file operation.
class WaitCursor
{
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
};

} // namespace

DocumentFiles::DocumentFiles(QMdiArea *area, TabStrips &tabs, DocumentContext &context,
                             ShellOptions &options, const HomeFolder &home, QObject *parent)
    : QObject(parent), m_area(area), m_tabs(tabs), m_context(context), m_options(options),
      m_home(home)
{
}

QList<TMDIsub *> DocumentFiles::documents() const
{
    QList<TMDIsub *> docs;
    for (QMdiSubWindow *sub : m_area->subWindowList(QMdiArea::CreationOrder))
        if (auto *doc = qobject_cast<TMDIsub *>(sub->widget()))
            docs << doc;
    return docs;
}

TMDIsub *DocumentFiles::active() const
{
    QMdiSubWindow *sub = m_area->activeSubWindow();
    if (!sub) {
        const auto subs = m_area->subWindowList(QMdiArea::ActivationHistoryOrder);
        sub = subs.isEmpty() ? nullptr : subs.back();
    }
    return sub ? qobject_cast<TMDIsub *>(sub->widget()) : nullptr;
}

TMDIsub *DocumentFiles::findOpen(const QString &identity) const
{
    for (TMDIsub *doc : documents())
        if (doc->identity().compare(identity, Qt::CaseInsensitive) == 0)
            return doc;
    return nullptr;
}

int DocumentFiles::nextUntitledNumber()
{
    const int number = m_context.settings.read(Keys::Count) + 1;
    m_context.settings.write(Keys::Count, number);
    return number;
}

TMDIsub *DocumentFiles::makeDocument()
{
    auto *doc = new TMDIsub(m_context);
    QMdiSubWindow *sub = m_area->addSubWindow(doc);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    connect(doc, &TMDIsub::edited, this, [this](TMDIsub *d) { m_tabs.markModified(d); });
    connect(doc, &TMDIsub::closed, this, [this](TMDIsub *d) {
        m_tabs.remove(d);
        if (documents().size() <= 1)
            m_tabs.setShown(false);
    });
    doc->setSaveHandler([this](TMDIsub *d) { save(d); });
    const bool maximised = m_context.settings.read(Keys::State) == QLatin1String("max");
    if (maximised) {
        sub->showMaximized();
        m_tabs.setShown(true);
    } else {
        sub->show();
    }
    m_area->setActiveSubWindow(sub);
    return doc;
}

void DocumentFiles::finishDocument(TMDIsub *doc, const QString &caption, const QString &tabText)
{
    doc->setWindowTitle(caption);
    m_tabs.add(doc, tabText);
    doc->editor().setModified(false);
    Q_EMIT documentMade(doc);
}

bool DocumentFiles::loadFile(TMDIsub *doc, const QString &path)
{
    WaitCursor wait;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_context.prompter.error(QStringLiteral("%1 could not be opened: %2")
                                     .arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }
    const QByteArray bytes = file.readAll();
    doc->raiseLoadingFlag();
    doc->editor().loadBytes(bytes, isValidUtf8(bytes) ? ScintillaEditor::Encoding::Utf8
                                                      : ScintillaEditor::Encoding::Cp1252);
    doc->editor().setCaret(0);
    return true;
}

TMDIsub *DocumentFiles::newt(const QString &templateName)
{
    const QString handedOver = m_context.settings.read(Keys::Hello);
    const QString tpl =
        templateName.isEmpty() ? m_context.settings.read(Keys::Template) : templateName;
    if (m_options.startNew == QLatin1String("no") && handedOver.isEmpty()) {
        m_options.startNew.clear();
        return nullptr;
    }
    if (!handedOver.isEmpty()) {
        // Cleared first: a message shown while loading must not find the file waiting again.
        m_context.settings.write(Keys::Hello, QString());
        const QString full = QFileInfo(handedOver).absoluteFilePath();
        TMDIsub *doc = makeDocument();
        doc->setIdentity(full);
        if (!loadFile(doc, full)) {
            m_area->removeSubWindow(doc->parentWidget());
            doc->parentWidget()->deleteLater();
            m_tabs.setShown(!documents().isEmpty() && m_tabs.isShown());
            return nullptr;
        }
        const QString name = QFileInfo(full).fileName();
        finishDocument(doc, m_context.settings.read(Keys::FullPath) ? full : name, name);
        return doc;
    }
    const QString untitled = QStringLiteral("Untitled%1").arg(nextUntitledNumber());
    TMDIsub *doc = makeDocument();
    doc->setIdentity(untitled);
    const QString tplPath = m_home.templateDir() + u'/' + tpl;
    if (!tpl.isEmpty() && QFileInfo(tplPath).isFile())
        loadFile(doc, tplPath);
    finishDocument(doc, untitled, untitled);
    return doc;
}

TMDIsub *DocumentFiles::news()
{
    if (m_firstCallHook) {
        auto hook = std::move(m_firstCallHook);
        m_firstCallHook = nullptr;
        hook();
    }
    return newt(QString());
}

TMDIsub *DocumentFiles::newclean()
{
    const QString untitled = QStringLiteral("Untitled%1").arg(nextUntitledNumber());
    TMDIsub *doc = makeDocument();
    doc->setIdentity(untitled);
    finishDocument(doc, untitled, untitled);
    return doc;
}

void DocumentFiles::openHandedOver()
{
    const QString name = m_context.settings.read(Keys::Hello);
    if (name.isEmpty())
        return;
    if (findOpen(QFileInfo(name).absoluteFilePath()) || findOpen(name)) {
        m_context.settings.write(Keys::Hello, QString());
        m_context.prompter.inform(name + QStringLiteral(" is already open."));
        return;
    }
    news();
}

bool DocumentFiles::writeFile(TMDIsub *doc, const QString &path)
{
    WaitCursor wait;
    QSaveFile file(path);
    const QByteArray bytes = doc->editor().bytes();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        m_context.prompter.error(QStringLiteral("%1 could not be saved: %2")
                                     .arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }
    return true;
}

bool DocumentFiles::save(TMDIsub *doc)
{
    if (!doc || !doc->isModified())
        return true;
    QString path = doc->identity();
    if (doc->windowTitle().startsWith(QLatin1String("Untitled"))) {
        path = QFileDialog::getSaveFileName(doc, QString(), m_home.dataDir(),
                                            QStringLiteral("HTML Files (*.htm*);;Any File (*)"));
        if (path.isEmpty())
            return false;
    }
    if (!writeFile(doc, path))
        return false;
    doc->setIdentity(path);
    const QString name = QFileInfo(path).fileName();
    doc->setWindowTitle(m_context.settings.read(Keys::FullPath) ? path : name);
    m_tabs.setText(doc, name);
    doc->editor().setModified(false);
    Q_EMIT documentSaved(doc);
    return true;
}
