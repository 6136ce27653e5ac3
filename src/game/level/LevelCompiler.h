#pragma once

#include <string>
#include <vector>

#include "game/level/LevelSource.h"
#include "game/solver/Solver.h"

namespace nimbus {

// Why the die can be stranded in the level (see canStrand), under `name`; empty when
// it cannot.
std::string strandingReason(const std::string& name, const LevelSource& level);
// False, reported, when the die can be stranded in the level.
bool checkStranding(const std::string& name, const LevelSource& level);
// Why a level was not won, under `name`, from a solution that is not a win.
std::string unwinnableReason(const std::string& name, const Solution& solution);
// Solves a parsed level at the game's update step.
Solution solveLevel(const LevelSource& level);
// Writes the board as a level map through the engine's writer; false (reported) when
// the file cannot be written.
bool writeLevel(const LevelSource& level, const std::string& path);
// Writes the index of the levels' titles (LevelTitles) for the level sources, each
// level named by its file's stem; false (reported) when a source is bad, has no title
// the index can hold, or the index cannot be written.
bool writeTitles(const std::vector<std::string>& sources, const std::string& path);
// One line for the build log: size, commands, time to win, slack.
std::string reportLine(const std::string& name, const LevelSource& level, const Solution& solution);

}  // namespace nimbus
