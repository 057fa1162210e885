#include "files/printlayout.h"

#include <algorithm>

PrintLayout PrintLayout::forPage(const QSize &page, int dpiX, int dpiY)
{
    PrintLayout layout;
    layout.header = QPoint(dpiX / 2, dpiY / 2);
    const int left = dpiX / 2;
    const int top = dpiY;
    // A page too small for the margins still gets a strip of text rather than nothing.
    int width = page.width() - 2 * dpiX;
    if (width <= 0)
        width = std::max(1, page.width() - left);
    const int bottom = std::max(page.height() - dpiY / 2, top + 1);
    layout.body = QRect(QPoint(left, top), QPoint(left + width - 1, bottom - 1));
    return layout;
}
