#pragma once

#include "helpers/frame/panelrows.h"
#include "helpers/frame/tagreading.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

class CaptionBar;
class QLabel;
class QPushButton;
class DocumentRegistry;
class HelpLauncher;
class QSizeGrip;
class QVBoxLayout;
class SettingsFile;
class TagAttributeFields;
class TagController;
class TextEditor;

// What a panel needs of the program: the settings file, the active document (its editor and
// its file, empty while unsaved), the insert and wrap entry points, a way to give the
// keyboard back to the document and the program's help.
struct PanelHost
{
    SettingsFile &settings;
    TagController &tags;
    DocumentRegistry &documents;
    HelpLauncher &help;

    TextEditor *activeEditor() const;
    QString documentPath() const;
    void returnFocus() const;
    void showHelp(int topic) const;
};

// The frame every helper panel shares: a floating tool window over the main frame with the
// drawn caption bar, rolled up to the caption and down again, kept in place by its geometry
// keys, with the buttons "Read tag", "Insert Code" and "Close". A panel that builds a tag
// names it and reads it back (readTag), so that the tag under the caret can be edited:
// Insert Code then replaces that tag instead of adding a second one. Made by the panel
// manager on the main frame; frees itself when closed.
class HelperPanel : public QWidget
{
    Q_OBJECT

public:
    HelperPanel(const PanelRow &row, PanelHost &host, QWidget *mainFrame);
    ~HelperPanel() override;

    const PanelRow &row() const { return m_row; }
    bool isResizable() const { return m_row.width != nullptr; }
    CaptionBar *captionBar() const { return m_caption; }
    QPushButton *insertButton() const { return m_insert; }
    QPushButton *closeButton() const { return m_closeButton; }
    QPushButton *readButton() const { return m_read; }
    QLabel *editingLabel() const { return m_editing; }
    // class, id, style and title, on the panels that build a start tag.
    TagAttributeFields *tagAttributes() const { return m_attributes; }

    // The shared creation steps: the designed size is the full height; the place and, for a
    // resizable panel, the size come from the settings when positions are remembered.
    void placeAtStart();
    // Rolls up to the caption bar, or down to the full height.
    void roll();
    bool isRolled() const { return m_rolled; }
    int fullHeight() const { return m_fullHeight; }
    // The close steps: writes the place (and size), then the panel's own settings; frees the
    // panel.
    void closePanel();
    // Opening again, or "Read tag": takes over the panel's tag under the caret. False when
    // the caret stands in none.
    bool readTagUnderCaret();
    // The tag being edited, while Insert Code would replace it.
    bool isEditingTag() const { return m_editedTag.has_value(); }

Q_SIGNALS:
    // The panel is going away, closed or destroyed.
    void closed();

protected:
    // The panel's own layout goes into body(); its minimum size is the body's plus the
    // caption. The button row goes where the panel puts buttonRow().
    QWidget *body() const { return m_body; }
    QWidget *buttonRow() const { return m_buttons; }
    PanelHost &host() const { return m_host; }
    SettingsFile &settings() const;
    void setDesignedSize(QSize size, QSize minimum);

    // Hands the built code to the document: replaces the edited tag when the caret still
    // stands in it, else inserts at the caret (listcode2).
    void insertCode(const QString &code);
    // Insert Code of a panel whose tag marks up text: while a tag is edited and the panel
    // gives its new start tag (`editedTag`), that replaces it and what the tag holds stays;
    // else the selection is wrapped in `start` and `end`, or, without an end, `start` goes in
    // at the caret.
    void applyParts(const QString &start, const QString &end, const QString &editedTag);
    // The keyboard goes back to the document; every control's handler ends with it.
    void afterControl();
    // A panel's destructor calls it first: a field that still has the keyboard finishes its
    // typing while the whole panel can still take the change.
    void finishTyping();
    // A panel that builds a start tag shows the class, id, style and title fields above its
    // buttons; they are filled by Read tag.
    void enableTagAttributes();
    // The kept attributes with those fields put in.
    QList<TagAttribute> withTagAttributes(const QList<TagAttribute> &others) const;

    // The tag this panel builds ("IMG"), or empty for a panel that reads none.
    virtual QString tagName() const { return {}; }
    // The tags it reads back: its own, or several for a panel with modes.
    virtual QStringList tagNames() const { return {tagName()}; }
    // Fills the fields from a tag of that name; false when it cannot.
    virtual bool readTag(const FoundTag &) { return false; }
    // What Read tag takes over around the selection: by default a start tag of tagNames();
    // a panel that edits a smaller piece (one attribute, one value) finds its own.
    virtual std::optional<FoundTag> pieceAtCaret(const QString &text, int selectionStart,
                                                 int selectionEnd) const;
    // The label while a piece is edited: "Editing the IMG tag on line 3".
    virtual QString editingText(const QString &name, int line) const;
    // Called by Insert Code: the code to insert, rebuilt from the fields.
    virtual QString buildCode() { return {}; }
    // Insert Code: inserts the built code. A panel that wraps the selection, or asks for
    // something first, does its own.
    virtual void applyCode() { insertCode(buildCode()); }
    // The tag read last is no longer edited: what the panel kept of it goes.
    virtual void forgetTag() {}
    // Whether text selected in the document stays selected after the code goes in front of
    // it; a panel that builds a whole-page tag leaves the caret after its code instead.
    virtual bool keepsSelection() const { return true; }
    // The panel's own settings, written by the close steps.
    virtual void saveOwnSettings() {}
    // Laid out again after a user resize.
    virtual void relayout() {}

    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    struct EditedTag
    {
        int start = 0;
        QString text;
        QString name; // as the panel names it
    };
    void InsertCodeClick();
    // Whether the edited tag still stands where it was read, with the caret in or after it.
    bool editedTagInPlace() const;
    void showEditing();
    std::optional<FoundTag> currentTag() const;

    const PanelRow &m_row;
    PanelHost &m_host;
    CaptionBar *m_caption = nullptr;
    QWidget *m_body = nullptr;
    QWidget *m_buttons = nullptr;
    QPushButton *m_read = nullptr;
    QPushButton *m_insert = nullptr;
    QPushButton *m_closeButton = nullptr;
    QLabel *m_editing = nullptr;
    TagAttributeFields *m_attributes = nullptr;
    QSizeGrip *m_grip = nullptr;
    QSize m_minimum;
    int m_fullHeight = 0;
    int m_rolledWidth = 0;
    bool m_rolled = false;
    bool m_inRoll = false;
    bool m_closing = false;
    std::optional<EditedTag> m_editedTag;
};
