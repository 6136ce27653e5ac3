#pragma once

namespace nimbus {

class Gui;
struct Settings;

// The settings as the menus show and change them: the name in "player_name" (the default
// one in the player's language), the volumes in "music_volume" and "effects_volume" (the
// sliders' properties), the switches' states as "On" or "Off" (translated) in "fullscreen"
// and "symbols", the language's own name in "language", and the keys as the GUI's own.
void publishSettings(Gui& gui, const Settings& settings);

// Takes back what the player changed: the name (the default one in the player's language
// as the default), the volumes (clamped; a value that is no number leaves the volume), a
// switch flipped once for each "yes" its button left in "toggleFullscreen" or
// "toggleSymbols", the next language for a "yes" in "nextLanguage", and the keys, all back
// on their defaults after a "yes" in "keysDefaults"; each request is then cleared.
void collectSettings(Gui& gui, Settings& settings);

// Asks for the full-screen switch to flip at the next collect, as its button does.
void requestFullscreenSwitch(Gui& gui);

}  // namespace nimbus
