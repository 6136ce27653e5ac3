#pragma once

#include <string>

namespace nimbus {

struct LevelSource;

// The level's texts a player reads, its title and what it teaches, as entries of a
// gettext message template: each with a note for translators naming the level and the
// file, `source`, it comes from. A text left out of the level makes no entry.
std::string levelMessages(const std::string& source, const LevelSource& level);

}  // namespace nimbus
