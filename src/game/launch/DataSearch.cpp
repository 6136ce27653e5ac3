#include "game/launch/DataSearch.h"

#include <filesystem>

#include "game/DataLayout.h"

namespace nimbus {

namespace {

bool holdsData(const std::string& directory) {
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::path(directory) / kGuiDocument, error);
}

}  // namespace

DataSearch::DataSearch(const std::string& flagged, const char* environment,
                       const std::string& executableDirectory, const std::string& installedData) {
    if (!flagged.empty()) {
        places_.push_back({flagged, "--data"});
    } else {
        if (environment && *environment) places_.push_back({environment, "$NIMBUS_DATA"});
        const std::filesystem::path program(executableDirectory);
        besideExecutable_ = static_cast<int>(places_.size());
        places_.push_back({(program / kDataFolder).string(), "beside the program"});
        places_.push_back({(program / installedData).lexically_normal().string(), "installed"});
    }
    for (size_t i = 0; i < places_.size() && found_ < 0; ++i) {
        if (holdsData(places_[i].directory)) found_ = static_cast<int>(i);
    }
}

const DataSearch::Place* DataSearch::found() const { return found_ < 0 ? nullptr : &places_[found_]; }

bool DataSearch::foundBesideExecutable() const { return found_ >= 0 && found_ == besideExecutable_; }

std::string DataSearch::failure() const {
    std::string line = "no game data (" + std::string(kGuiDocument) + ") in ";
    for (size_t i = 0; i < places_.size(); ++i) {
        if (i > 0) line += ", ";
        line += places_[i].directory + " (" + places_[i].origin + ")";
    }
    return line;
}

}  // namespace nimbus
