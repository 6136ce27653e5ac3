#pragma once

#include <string>

#include "game/level/LevelSource.h"
#include "game/solver/Solver.h"

namespace nimbus {

// False, reported under `name`, when the die can be stranded in the level (see canStrand).
bool checkStranding(const std::string& name, const LevelSource& level);
// Solves a parsed level at the game's update step.
Solution solveLevel(const LevelSource& level);
// Writes the board as a level map through the engine's writer; false (reported) when
// the file cannot be written.
bool writeLevel(const LevelSource& level, const std::string& path);
// One line for the build log: size, commands, time to win, slack.
std::string reportLine(const std::string& name, const LevelSource& level, const Solution& solution);

}  // namespace nimbus
