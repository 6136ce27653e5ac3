#include "game/windows/PublishSettings.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "game/player/Settings.h"
#include "gui/Gui.h"
#include "gui/GuiNames.h"

namespace nimbus {

namespace {

constexpr const char* kShownOn = "On";
constexpr const char* kShownOff = "Off";
constexpr const char* kYes = "yes";

// The property of a volume and of a switch, with the switch's request.
struct VolumeProperty {
    const char* name;
    int32_t Settings::*volume;
};
struct SwitchProperty {
    const char* state;
    const char* request;
    bool Settings::*flag;
};

constexpr VolumeProperty kVolumes[] = {
    {kPropertyMusicVolume, &Settings::musicVolume},
    {kPropertyEffectsVolume, &Settings::effectsVolume},
};
constexpr SwitchProperty kSwitches[] = {
    {kPropertyFullscreen, kPropertyToggleFullscreen, &Settings::fullscreen},
    {kPropertySymbols, kPropertyToggleSymbols, &Settings::symbols},
    {kPropertyGhost, kPropertyToggleGhost, &Settings::ghost},
};

}  // namespace

void publishSettings(Gui& gui, const Settings& settings) {
    gui.setProperty(kPropertyPlayerName, settings.playerName);
    for (const VolumeProperty& volume : kVolumes)
        gui.setProperty(volume.name, std::to_string(settings.*volume.volume));
    for (const SwitchProperty& flag : kSwitches)
        gui.setProperty(flag.state, settings.*flag.flag ? kShownOn : kShownOff);
}

void requestFullscreenSwitch(Gui& gui) { gui.setProperty(kPropertyToggleFullscreen, kYes); }

void collectSettings(Gui& gui, Settings& settings) {
    const std::string& name = gui.getProperty(kPropertyPlayerName);
    if (name != kNotRegistered) settings.playerName = name;
    for (const VolumeProperty& volume : kVolumes) {
        const std::string& text = gui.getProperty(volume.name);
        char* end = nullptr;
        const double value = std::strtod(text.c_str(), &end);
        // NaN is no number either.
        if (text.empty() || *end != '\0' || value != value) continue;
        const double clamped = std::clamp(value, 0.0, static_cast<double>(Settings::kMaxVolume));
        settings.*volume.volume = static_cast<int32_t>(clamped + 0.5);
    }
    for (const SwitchProperty& flag : kSwitches) {
        if (gui.getProperty(flag.request) != kYes) continue;
        settings.*flag.flag = !(settings.*flag.flag);
        gui.setProperty(flag.request, "");
        gui.setProperty(flag.state, settings.*flag.flag ? kShownOn : kShownOff);
    }
}

}  // namespace nimbus
