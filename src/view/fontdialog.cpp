#include "view/fontdialog.h"

#include <QFontDialog>

namespace {

class QtFontDialog : public FontDialog
{
public:
    std::optional<QFont> chooseFont(const QFont &initial, QWidget *parent) override
    {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, initial, parent);
        if (!ok)
            return std::nullopt;
        return font;
    }
};

} // namespace

std::unique_ptr<FontDialog> makeQtFontDialog()
{
    return std::make_unique<QtFontDialog>();
}
