#pragma once

#include "toolbar/speedlayout.h"

#include <QHash>
#include <QPointer>
#include <QToolButton>
#include <QWidget>

class CommandActions;
class DocumentRegistry;
class CustomizeDialog;
class QMenu;
class SettingsFile;
struct SpeedItemRow;

// One picture button of the toolbar. A left click runs the item's command, a right-button
// press runs the command's alternative only; while the bar is being customised the button
// is dragged instead, and a drag that ends off the bar removes it.
class SpeedButton : public QToolButton
{
    Q_OBJECT

public:
    SpeedButton(const SpeedItemRow &row, QWidget *parent);
    const SpeedItemRow &row() const { return m_row; }
    QString name() const { return objectName(); }
    void setDraggable(bool on) { m_draggable = on; }
    // The tool tip is the hint with the keys of the item's command beside it.
    const QString &hint() const { return m_hint; }
    void setHint(const QString &hint);
    void setKeys(const QString &keys);

Q_SIGNALS:
    void rightPressed();
    void draggedOff();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void showTip();

    const SpeedItemRow &m_row;
    QString m_hint;
    QString m_keys;
    bool m_draggable = false;
    QPoint m_pressAt;
    bool m_pressed = false;
};

// The customisable toolbar `thepanel`: every item of the item table exists as a button; the
// layout decides which show and where, one to five rows high. It keeps its layout in the
// settings file and loads item pictures by the picture rule. Owned by the main frame.
class SpeedBar : public QWidget
{
    Q_OBJECT

public:
    static constexpr const char *MimeType = "application/x-quillmark-speeditem";

    SpeedBar(SettingsFile &settings, CommandActions &commands, QString homePath,
             QWidget *parent = nullptr);
    ~SpeedBar() override;

    // Gives the row, pop-up and customise commands their handlers.
    void registerHandlers();

    // Restores the stored layout; an incompatible or empty one leaves the bar as it is.
    void restoreLayout();
    void saveLayout();
    // Stores and shows the default layout.
    void defaultbuttons();
    void setRows(int rows);
    int rows() const;
    SpeedLayout layout() const;

    // The picture rule: with the full flag every item gets its picture; otherwise only the
    // items on the bar do, the others hold none. Clears the full flag.
    void doButtons();
    // Opens the customisation dialog (the command `Customize1Click`).
    void customize();
    CustomizeDialog *customizeDialog() const;
    QMenu *popupMenu() const { return m_popup; }

    void setFlat(bool flat);
    void setSaveModified(bool modified);
    // What the Save and Live Spelling pictures show.
    bool showsModified() const { return m_saveModified; }
    bool showsLiveSpelling() const { return m_liveSpelling; }
    // The save and live spelling pictures follow the active document from now on.
    void followDocuments(DocumentRegistry &documents);
    void setLiveSpelling(bool on);

    // The item's button; buttons are made when first asked for, so that the items not on the
    // bar cost nothing until the toolbar is customised.
    SpeedButton *button(const QString &item) const;
    // The button whose click runs a command right now, else null (a key or a menu runs it).
    SpeedButton *runningButton() const { return m_running; }
    bool hasPicture(const QString &item) const;
    QStringList shownItems() const;
    // The picture an item shows when it has one.
    QIcon picture(const QString &item) const;

    // Puts an item on the bar at a grid cell near the given point (a drop).
    void placeItem(const QString &item, const QPoint &at);
    void removeItem(const QString &item);

Q_SIGNALS:
    // A click on the bar's background (the pickers hide).
    void backgroundClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void apply(const SpeedLayout &layout);
    void buildPopup();
    void finishCustomizing();
    void writeBuiltInCustomPictures() const;
    QString customPicturePath(int n) const;
    int pixelsPerInch() const;
    bool occupied(const QPoint &cell, const SpeedButton *except) const;
    void showKeys();
    SpeedButton *makeButton(const SpeedItemRow &row);
    QString customHint(int number) const;

    SettingsFile &m_settings;
    CommandActions &m_commands;
    QString m_home;
    QHash<QString, SpeedButton *> m_buttons;
    QMenu *m_popup = nullptr;
    QPointer<CustomizeDialog> m_dialog;
    bool m_full = false;
    bool m_flat = false;
    bool m_picturesWritten = false;
    bool m_saveModified = false;
    bool m_liveSpelling = false;
    QPointer<SpeedButton> m_running;
};
