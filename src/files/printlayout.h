#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a printed page puts its header and its text, in device pixels measured from the
// paper's edges: the header half an inch from the left and top, the text from one inch
// down, half an inch from the left, two inches narrower than the page, and ending half an
// inch above the bottom.
struct PrintLayout
{
    QPoint header;
    QRect body;

    static PrintLayout forPage(const QSize &page, int dpiX, int dpiY);
};
