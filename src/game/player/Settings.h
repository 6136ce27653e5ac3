#pragma once

#include <cstdint>
#include <string>

namespace nimbus {

// What the player chooses and the game keeps from one run to the next: the name typed
// on the front end, the two volumes (0 to 100) and the full-screen, symbol and ghost
// switches.
//
// The text form is a line per setting, "key = value", flags as "on" or "off". Reading
// starts from the values held: a line that is damaged or names no setting is skipped
// with one error line and the others are kept; a volume beyond its range is clamped;
// blank lines and lines starting with "#" are passed over.
struct Settings {
    static constexpr int32_t kMaxVolume = 100;

    std::string playerName = "Player";
    int32_t musicVolume = 40;
    int32_t effectsVolume = 70;
    bool fullscreen = false;
    bool symbols = false;
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
