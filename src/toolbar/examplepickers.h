#pragma once

#include "toolbar/countgrid.h"

#include <QColor>
#include <QObject>
#include <QPointer>

#include <cstdint>
#include <functional>
#include <optional>

class CommandActions;
class CountPicker;
class ModifierSource;
class PaletteGrid;
class QMenu;
class QWidget;
class SettingsFile;
class SpeedBar;
class TagController;

// The pick-by-example pickers under their toolbar items: the count picker for quick tables
// and lists, and the palette menu whose grids and system dialog put a colour's text into the
// active document. Owned by the main frame.
class ExamplePickers : public QObject
{
    Q_OBJECT

public:
    // Asks for a colour; nothing when the user cancels. Replaceable for tests.
    using SystemDialog = std::function<std::optional<QColor>(QWidget *parent)>;

    ExamplePickers(SpeedBar &bar, TagController &tags, const SettingsFile &settings,
                   const ModifierSource &keys, std::function<void()> returnFocus, QWidget *frame);

    void registerHandlers(CommandActions &commands);

    void openCount(CountGrid::Mode mode);
    // The palette menu under the colour item that was pressed ("164" or "165").
    void openPalette(int item);
    void showSafePalette();
    void showNamesPalette();
    void showSystemPalette();
    void hideAll();

    CountPicker *countPicker() const { return m_count; }
    QMenu *paletteMenu() const { return m_menu; }
    PaletteGrid *safePalette() const { return m_safe; }
    PaletteGrid *namesPalette() const { return m_names; }
    void setSystemDialog(SystemDialog dialog) { m_dialog = std::move(dialog); }

private:
    // The button that runs the command now, else the first shown one of the items.
    QWidget *anchor(std::initializer_list<const char *> items) const;
    QPoint below(QWidget *item) const;
    void placePalette(PaletteGrid *grid);
    void countChosen(CountGrid::Mode mode, int rows, int columns);
    void colourChosen(std::uint32_t rgb, const QString &name, Qt::KeyboardModifiers held);
    void insert(const QString &text);

    SpeedBar &m_bar;
    TagController &m_tags;
    const SettingsFile &m_settings;
    const ModifierSource &m_keys;
    std::function<void()> m_returnFocus;
    QWidget *m_frame;
    CountPicker *m_count;
    QMenu *m_menu;
    PaletteGrid *m_safe;
    PaletteGrid *m_names;
    SystemDialog m_dialog;
    QPointer<QWidget> m_paletteItem;
};
