#include "game/player/SettingsFile.h"

#include "core/OutBuffer.h"
#include "core/posix/FileInBuffer.h"
#include "game/DataLayout.h"
#include "game/player/Settings.h"

namespace nimbus {

SettingsFile SettingsFile::forData(const std::string& dataDirectory, HighScorePlace place) {
    return SettingsFile(playerFileDirectory(dataDirectory, place, kPlayerConfigHome));
}

bool SettingsFile::load(Settings& settings) const {
    FileInBuffer in;
    if (directory_.empty() || !in.open(directory_ + "/" + kSettingsFile)) return false;
    std::string text(static_cast<size_t>(in.bytesLeft()), '\0');
    if (in.read(text.data(), in.bytesLeft()) != static_cast<int32_t>(text.size())) return false;
    settings.read(text, in.name());
    return true;
}

bool SettingsFile::save(const Settings& settings) const {
    const std::string text = settings.write();
    return savePlayerFile(directory_, kSettingsFile, "settings", [&](OutBuffer& out) {
        return out.write(text.data(), static_cast<int32_t>(text.size())) == static_cast<int32_t>(text.size());
    });
}

}  // namespace nimbus
