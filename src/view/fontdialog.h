#pragma once

#include <QFont>

#include <memory>
#include <optional>

class QWidget;

// The font dialog of the Change command. The program shows Qt's dialog; tests give the
// answer.
class FontDialog
{
public:
    virtual ~FontDialog() = default;
    // The font chosen, starting from `initial`; nothing when cancelled.
    virtual std::optional<QFont> chooseFont(const QFont &initial, QWidget *parent) = 0;
};

std::unique_ptr<FontDialog> makeQtFontDialog();
