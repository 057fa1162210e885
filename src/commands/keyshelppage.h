#pragma once

#include <QString>

class KeyMap;

// The help's "Keyboard shortcuts" page, made from the command table and the keys in force each
// time it is shown, so that it can never disagree with the program.
namespace KeysHelpPage {
inline constexpr char File[] = "keys.html";
QString html(const KeyMap &keys);
} // namespace KeysHelpPage
