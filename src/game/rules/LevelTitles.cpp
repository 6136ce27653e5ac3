#include "game/rules/LevelTitles.h"

#include "core/InBuffer.h"
#include "core/LineReader.h"
#include "core/Log.h"
#include "core/OutBuffer.h"
#include "game/rules/LevelList.h"

namespace nimbus {

namespace {

const std::string kNoTitle;
constexpr const char* kHeader = "# The title of each level: the name of its folder, then its title.\n";

bool isTitle(const std::string& title) {
    if (title.empty() || title.size() > LevelTitles::kMaxTitle) return false;
    for (const char c : title) {
        if (static_cast<unsigned char>(c) < 32 || c == 127) return false;
    }
    return true;
}

}  // namespace

void LevelTitles::read(InBuffer& in) {
    LineReader lines(in);
    for (std::string line; lines.next(line);) {
        if (!lines.tooLong() && (line.empty() || line[0] == '#')) continue;
        const size_t space = line.find(' ');
        if (lines.tooLong() || space == std::string::npos ||
            !set(line.substr(0, space), line.substr(space + 1))) {
            LOG_ERROR("Damaged level title in " << in.name() << " line " << lines.number());
        }
    }
}

bool LevelTitles::write(OutBuffer& out) const {
    std::string text = kHeader;
    for (const auto& [level, title] : titles_) text += level + " " + title + "\n";
    return out.write(text.data(), static_cast<int32_t>(text.size())) == static_cast<int32_t>(text.size());
}

bool LevelTitles::set(const std::string& level, const std::string& title) {
    if (!isLevelName(level) || !isTitle(title)) return false;
    if (titles_.size() >= static_cast<size_t>(kMaxLevels) && titles_.count(level) == 0) return false;
    titles_[level] = title;
    return true;
}

const std::string& LevelTitles::titleOf(const std::string& level) const {
    const auto found = titles_.find(level);
    return found == titles_.end() ? kNoTitle : found->second;
}

std::vector<std::string> LevelTitles::titlesOf(const std::vector<std::string>& levels) const {
    std::vector<std::string> titles;
    titles.reserve(levels.size());
    for (const std::string& level : levels) titles.push_back(titleOf(level));
    return titles;
}

}  // namespace nimbus
