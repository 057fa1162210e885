#include "helpers/usertags/addtolibrary.h"

#include "base/prompter.h"
#include "editor/texteditor.h"
#include "helpers/frame/panelmanager.h"
#include "helpers/usertags/taglibrary.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

AddToLibraryDialog::AddToLibraryDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(QStringLiteral("Add to Library"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(QStringLiteral("Type a description for your new Library item:"), this));
    m_description = new QLineEdit(this);
    m_description->setObjectName(QStringLiteral("description"));
    m_description->setMinimumWidth(320);
    layout->addWidget(m_description);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_create = new QPushButton(QStringLiteral("Create Item"), this);
    m_create->setObjectName(QStringLiteral("createitem"));
    m_create->setDefault(true);
    m_close = new QPushButton(QStringLiteral("Close"), this);
    m_close->setObjectName(QStringLiteral("closebut"));
    m_close->setAutoDefault(false);
    buttons->addWidget(m_create);
    buttons->addWidget(m_close);
    layout->addLayout(buttons);
    auto *note = new QLabel(
        QStringLiteral("If you need to change your description, edit it in the User Tags Helper."),
        this);
    note->setWordWrap(true);
    layout->addWidget(note);
    connect(m_create, &QPushButton::clicked, this, &AddToLibraryDialog::createClicked);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
}

AddToLibrary::AddToLibrary(PanelManager &panels, Prompter &prompter, QString libraryFolder,
                           QWidget *frame)
    : QObject(frame), m_panels(panels), m_prompter(prompter), m_folder(std::move(libraryFolder)),
      m_frame(frame)
{
}

void AddToLibrary::start(int row)
{
    PanelHost &host = m_panels.host();
    TextEditor *doc = host.activeEditor();
    if (!doc)
        return;
    if (doc->selLength() == 0) {
        m_prompter.inform(
            QStringLiteral("You must have text selected in the editor before you can add new "
                           "Library items. Click OK and try again."));
        host.returnFocus();
        return;
    }
    if (m_dialog)
        return;
    m_text = doc->selectedText();
    m_row = row;
    if (HelperPanel *panel = m_panels.panel(PanelId::UserTags))
        panel->closePanel();
    m_dialog = new AddToLibraryDialog(m_frame);
    m_dialog->setAttribute(Qt::WA_DeleteOnClose);
    // The document waits for the dialog, as the selection it took is being stored.
    m_dialog->setWindowModality(Qt::ApplicationModal);
    connect(m_dialog, &AddToLibraryDialog::createClicked, this, &AddToLibrary::create);
    connect(m_dialog, &QDialog::finished, this, &AddToLibrary::finish);
    m_dialog->show();
}

void AddToLibrary::create()
{
    const QString description = m_dialog->description()->text();
    if (description.isEmpty())
        return;
    QString reason;
    const TagLibrary library(m_folder);
    if (!library.addItem(m_panels.host().settings, m_text, description, m_row, &reason)) {
        // The dialog stays, so that nothing typed is lost.
        m_prompter.error(reason);
        return;
    }
    m_dialog->accept();
}

void AddToLibrary::finish()
{
    m_text.clear();
    m_openForLibrary = m_row;
    m_row = 0;
    m_panels.open(PanelRows::byId(PanelId::UserTags));
    // A panel that could not be made leaves no marker for a later one.
    m_openForLibrary.reset();
}

std::optional<int> AddToLibrary::takeOpenForLibrary()
{
    return std::exchange(m_openForLibrary, std::nullopt);
}
