#include "view/viewtoggles.h"

#include "base/settingsfile.h"
#include "commands/commandactions.h"
#include "commands/commandids.h"
#include "documents/documentregistry.h"
#include "documents/documentwindow.h"
#include "view/documentfont.h"
#include "view/fontdialog.h"

#include <QAction>

ViewToggles::ViewToggles(SettingsFile &settings, DocumentRegistry &documents, QWidget *dialogParent,
                         QObject *parent)
    : QObject(parent), m_settings(settings), m_documents(documents), m_dialogParent(dialogParent)
{
    setFontDialog(nullptr);
    // A new document takes the font the user stored.
    connect(&m_documents, &DocumentRegistry::opened, this,
            [this](DocumentWindow *doc) { DocumentFont::applyStored(*doc, m_settings); });
    connect(&m_documents, &DocumentRegistry::activeChanged, this, &ViewToggles::updateChecks);
    connect(&m_documents, &DocumentRegistry::formatChanged, this, &ViewToggles::updateChecks);
    connect(&m_documents, &DocumentRegistry::liveSpellingChanged, this,
            [this](DocumentWindow *doc) {
                if (doc == m_documents.active())
                    updateChecks();
            });
}

ViewToggles::~ViewToggles() = default;

void ViewToggles::setFontDialog(FontDialog *dialog)
{
    if (!dialog && !m_ownDialog)
        m_ownDialog = makeQtFontDialog();
    m_dialog = dialog ? dialog : m_ownDialog.get();
}

void ViewToggles::registerHandlers(CommandActions &commands)
{
    m_commands = &commands;
    const std::pair<const char *, void (ViewToggles::*)()> handlers[] = {
        {Cmd::fontup, &ViewToggles::fontUp},
        {Cmd::fontdown, &ViewToggles::fontDown},
        {Cmd::Font1Click, &ViewToggles::changeFont},
        {Cmd::ReadFont, &ViewToggles::readFont},
        {Cmd::nofont, &ViewToggles::noFont},
        {Cmd::WriteFont, &ViewToggles::writeFont},
        {Cmd::Wordwrap1Click, &ViewToggles::toggleWordWrap},
        {Cmd::ColoredTags1Click, &ViewToggles::toggleColouredTags},
        {Cmd::Gutter1Click, &ViewToggles::toggleGutter},
        {Cmd::Invisibles1Click, &ViewToggles::toggleInvisibles},
        {Cmd::LiveSpellcheck1Click, &ViewToggles::toggleLiveSpelling},
    };
    for (const auto &[id, method] : handlers)
        commands.setHandler(QLatin1String(id), [this, method = method] { (this->*method)(); });
}

void ViewToggles::setCheck(const char *id, bool on)
{
    if (!m_commands)
        return;
    if (QAction *a = m_commands->action(QLatin1String(id)))
        a->setChecked(on);
}

void ViewToggles::updateChecks()
{
    DocumentWindow *doc = m_documents.active();
    if (!doc)
        return;
    setCheck(Cmd::Wordwrap1Click, doc->wordWrap());
    setCheck(Cmd::ColoredTags1Click, doc->tagColouring());
    setCheck(Cmd::Gutter1Click, doc->gutterVisible());
    setCheck(Cmd::Invisibles1Click, m_settings.read(Keys::ShowInvisibles));
    setCheck(Cmd::LiveSpellcheck1Click, doc->liveSpelling());
}

void ViewToggles::fontUp()
{
    if (DocumentWindow *doc = m_documents.active()) {
        EditorFontSpec font = DocumentFont::current(*doc);
        font.points = EditorFont::larger(font.points);
        DocumentFont::apply(*doc, font);
    }
}

void ViewToggles::fontDown()
{
    if (DocumentWindow *doc = m_documents.active()) {
        EditorFontSpec font = DocumentFont::current(*doc);
        const int points = EditorFont::smaller(font.points);
        if (points == font.points)
            return;
        font.points = points;
        DocumentFont::apply(*doc, font);
    }
}

void ViewToggles::changeFont()
{
    DocumentWindow *doc = m_documents.active();
    if (!doc)
        return;
    // The dialog chooses no colour: the text keeps its own.
    if (const std::optional<QFont> font = m_dialog->chooseFont(doc->editorFont(), m_dialogParent))
        doc->setEditorFont(*font, doc->textColour());
}

void ViewToggles::readFont()
{
    if (DocumentWindow *doc = m_documents.active())
        DocumentFont::applyStored(*doc, m_settings);
}

void ViewToggles::noFont()
{
    if (DocumentWindow *doc = m_documents.active())
        DocumentFont::apply(*doc, EditorFont::builtInDefault());
}

void ViewToggles::writeFont()
{
    if (DocumentWindow *doc = m_documents.active())
        EditorFont::writeStored(m_settings, DocumentFont::current(*doc));
}

void ViewToggles::toggleWordWrap()
{
    DocumentWindow *doc = m_documents.active();
    if (!doc)
        return;
    const bool on = !doc->wordWrap();
    doc->setWordWrap(on);
    m_settings.write(Keys::Wraps, on ? QString() : QStringLiteral("no"));
    setCheck(Cmd::Wordwrap1Click, on);
}

void ViewToggles::toggleColouredTags()
{
    DocumentWindow *doc = m_documents.active();
    if (!doc)
        return;
    doc->setTagColouring(!doc->tagColouring());
    setCheck(Cmd::ColoredTags1Click, doc->tagColouring());
}

void ViewToggles::toggleGutter()
{
    DocumentWindow *doc = m_documents.active();
    if (!doc)
        return;
    doc->setGutterVisible(!doc->gutterVisible());
    setCheck(Cmd::Gutter1Click, doc->gutterVisible());
}

// A choice for every page at once, kept for the next session.
void ViewToggles::toggleInvisibles()
{
    const bool on = !m_settings.read(Keys::ShowInvisibles);
    m_settings.write(Keys::ShowInvisibles, on);
    m_settings.announceApplied();
    setCheck(Cmd::Invisibles1Click, on);
}

void ViewToggles::toggleLiveSpelling()
{
    DocumentWindow *doc = m_documents.active();
    if (!doc)
        return;
    doc->setLiveSpelling(!doc->liveSpelling());
    setCheck(Cmd::LiveSpellcheck1Click, doc->liveSpelling());
    Q_EMIT liveSpellingChanged(doc->liveSpelling());
}
