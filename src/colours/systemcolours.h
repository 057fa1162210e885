#pragma once

#include <QColor>
#include <QPalette>

// The real colour of a stored colour value (see colourcode.h): an RGB value as it is, a
// desktop system colour index through the matching role of the given palette. An unknown
// system index gives an invalid QColor, so the caller picks its own fallback.
QColor storedColour(int stored, const QPalette &palette);
