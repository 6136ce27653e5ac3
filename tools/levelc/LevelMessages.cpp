#include "LevelMessages.h"

#include "game/level/LevelSource.h"

namespace nimbus {

namespace {

// The text as a quoted string of a message catalogue.
std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

std::string entry(const std::string& note, const std::string& source, const std::string& text) {
    if (text.empty()) return std::string();
    return "#. " + note + "\n#: " + source + "\nmsgid " + quoted(text) + "\nmsgstr \"\"\n\n";
}

}  // namespace

std::string levelMessages(const std::string& source, const LevelSource& level) {
    const std::string name = source.substr(source.rfind('/') + 1);
    return entry("The title of the level " + name, source, level.title) +
           entry("What the level " + name + " teaches, shown under its title", source, level.teaches);
}

}  // namespace nimbus
