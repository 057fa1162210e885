#pragma once

#include "helpers/frame/helperpanel.h"

#include <QDialog>
#include <QObject>
#include <QPointer>

#include <optional>

class PanelManager;
class Prompter;
class QLineEdit;
class QPushButton;

// The "Add to Library" dialog: a description for the new item, "Create Item" and "Close".
// Made and owned by AddToLibrary while it runs.
class AddToLibraryDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AddToLibraryDialog(QWidget *parent);

    QLineEdit *description() const { return m_description; }
    QPushButton *createButton() const { return m_create; }
    QPushButton *closeButton() const { return m_close; }

Q_SIGNALS:
    void createClicked();

private:
    QLineEdit *m_description = nullptr;
    QPushButton *m_create = nullptr;
    QPushButton *m_close = nullptr;
};

// Add to Library: the selected text of the active document becomes a new item of the tag
// library. The text is taken from the selection itself, so the clipboard stays as the user
// left it. While the dialog is open the user tags panel is closed and the program waits for
// the dialog; closing it opens the panel again on the library list, at the row the item went
// into. Made by the main frame; the user tags panel starts it with the row chosen there.
class AddToLibrary : public QObject
{
    Q_OBJECT

public:
    AddToLibrary(PanelManager &panels, Prompter &prompter, QString libraryFolder, QWidget *frame);

    // The command: nothing without a document, a message without a selection, nothing while
    // the dialog is open. The new item's line goes into library.dat at `row`.
    void start(int row = 0);
    AddToLibraryDialog *dialog() const { return m_dialog; }
    // Asked once by the user tags panel as it is made: the row to show on the library list in
    // edit mode, when the panel opens after the dialog.
    std::optional<int> takeOpenForLibrary();

private:
    void create();
    void finish();

    PanelManager &m_panels;
    Prompter &m_prompter;
    QString m_folder;
    QWidget *m_frame;
    QPointer<AddToLibraryDialog> m_dialog;
    QString m_text;
    int m_row = 0;
    std::optional<int> m_openForLibrary;
};
