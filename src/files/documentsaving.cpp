#include "files/documentsaving.h"

#include "base/filebytes.h"
#include "base/filedialogs.h"
#include "base/prompter.h"
#include "base/settingsfile.h"
#include "commands/commandactions.h"
#include "commands/commandids.h"
#include "documents/documentcontext.h"
#include "documents/documentregistry.h"
#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "files/documentwatcher.h"
#include "files/filenamerules.h"
#include "files/savechecks.h"
#include "files/waitcursor.h"

#include <QDir>
#include <QFileInfo>
#include <QMdiSubWindow>

namespace {

void restoreIfMinimised(DocumentWindow *doc)
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(doc->parentWidget()); sub && sub->isMinimized())
        sub->showNormal();
}

} // namespace

DocumentSaving::DocumentSaving(DocumentRegistry &registry, DocumentFiles &files,
                               DocumentContext &context, QObject *parent)
    : QObject(parent), m_registry(registry), m_files(files), m_context(context)
{
    // The close question of every document saves through here.
    connect(&m_registry, &DocumentRegistry::opened, this, [this](DocumentWindow *doc) {
        doc->setSaveHandler([this](DocumentWindow *d) { save(d); });
    });
}

bool DocumentSaving::writeFile(const QString &path, const QByteArray &bytes)
{
    WaitCursor wait;
    QString reason;
    if (FileBytes::write(path, bytes, &reason))
        return true;
    m_context.prompter.error(
        QStringLiteral("%1 could not be saved: %2").arg(QDir::toNativeSeparators(path), reason));
    return false;
}

void DocumentSaving::markSaved(DocumentWindow *doc, const QString &path, const QByteArray &bytes)
{
    doc->setModified(false);
    m_files.watcher().watch(doc, path, bytes);
}

bool DocumentSaving::mayOverwrite(DocumentWindow *doc)
{
    // What another program wrote since we read the file would be lost without a word.
    if (m_files.watcher().diskState(doc) != DocumentWatcher::DiskState::Changed)
        return true;
    return m_context.prompter.confirmDefaultNo(
        QDir::toNativeSeparators(doc->document().path()) +
        QStringLiteral(" has been changed by another program since it was opened or saved "
                       "here.\nSave over it and lose those changes?"));
}

bool DocumentSaving::Saves()
{
    return save(m_registry.active());
}

bool DocumentSaving::SavesAs()
{
    return saveAs(m_registry.active());
}

bool DocumentSaving::save(DocumentWindow *doc)
{
    if (!doc || !doc->isModified())
        return true;
    restoreIfMinimised(doc);
    if (doc->document().isUntitled())
        return saveAs(doc);
    if (!mayOverwrite(doc) ||
        !SaveChecks::mayReplaceReadOnly(m_context.prompter, doc->document().path()))
        return false;
    const QString path = doc->document().path();
    const QByteArray bytes = doc->editor().bytes();
    if (!writeFile(path, bytes))
        return false;
    markSaved(doc, path, bytes);
    return true;
}

bool DocumentSaving::saveAs(DocumentWindow *doc, const QString &startFolder)
{
    if (!doc)
        return false;
    restoreIfMinimised(doc);
    const Document &document = doc->document();
    const QString offered = document.isUntitled() ? QString() : document.shortName();
    m_files.prepareDialogs();
    if (!startFolder.isEmpty())
        m_files.dialogState().setFolder(startFolder);
    QString name;
    for (;;) {
        const QString chosen = m_files.dialogs().saveFile(m_files.dialogState().folder(), offered,
                                                          m_files.dialogState().saveFilter());
        if (chosen.isEmpty())
            return false;
        m_files.dialogState().chosen(chosen);
        name = FileNameRules::fullPath(
            FileNameRules::saveAsName(chosen, m_context.settings.read(Keys::DefExt)));
        if (!QFileInfo::exists(name) ||
            m_context.prompter.confirm(QStringLiteral("Replace existing ") +
                                       QDir::toNativeSeparators(name) + QStringLiteral(" ?")))
            break;
    }
    if (!SaveChecks::mayReplaceReadOnly(m_context.prompter, name))
        return false;
    if (!document.isUntitled() && FileNameRules::sameFile(name, document.path())) {
        if (!doc->isModified())
            return true;
        const QByteArray bytes = doc->editor().bytes();
        if (!writeFile(document.path(), bytes))
            return false;
        markSaved(doc, document.path(), bytes);
        return true;
    }
    if (m_files.findOpen(name)) {
        m_context.prompter.error(QDir::toNativeSeparators(name) +
                                 QStringLiteral(" is currently open.\n"
                                                "Close the open file and try again."));
        return false;
    }
    const QByteArray bytes = doc->editor().bytes();
    if (!writeFile(name, bytes))
        return false;
    m_files.watcher().forget(doc);
    doc->document().setPath(name);
    markSaved(doc, name, bytes);
    m_files.UpdateOldies(name);
    return true;
}

void DocumentSaving::registerHandlers(CommandActions &commands)
{
    commands.setHandler(Cmd::Saves, [this] { Saves(); });
    commands.setHandler(Cmd::SavesAs, [this] { SavesAs(); });
}
