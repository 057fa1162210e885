#pragma once

#include <QList>
#include <QRect>
#include <QSize>

// Where Cascade puts the document windows in the document area: every window two thirds of
// the area wide and high (never below the given minimum, never beyond the area), the first at
// the top left and each next one a step further right and down, so that every caption shows.
// A window that would reach past the area starts a new round at the top left.
namespace CascadeLayout {

QList<QRect> place(const QSize &area, int count, int step, const QSize &minimum = QSize(0, 0));

} // namespace CascadeLayout
