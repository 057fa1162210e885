#include "shell/cascadelayout.h"

#include <algorithm>

namespace CascadeLayout {

QList<QRect> place(const QSize &area, int count, int step, const QSize &minimum)
{
    QList<QRect> places;
    if (count <= 0 || area.isEmpty())
        return places;
    const auto side = [](int whole, int least) {
        return std::min(whole, std::max(whole * 2 / 3, least));
    };
    const QSize size(side(area.width(), minimum.width()), side(area.height(), minimum.height()));
    step = std::max(step, 1);
    const int room = std::min(area.width() - size.width(), area.height() - size.height());
    const int steps = room / step + 1;
    places.reserve(count);
    for (int i = 0; i < count; ++i) {
        const int offset = (i % steps) * step;
        places.append(QRect(QPoint(offset, offset), size));
    }
    return places;
}

} // namespace CascadeLayout
