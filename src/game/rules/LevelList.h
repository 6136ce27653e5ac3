#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace nimbus {

class InArchive;

// The most levels a file about levels may speak of; a reader refuses the lines beyond.
constexpr int32_t kMaxLevels = 10000;

// The levels of a level directory, in play order: the names (without extension) of its
// entries that start with a digit, sorted as plain strings, so "10" comes before "2" and
// level directories are numbered with leading zeros. An archive whose root cannot be
// read is reported and gives false; an empty one gives no levels.
bool listLevels(InArchive& levels, std::vector<std::string>& names);

// Whether a file about levels may name a level so: a word of at most 64 printable
// characters that starts with a digit, as level directories do, or ends in ".level", as
// the files of the player's own levels do.
bool isLevelName(const std::string& name);
// Whether the name is the file of one of the player's own levels: it ends in ".level".
bool isOwnLevel(const std::string& name);

}  // namespace nimbus
