// The level compiler: reads a level source, checks that the die cannot be stranded,
// proves the level can be won under the game's timing and writes its "Level.map". Exits
// 1, naming the file, when the source is bad, the die can be stranded, the level cannot
// be won or the map cannot be written.
#include <chrono>
#include <cstdio>
#include <cstring>

#include "core/Log.h"
#include "game/level/LevelCompiler.h"

int main(int argc, char** argv) {
    const bool showSolution = argc == 4 && std::strcmp(argv[3], "--solution") == 0;
    if (argc != 3 && !showSolution) {
        LOG_ERROR("usage: nimbus_levelc LEVEL_SOURCE OUTPUT.map [--solution]");
        return 1;
    }
    nimbus::LevelSource level;
    if (!nimbus::LevelSourceParser::read(argv[1], level) || !nimbus::checkStranding(argv[1], level)) return 1;
    const auto begun = std::chrono::steady_clock::now();
    const nimbus::Solution solution = nimbus::solveLevel(level);
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begun).count();
    std::printf("%s, solved in %.0f ms\n", nimbus::reportLine(argv[1], level, solution).c_str(), ms);
    if (showSolution && solution.winnable)
        std::printf("  %s\n", nimbus::describeSteps(solution.steps).c_str());
    if (!solution.winnable) {
        LOG_ERROR(argv[1] << ": the level cannot be won without losing a life");
        return 1;
    }
    return nimbus::writeLevel(level, argv[2]) ? 0 : 1;
}
