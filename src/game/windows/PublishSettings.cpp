#include "game/windows/PublishSettings.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "core/MessageCatalogue.h"
#include "game/player/Language.h"
#include "game/player/Settings.h"
#include "gui/Gui.h"
#include "gui/GuiNames.h"

namespace nimbus {

namespace {

constexpr const char* kShownOn = translatable("On");
constexpr const char* kShownOff = translatable("Off");
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

const char* shown(bool on) { return translated(on ? kShownOn : kShownOff); }

const char* languageName(const std::string& code) {
    const Language* language = findLanguage(code);
    return language ? language->name : kLanguages[0].name;
}

}  // namespace

void publishSettings(Gui& gui, const Settings& settings) {
    const bool unnamed = settings.playerName == Settings::kDefaultPlayerName;
    gui.setProperty(kPropertyPlayerName,
                    unnamed ? translated(Settings::kDefaultPlayerName) : settings.playerName);
    for (const VolumeProperty& volume : kVolumes)
        gui.setProperty(volume.name, std::to_string(settings.*volume.volume));
    for (const SwitchProperty& flag : kSwitches) gui.setProperty(flag.state, shown(settings.*flag.flag));
    gui.setProperty(kPropertyLanguage, languageName(settings.language));
    gui.keys() = settings.keys;
}

void requestFullscreenSwitch(Gui& gui) { gui.setProperty(kPropertyToggleFullscreen, kYes); }

void collectSettings(Gui& gui, Settings& settings) {
    // The default name in the player's language stays the default, to follow the language.
    const std::string& name = gui.getProperty(kPropertyPlayerName);
    const bool unnamed = name == translated(Settings::kDefaultPlayerName);
    if (name != kNotRegistered) settings.playerName = unnamed ? Settings::kDefaultPlayerName : name;
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
        gui.setProperty(flag.state, shown(settings.*flag.flag));
    }
    if (gui.getProperty(kPropertyNextLanguage) == kYes) {
        settings.language = nextLanguage(settings.language).code;
        gui.setProperty(kPropertyNextLanguage, "");
        gui.setProperty(kPropertyLanguage, languageName(settings.language));
    }
    if (gui.getProperty(kPropertyKeysDefaults) == kYes) {
        gui.keys().restoreDefaults();
        gui.setProperty(kPropertyKeysDefaults, "");
        gui.setProperty(kPropertyKeysMessage, translated(kKeysDefaultsText));
    }
    settings.keys = gui.keys();
}

}  // namespace nimbus
