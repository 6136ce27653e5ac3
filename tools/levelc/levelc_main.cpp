// The level compiler: reads a level source, checks that the die cannot be stranded,
// proves the level can be won under the game's timing and writes its "Level.map". Exits
// 1, naming the file, when the source is bad, the die can be stranded, the level cannot
// be won or the map cannot be written.
//
// With --messages it writes instead the texts of the levels a player reads, for the
// message catalogues: nimbus_levelc --messages OUTPUT.pot LEVEL_SOURCE...
// With --titles it writes the index of the titles of all the sources given.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "LevelMessages.h"
#include "core/Log.h"
#include "game/level/LevelCompiler.h"

namespace {

int writeMessages(int count, char** sources, const char* output) {
    std::string messages;
    for (int i = 0; i < count; ++i) {
        nimbus::LevelSource level;
        if (!nimbus::LevelSourceParser::read(sources[i], level)) return 1;
        messages += nimbus::levelMessages(sources[i], level);
    }
    std::ofstream out(output, std::ios::binary);
    out << "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n\n" << messages;
    out.close();
    if (out) return 0;
    LOG_ERROR(output << ": the level messages cannot be written");
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "--messages") == 0)
        return writeMessages(argc - 3, argv + 3, argv[2]);
    if (argc >= 3 && std::strcmp(argv[1], "--titles") == 0)
        return nimbus::writeTitles(std::vector<std::string>(argv + 3, argv + argc), argv[2]) ? 0 : 1;
    const bool showSolution = argc == 4 && std::strcmp(argv[3], "--solution") == 0;
    if (argc != 3 && !showSolution) {
        LOG_ERROR(
            "usage: nimbus_levelc LEVEL_SOURCE OUTPUT.map [--solution]\n"
            "       nimbus_levelc --messages OUTPUT.pot LEVEL_SOURCE...\n"
            "       nimbus_levelc --titles OUTPUT LEVEL_SOURCE...");
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
