#pragma once

#include <QRect>

// Window places read from the settings file, made sane before use: a hand-edited or stale
// value (another screen, a huge or negative size) never puts a window off the screen.
namespace WindowPlace {

inline constexpr int MinimumSide = 200;

// The stored place clamped to the available screen area: its size between MinimumSide (or the
// screen, when smaller) and the screen's, and then moved wholly onto the screen.
QRect clamped(const QRect &stored, const QRect &available);

} // namespace WindowPlace
