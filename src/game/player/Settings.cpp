#include "game/player/Settings.h"

#include <SDL/SDL_mixer.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "core/Log.h"
#include "gui/KeyNames.h"

namespace nimbus {

namespace {

constexpr const char* kOn = "on";
constexpr const char* kOff = "off";
// What comes before an action's name in the line of its key.
constexpr const char* kKeyPrefix = "key_";

// One line of the file: its key and the one member it sets, a text, a volume or a flag.
struct Field {
    const char* key;
    std::string Settings::*text;
    int32_t Settings::*volume;
    bool Settings::*flag;
};

const Field kFields[] = {
    {"player_name", &Settings::playerName, nullptr, nullptr},
    {"music_volume", nullptr, &Settings::musicVolume, nullptr},
    {"effects_volume", nullptr, &Settings::effectsVolume, nullptr},
    {"fullscreen", nullptr, nullptr, &Settings::fullscreen},
    {"symbols", nullptr, nullptr, &Settings::symbols},
    {"language", &Settings::language, nullptr, nullptr},
    {"ghost", nullptr, nullptr, &Settings::ghost},
};

// The action whose key a line's key names; kNoInputAction for none.
int32_t boundAction(const std::string& key) {
    const size_t prefix = std::char_traits<char>::length(kKeyPrefix);
    if (key.compare(0, prefix, kKeyPrefix) != 0) return kNoInputAction;
    return inputActionNamed(key.c_str() + prefix);
}

std::string trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

const Field* fieldNamed(const std::string& key) {
    for (const Field& field : kFields) {
        if (key == field.key) return &field;
    }
    return nullptr;
}

// Sets the field from the value; false when the value is not one the field takes.
bool setField(const Field& field, const std::string& value, Settings& settings) {
    if (field.text) {
        settings.*field.text = value;
        return true;
    }
    if (field.flag) {
        if (value != kOn && value != kOff) return false;
        settings.*field.flag = value == kOn;
        return true;
    }
    char* end = nullptr;
    const long number = std::strtol(value.c_str(), &end, 10);
    if (value.empty() || *end != '\0') return false;
    // A number too long for a long is as far out of range as its sign says.
    settings.*field.volume = static_cast<int32_t>(std::clamp<long>(number, 0, Settings::kMaxVolume));
    return true;
}

}  // namespace

void Settings::read(const std::string& text, const std::string& source) {
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        const std::string content = trimmed(line);
        if (content.empty() || content[0] == '#') continue;
        const size_t equals = content.find('=');
        const std::string key = equals == std::string::npos ? content : trimmed(content.substr(0, equals));
        const std::string value = equals == std::string::npos ? "" : trimmed(content.substr(equals + 1));
        const Field* field = equals == std::string::npos ? nullptr : fieldNamed(key);
        const int32_t action = equals == std::string::npos ? kNoInputAction : boundAction(key);
        if (action != kNoInputAction) {
            const int32_t bound = keyNamed(value);
            keys.assign(action, bound != -1 ? bound : kInputActions[action].defaultKey);
            if (bound == -1) LOG_ERROR("Damaged key in " << source << " line " << number << ": " << content);
        } else if (equals != std::string::npos && !field) {
            LOG_ERROR("Unknown setting in " << source << " line " << number << ": " << content);
        } else if (!field || !setField(*field, value, *this)) {
            LOG_ERROR("Damaged setting in " << source << " line " << number << ": " << content);
        }
    }
    if (keys.consistent()) return;
    LOG_ERROR("Keys shared or kept for the menus in " << source << ": every key back on its default");
    keys.restoreDefaults();
}

std::string Settings::write() const {
    std::ostringstream out;
    for (const Field& field : kFields) {
        out << field.key << " = ";
        if (field.text)
            out << this->*field.text;
        else if (field.volume)
            out << this->*field.volume;
        else
            out << (this->*field.flag ? kOn : kOff);
        out << '\n';
    }
    for (int32_t action = 0; action < kInputCount; ++action)
        out << kKeyPrefix << kInputActions[action].name << " = " << keyName(keys.key(action)) << '\n';
    return out.str();
}

bool Settings::operator==(const Settings& other) const {
    return playerName == other.playerName && musicVolume == other.musicVolume &&
           effectsVolume == other.effectsVolume && fullscreen == other.fullscreen &&
           symbols == other.symbols && language == other.language && keys == other.keys &&
           ghost == other.ghost;
}

int Settings::mixerVolume(int32_t volume) { return volume * MIX_MAX_VOLUME / kMaxVolume; }

}  // namespace nimbus
