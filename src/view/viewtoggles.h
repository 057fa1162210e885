#pragma once

#include <QObject>

#include <functional>
#include <memory>

class CommandActions;
class FontDialog;
class QWidget;
class SettingsFile;
class DocumentRegistry;
class DocumentWindow;

// The commands that change how the active document looks without touching its text: the
// editor font (larger, smaller, chosen, stored default, built-in default, store current),
// word wrap, tag colouring, the gutter and live spelling. With no document open each does
// nothing. Owned by the main frame.
class ViewToggles : public QObject
{
    Q_OBJECT

public:
    // The check marks follow the active document from the start.
    ViewToggles(SettingsFile &settings, DocumentRegistry &documents, QWidget *dialogParent,
                QObject *parent = nullptr);
    ~ViewToggles() override;

    // The font dialog; null restores Qt's.
    void setFontDialog(FontDialog *dialog);

    // Gives the ten commands their handlers; the toggles' check marks follow the document
    // from then on.
    void registerHandlers(CommandActions &commands);
    // Sets the four check marks from the active document (call when a document is
    // activated); nothing while none is open.
    void updateChecks();

    void fontUp();
    void fontDown();
    void changeFont();
    void readFont();
    void noFont();
    void writeFont();
    void toggleWordWrap();
    void toggleColouredTags();
    void toggleGutter();
    void toggleInvisibles();
    void toggleLiveSpelling();

Q_SIGNALS:
    // For the live spelling item's on or off picture.
    void liveSpellingChanged(bool on);

private:
    void setCheck(const char *id, bool on);

    SettingsFile &m_settings;
    DocumentRegistry &m_documents;
    QWidget *m_dialogParent;
    std::unique_ptr<FontDialog> m_ownDialog;
    FontDialog *m_dialog = nullptr;
    CommandActions *m_commands = nullptr;
};
