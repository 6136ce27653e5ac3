#pragma once

#include <cstdint>
#include <string>

namespace nimbus {

// The keys a player can give an action, by name: the letters, digits, function keys,
// arrows, the keys around them, punctuation, the keypad and the modifiers. The names are
// those the Keys screen and the settings file show ("J", "Up", "Space", "F11", "Page
// Down", "Keypad 5"); the X names are the key symbols of the X server, as xdotool takes
// them ("j", "Up", "space", "F11", "Next", "KP_5").

// The key's name; null for a key the game cannot name.
const char* keyName(int32_t key);
// The key of a name, in any letter case; -1 when no key has it.
int32_t keyNamed(const std::string& name);
// The key's X name; null for a key the game cannot name.
const char* keyXName(int32_t key);

}  // namespace nimbus
