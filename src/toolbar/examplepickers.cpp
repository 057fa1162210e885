#include "toolbar/examplepickers.h"

#include "base/modifiersource.h"
#include "base/settingsfile.h"
#include "colours/colourpicker.h"
#include "colours/namedcolours.h"
#include "commands/commandactions.h"
#include "commands/commandids.h"
#include "editor/texteditor.h"
#include "markup/tagcontroller.h"
#include "toolbar/countpicker.h"
#include "toolbar/speedbar.h"

#include <QColorDialog>
#include <QCursor>
#include <QMenu>

namespace {

// How far below an item's top its picker opens.
constexpr int BelowItem = 25;
// A panel that would reach past the frame's right edge ends this far inside it.
constexpr int RightMargin = 15;

std::optional<QColor> askSystem(QWidget *parent)
{
    const QColor c = QColorDialog::getColor(Qt::white, parent);
    if (!c.isValid())
        return std::nullopt;
    return c;
}

} // namespace

ExamplePickers::ExamplePickers(SpeedBar &bar, TagController &tags, const SettingsFile &settings,
                               const ModifierSource &keys, std::function<void()> returnFocus,
                               QWidget *frame)
    : QObject(frame), m_bar(bar), m_tags(tags), m_settings(settings), m_keys(keys),
      m_returnFocus(std::move(returnFocus)), m_frame(frame), m_count(new CountPicker(frame)),
      m_menu(new QMenu(frame)), m_safe(new PaletteGrid(PaletteGrid::Kind::WebSafe, frame)),
      m_names(new PaletteGrid(PaletteGrid::Kind::Names, frame)), m_dialog(askSystem)
{
    m_menu->setObjectName(QStringLiteral("popPalette"));
    m_safe->setObjectName(QStringLiteral("panSafepalette"));
    m_names->setObjectName(QStringLiteral("pan140names"));
    connect(m_menu->addAction(QStringLiteral("Safe Browser Palette")), &QAction::triggered, this,
            &ExamplePickers::showSafePalette);
    connect(m_menu->addAction(QStringLiteral("Distinct Names Palette")), &QAction::triggered, this,
            &ExamplePickers::showNamesPalette);
    connect(m_menu->addAction(QStringLiteral("Windows Palette")), &QAction::triggered, this,
            &ExamplePickers::showSystemPalette);
    connect(m_count, &CountPicker::chosen, this, &ExamplePickers::countChosen);
    for (PaletteGrid *grid : {m_safe, m_names})
        connect(grid, &PaletteGrid::cellChosen, this, &ExamplePickers::colourChosen);
    connect(&m_bar, &SpeedBar::backgroundClicked, this, &ExamplePickers::hideAll);
}

void ExamplePickers::registerHandlers(CommandActions &commands)
{
    using Mode = CountGrid::Mode;
    commands.setHandler(Cmd::QuickTableExample, [this] { openCount(Mode::Table); });
    commands.setHandler(Cmd::QuickBListExample, [this] { openCount(Mode::Unordered); });
    commands.setHandler(Cmd::QuickNListExample, [this] { openCount(Mode::Ordered); });
    commands.setHandler(Cmd::QuickDListExample, [this] { openCount(Mode::Definition); });
    commands.setHandler(Cmd::SpeedItem164Click, [this] { openPalette(164); });
    commands.setHandler(Cmd::SpeedItem165Click, [this] { openPalette(165); });
}

QWidget *ExamplePickers::anchor(std::initializer_list<const char *> items) const
{
    if (SpeedButton *running = m_bar.runningButton())
        return running;
    for (const char *item : items)
        if (SpeedButton *b = m_bar.button(QLatin1String(item)); b && b->isVisible())
            return b;
    return nullptr;
}

QPoint ExamplePickers::below(QWidget *item) const
{
    if (!item)
        return QCursor::pos();
    return item->mapToGlobal(QPoint(0, BelowItem));
}

void ExamplePickers::openCount(CountGrid::Mode mode)
{
    hideAll();
    using Mode = CountGrid::Mode;
    QWidget *item = mode == Mode::Table       ? anchor({"SpeedItem156", "SpeedItem160"})
                    : mode == Mode::Unordered ? anchor({"SpeedItem157", "SpeedItem163"})
                    : mode == Mode::Ordered   ? anchor({"SpeedItem158", "SpeedItem162"})
                                              : anchor({"SpeedItem159", "SpeedItem161"});
    QPoint at = below(item);
    // Never past the frame's right edge.
    const int right = m_frame->mapToGlobal(QPoint(m_frame->width(), 0)).x();
    if (at.x() + m_count->width() > right - RightMargin)
        at.setX(right - RightMargin - m_count->width());
    m_count->open(mode, at);
}

void ExamplePickers::openPalette(int item)
{
    hideAll();
    m_paletteItem = anchor({item == 164 ? "SpeedItem164" : "SpeedItem165"});
    m_menu->popup(below(m_paletteItem));
}

void ExamplePickers::placePalette(PaletteGrid *grid)
{
    hideAll();
    QPoint at = m_frame->mapFromGlobal(below(m_paletteItem));
    at.ry() -= 2;
    if (at.x() + grid->width() > m_frame->width())
        at.setX(m_frame->width() - grid->width() - RightMargin);
    grid->move(m_frame->mapToGlobal(at));
    grid->show();
}

void ExamplePickers::showSafePalette()
{
    placePalette(m_safe);
}

void ExamplePickers::showNamesPalette()
{
    placePalette(m_names);
}

void ExamplePickers::showSystemPalette()
{
    hideAll();
    const std::optional<QColor> chosen = m_dialog(m_frame);
    if (!chosen)
        return;
    const std::uint32_t rgb = chosen->rgb() & 0xFFFFFFu;
    const QString name = NamedColours::nameOf(rgb);
    insert(m_keys.alt() && !name.isEmpty() ? name : NamedColours::hexText(rgb));
}

void ExamplePickers::hideAll()
{
    m_count->hide();
    m_safe->hide();
    m_names->hide();
}

void ExamplePickers::countChosen(CountGrid::Mode mode, int rows, int columns)
{
    hideAll();
    TextEditor *doc = m_tags.activeEditor();
    if (!doc)
        return;
    if (m_returnFocus)
        m_returnFocus();
    using Mode = CountGrid::Mode;
    using Kind = QuickCode::ListKind;
    TagCommandRunner &runner = m_tags.runner();
    switch (mode) {
    case Mode::Table:
        runner.quickTable(doc, rows, columns);
        break;
    case Mode::Unordered:
        runner.quickList(doc, Kind::Unordered, rows);
        break;
    case Mode::Ordered:
        runner.quickList(doc, Kind::Ordered, rows);
        break;
    case Mode::Definition:
        runner.quickList(doc, Kind::Definition, rows);
        break;
    }
}

void ExamplePickers::colourChosen(std::uint32_t rgb, const QString &name,
                                  Qt::KeyboardModifiers held)
{
    const QString hex = NamedColours::hexText(rgb);
    const bool names = m_settings.read(Keys::DefNames) && !name.isEmpty();
    // Alt or Shift asks for the other form: a name's hex text, or the hex text's name.
    const bool invert =
        held.testAnyFlags(Qt::AltModifier | Qt::ShiftModifier) || m_keys.alt() || m_keys.shift();
    const bool useName = invert ? !names && !name.isEmpty() : names;
    insert(useName ? name : hex);
}

void ExamplePickers::insert(const QString &text)
{
    hideAll();
    TextEditor *doc = m_tags.activeEditor();
    if (!doc)
        return;
    if (m_returnFocus)
        m_returnFocus();
    UndoGroup group(*doc);
    doc->replaceSelection(text);
}
