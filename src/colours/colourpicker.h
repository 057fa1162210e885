#pragma once

#include <QColor>
#include <QFrame>
#include <QObject>
#include <QPointer>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QLabel;
class QMenu;

// A pop-up grid of colour cells with two labels under it: the hex text and the name of the
// colour under the mouse. The cells are filled the first time the grid is shown. A click on
// a cell reports its colour and hides the grid; a right-button press on the grid or a click
// on a label only hides it.
class PaletteGrid : public QFrame
{
    Q_OBJECT

public:
    enum class Kind { WebSafe, Names };

    PaletteGrid(Kind kind, QWidget *parent);

    Kind kind() const { return m_kind; }
    bool isFilled() const { return !m_cells.empty(); }
    int columns() const;
    int rows() const;
    // The cell's colour; filled grids only.
    std::uint32_t colourAt(int row, int column) const;
    // Where a cell lies, in the grid's own coordinates.
    QRect cellRect(int row, int column) const;
    QLabel *hexLabel() const { return m_hex; }
    QLabel *nameLabel() const { return m_name; }

Q_SIGNALS:
    void chosen(std::uint32_t rgb);
    // The same click with the cell's own name (the names grid's row, the first row with that
    // value for the safe palette; empty for a colour without a name) and the keys held.
    void cellChosen(std::uint32_t rgb, const QString &name, Qt::KeyboardModifiers modifiers);

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fill();
    int cellIndexAt(const QPoint &pos) const;
    QRect gridRect() const;

    Kind m_kind;
    std::vector<std::uint32_t> m_cells;
    QLabel *m_hex = nullptr;
    QLabel *m_name = nullptr;
};

// The sixteen basic colours in two rows of eight small cells; a click reports one.
class BasicColourGrid : public QWidget
{
    Q_OBJECT

public:
    explicit BasicColourGrid(QWidget *parent = nullptr);
    static std::uint32_t colourAt(int index);
    QRect cellRect(int index) const;
    QSize sizeHint() const override;

Q_SIGNALS:
    void chosen(std::uint32_t rgb);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
};

// The one way the panels choose a colour: a menu with "Safe Browser Palette", "Distinct Names
// Palette" and "Windows Palette" (the system colour dialog), popped up at the mouse. The
// chosen colour goes to the target given with each pop-up, so one panel can pick several
// colours. Owned by the panel that uses it.
class ColourPicker : public QObject
{
    Q_OBJECT

public:
    using Target = std::function<void(std::uint32_t rgb)>;
    // Asks for a colour; nothing when the user cancels. Replaceable for tests.
    using SystemDialog = std::function<std::optional<QColor>(QWidget *parent, QColor initial)>;

    explicit ColourPicker(QWidget *owner);

    // Hides any open grid and pops the menu up at a global position.
    void popup(const QPoint &globalPos, Target target, QColor initial = QColor());
    QMenu *menu() const { return m_menu; }
    // The grids exist from the first time they are asked for.
    PaletteGrid *grid(PaletteGrid::Kind kind);
    void setSystemDialog(SystemDialog dialog) { m_dialog = std::move(dialog); }

    void showGrid(PaletteGrid::Kind kind);
    void showSystemDialog();
    void hideGrids();

private:
    void deliver(std::uint32_t rgb);

    QWidget *m_owner;
    QMenu *m_menu;
    QPointer<PaletteGrid> m_grids[2];
    SystemDialog m_dialog;
    Target m_target;
    QColor m_initial;
    QPoint m_at;
};
