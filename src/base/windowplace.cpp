#include "base/windowplace.h"

#include <algorithm>

namespace WindowPlace {

QRect clamped(const QRect &stored, const QRect &available)
{
    if (!available.isValid())
        return stored;
    const auto side = [](int value, int screen) {
        return std::clamp(value, std::min(MinimumSide, screen), screen);
    };
    const int width = side(stored.width(), available.width());
    const int height = side(stored.height(), available.height());
    const int left =
        std::clamp(stored.x(), available.left(), available.left() + available.width() - width);
    const int top =
        std::clamp(stored.y(), available.top(), available.top() + available.height() - height);
    return QRect(left, top, width, height);
}

} // namespace WindowPlace
