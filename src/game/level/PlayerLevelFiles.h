#pragma once

#include <string>
#include <vector>

#include "game/DataLayout.h"

namespace nimbus {

// The level files of a folder looked at, in name order; any more are left out.
constexpr size_t kMaxLevelFiles = 500;

// The ".level" files of a folder in name order, at most kMaxLevelFiles of them (more is
// reported); none for a folder that is missing.
std::vector<std::string> levelFilesIn(const std::string& folder);
// A file name for a new level made from its title ("Blue Bridge" gives
// "blue-bridge.level"; a title without letters or digits gives "level.level"), numbered
// on ("blue-bridge-2.level") until no folder of `folders` holds it.
std::string freeLevelFileName(const std::string& title, const std::vector<std::string>& folders);
// Writes the text into the folder's file through a temporary file, creating the folder;
// false (logged) when it cannot.
bool writeLevelFile(const std::string& folder, const std::string& file, const std::string& text);

}  // namespace nimbus
