#pragma once

#include <QStringView>

#include <span>

// The colour of a picture drawn from a label; it groups related commands at a glance.
enum class Tint : unsigned char { Blue, Green, Orange, Purple, Teal, Red, Grey };

// One command of the main frame, reached from menu entries, toolbar items and its shortcut.
// The rows are data: a wrong field shows beside its neighbours.
struct CommandRow
{
    const char *id;          // handler name that menus, toolbar items and handlers refer to
    const char *caption;     // the menu caption, with its accelerator
    const char *shortcut;    // portable key text ("Ctrl+Shift+T"), or nullptr
    bool needsDocument;      // does nothing while no document is open
    const char *alternative; // command run by a right-button press on its toolbar items
    const char *icon;        // icon theme name, or nullptr to draw the label
    const char *label;       // short text drawn when there is no theme icon
    Tint tint = Tint::Blue;
};

std::span<const CommandRow> commandRows();
const CommandRow *findCommand(QStringView id);
const CommandRow *findCommand(const char *id);
