#include "game/level/LevelCompiler.h"

#include <cstdio>
#include <filesystem>

#include "core/Log.h"
#include "core/posix/FileOutBuffer.h"
#include "game/rules/LevelMap.h"
#include "game/rules/LevelTitles.h"
#include "game/solver/StrandCheck.h"

namespace nimbus {

std::string strandingReason(const std::string& name, const LevelSource& level) {
    Position stranded;
    if (!canStrand(level.board, DieTurns(kFrameSeconds), stranded)) return std::string();
    return name + ": the die can be stranded at " + stranded.text() +
           ": its tile never falls and no way on to a goal stands for good";
}

bool checkStranding(const std::string& name, const LevelSource& level) {
    const std::string reason = strandingReason(name, level);
    if (reason.empty()) return true;
    LOG_ERROR(reason);
    return false;
}

std::string unwinnableReason(const std::string& name, const Solution& solution) {
    if (solution.exhausted)
        return name + ": no win found in " + std::to_string(solution.statesSearched) +
               " states, the most searched";
    if (solution.closestRolls < 0) return name + ": no way leads from the start to a goal";
    return name + ": cannot be won without losing a life; the die gets no nearer a goal than " +
           std::to_string(solution.closestRolls) + " rolls, at " + solution.closest.text();
}

Solution solveLevel(const LevelSource& level) {
    LevelModel model(level.board, kFrameSeconds);
    return Solver(model).solve();
}

bool writeLevel(const LevelSource& level, const std::string& path) {
    FileOutBuffer out;
    if (!out.open(path)) {
        LOG_ERROR(path << ": cannot be created");
        return false;
    }
    if (!writeLevelMap(out, level.board) || !out.close()) {
        LOG_ERROR(path << ": could not be written");
        return false;
    }
    return true;
}

bool writeTitles(const std::vector<std::string>& sources, const std::string& path) {
    LevelTitles titles;
    for (const std::string& source : sources) {
        LevelSource level;
        if (!LevelSourceParser::read(source, level)) return false;
        if (!titles.set(std::filesystem::path(source).stem().string(), level.title)) {
            LOG_ERROR(source << ": the title \"" << level.title << "\" cannot be indexed");
            return false;
        }
    }
    FileOutBuffer out;
    if (!out.open(path) || !titles.write(out) || !out.close()) {
        LOG_ERROR(path << ": could not be written");
        return false;
    }
    return true;
}

std::string reportLine(const std::string& name, const LevelSource& level, const Solution& solution) {
    char text[512];
    if (!solution.winnable) {
        char closest[96] = "";
        if (solution.closestRolls > 0) {
            std::snprintf(closest, sizeof closest, "; closest to a goal at %s, %d rolls away",
                          solution.closest.text().c_str(), solution.closestRolls);
        }
        std::snprintf(text, sizeof text, "%s: %dx%d cannot be won%s (%zu states)%s", name.c_str(),
                      level.board.width(), level.board.length(),
                      solution.exhausted ? " within the search limit" : "", solution.statesSearched, closest);
        return text;
    }
    char slack[32], pace[32];
    std::snprintf(slack, sizeof slack, "%.2f s at command %d", solution.slack, solution.tightestStep + 1);
    std::snprintf(pace, sizeof pace, "%.2f s", solution.pace);
    std::snprintf(text, sizeof text,
                  "%s: %dx%d, %zu commands, won at %.2f s, slack %s, pace %s, %zu states (%s)", name.c_str(),
                  level.board.width(), level.board.length(), solution.steps.size(),
                  solution.frames * kFrameSeconds, solution.slackUnlimited ? "unlimited" : slack,
                  solution.paceUnlimited ? "unlimited" : pace, solution.statesSearched, level.title.c_str());
    return text;
}

}  // namespace nimbus
