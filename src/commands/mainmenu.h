#pragma once

#include <span>

// One entry of the main menu as data. Captions carry their accelerators; the shortcut shown
// is the command's own, so two entries of one command never claim a key twice.
struct MenuEntry
{
    enum class Kind { Command, Submenu, Separator, Inactive };

    Kind kind;
    const char *caption = nullptr;
    const char *command = nullptr;           // Command: id in the command table
    const char *shortcut = nullptr;          // Command: the key text shown beside the caption
    bool hidden = false;                     // reachable by its shortcut only
    std::span<const MenuEntry> entries = {}; // Submenu
    const char *name = nullptr;              // object name for entries that others look up
};

// A top-level menu; a top-level entry with a command and no entries runs it directly.
struct TopMenu
{
    const char *caption;
    const char *name;
    std::span<const MenuEntry> entries;
    const char *command = nullptr;
};

std::span<const TopMenu> mainMenu();
