#include "game/level/PlayerLevelFiles.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "core/Log.h"
#include "core/OutBuffer.h"
#include "game/player/PlayerFiles.h"

namespace nimbus {

namespace {

constexpr size_t kLongestStem = 40;

bool exists(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0;
}

}  // namespace

std::vector<std::string> levelFilesIn(const std::string& folder) {
    std::vector<std::string> files;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        if (it->is_regular_file(error) && it->path().extension() == kLevelExtension)
            files.push_back(it->path().filename().string());
    }
    std::sort(files.begin(), files.end());
    if (files.size() > kMaxLevelFiles) {
        LOG_ERROR(folder << " holds " << files.size() << " levels; only the first " << kMaxLevelFiles
                         << " are looked at");
        files.resize(kMaxLevelFiles);
    }
    return files;
}

std::string freeLevelFileName(const std::string& title, const std::vector<std::string>& folders) {
    std::string stem;
    for (const char c : title) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isalnum(u) && u < 0x80)
            stem += static_cast<char>(std::tolower(u));
        else if (!stem.empty() && stem.back() != '-')
            stem += '-';
    }
    while (!stem.empty() && stem.back() == '-') stem.pop_back();
    if (stem.size() > kLongestStem) stem.resize(kLongestStem);
    if (stem.empty()) stem = "level";
    for (int number = 1;; ++number) {
        const std::string file = stem + (number > 1 ? "-" + std::to_string(number) : "") + kLevelExtension;
        const bool taken = std::any_of(folders.begin(), folders.end(), [&](const std::string& folder) {
            return exists(folder + "/" + file);
        });
        if (!taken) return file;
    }
}

bool writeLevelFile(const std::string& folder, const std::string& file, const std::string& text) {
    return savePlayerFile(folder, file.c_str(), "level", [&text](OutBuffer& out) {
        return out.write(text.data(), static_cast<int32_t>(text.size())) == static_cast<int32_t>(text.size());
    });
}

}  // namespace nimbus
