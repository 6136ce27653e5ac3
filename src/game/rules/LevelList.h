#pragma once

#include <string>
#include <vector>

namespace nimbus {

class InArchive;

// The levels of a level directory, in play order: the names (without extension) of its
// entries that start with a digit, sorted as plain strings, so "10" comes before "2" and
// level directories are numbered with leading zeros. An archive whose root cannot be
// read is reported and gives false; an empty one gives no levels.
bool listLevels(InArchive& levels, std::vector<std::string>& names);

}  // namespace nimbus
