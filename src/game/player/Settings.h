#pragma once

#include <cstdint>
#include <string>

#include "core/MessageCatalogue.h"
#include "gui/KeyBindings.h"

namespace nimbus {

// What the player chooses and the game keeps from one run to the next: the name typed
// on the front end, the two volumes (0 to 100), the full-screen, symbol and ghost
// switches, the language chosen on the Options screen (its code; empty for the system's)
// and the key of every action.
//
// The text form is a line per setting, "key = value", flags as "on" or "off", an action's
// key as "key_" and the action's name = the key's name ("key_roll_up = Up"). Reading
// starts from the values held: a line that is damaged or names no setting is skipped
// with one error line and the others are kept, but a damaged key line puts its action
// back on its default key; keys that two actions would share put every action back on
// its default, with one error line. A volume beyond its range is clamped; blank lines and
// lines starting with "#" are passed over.
struct Settings {
    static constexpr int32_t kMaxVolume = 100;
    // The name before the player types one, shown in the player's language.
    static constexpr const char* kDefaultPlayerName = translatable("Player");

    std::string playerName = kDefaultPlayerName;
    int32_t musicVolume = 40;
    int32_t effectsVolume = 70;
    bool fullscreen = false;
    bool symbols = false;
    std::string language;
    KeyBindings keys;
    // Whether a level's best run races along as a see-through die.
    bool ghost = true;

    // Takes the lines of `text` in; `source` names it in error lines.
    void read(const std::string& text, const std::string& source);
    std::string write() const;

    bool operator==(const Settings& other) const;
    bool operator!=(const Settings& other) const { return !(*this == other); }

    // A volume of the settings on the mixer's scale (0 to 128).
    static int mixerVolume(int32_t volume);
};

}  // namespace nimbus
