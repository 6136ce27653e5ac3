#include "game/player/Settings.h"

#include <SDL/SDL_mixer.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "core/Log.h"

namespace nimbus {

namespace {

constexpr const char* kOn = "on";
constexpr const char* kOff = "off";

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
};

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
        const Field* field =
            equals == std::string::npos ? nullptr : fieldNamed(trimmed(content.substr(0, equals)));
        if (equals != std::string::npos && !field) {
            LOG_ERROR("Unknown setting in " << source << " line " << number << ": " << content);
        } else if (!field || !setField(*field, trimmed(content.substr(equals + 1)), *this)) {
            LOG_ERROR("Damaged setting in " << source << " line " << number << ": " << content);
        }
    }
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
    return out.str();
}

bool Settings::operator==(const Settings& other) const {
    return playerName == other.playerName && musicVolume == other.musicVolume &&
           effectsVolume == other.effectsVolume && fullscreen == other.fullscreen &&
           symbols == other.symbols && language == other.language;
}

int Settings::mixerVolume(int32_t volume) { return volume * MIX_MAX_VOLUME / kMaxVolume; }

}  // namespace nimbus
