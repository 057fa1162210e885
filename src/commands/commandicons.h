#pragma once

#include "commands/commandtable.h"

#include <QColor>
#include <QIcon>

// The pictures of commands: icons of the installed theme where one fits, otherwise a short
// label drawn at whatever size and pixel ratio the icon is asked for, so both stay crisp.
namespace CommandIcons {

// Makes the theme icons findable on every platform, the offscreen one included. Call once
// after the application object exists; later calls do nothing.
void install();

QIcon forCommand(const CommandRow &row);
QIcon label(const QString &text, Tint tint);
// The theme icon, or a null icon when the theme lacks it.
QIcon theme(const char *name);
// A picture with a small coloured dot in its lower right corner (Save with unsaved changes).
QIcon withDot(const QIcon &base, const QColor &colour);
// A picture crossed out (live spelling off).
QIcon crossed(const QIcon &base);

} // namespace CommandIcons
