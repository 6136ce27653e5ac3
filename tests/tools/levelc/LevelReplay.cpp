#include "LevelReplay.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "LevelCompiler.h"
#include "game/rules/PlayerStats.h"

namespace nimbus {

namespace {

GameCommand commandFor(int turn) {
    static const int32_t kKinds[DieTurns::kTurnCount] = {kCommandRollMinusX, kCommandRollPlusX, kCommandRollMinusY,
                                                         kCommandRollPlusY,  kCommandTwist0,    kCommandTwist1};
    return GameCommand(kKinds[turn]);
}

}  // namespace

ReplayResult replay(GameImpl& game, const LevelModel& model, const std::vector<SolutionStep>& steps) {
    ReplayResult result;
    LevelModel::State expected = model.start();
    size_t next = 0;
    int stillFrames = 0;
    // Generous: every step's wait and turn, and a minute more.
    int frameLimit = 3600;
    for (const SolutionStep& step : steps) frameLimit += step.waitFrames + model.turns().busyFrames();
    while (result.frames < frameLimit && !result.complete) {
        if (next < steps.size()) {
            const SolutionStep& step = steps[next];
            const bool due = step.waitFrames == 0 || stillFrames >= step.waitFrames;
            if (due && game.execute(commandFor(step.turn))) {
                model.wait(expected, step.waitFrames);
                result.gameClocks.push_back(game.levelClock());
                result.modelClocks.push_back(expected.clock);
                model.turn(expected, step.turn);
                ++next;
                stillFrames = 0;
            } else if (!due && !game.die().busy()) {
                ++stillFrames;
            }
        }
        const int lives = game.stats()->lives;
        result.complete = game.update(kFrameSeconds);
        if (game.stats()->lives < lives) ++result.deaths;
        ++result.frames;
    }
    return result;
}

int refusedRolls(const SoundLog& sounds) {
    return static_cast<int>(std::count(sounds.played.begin(), sounds.played.end(), std::string("Failed")));
}

void expectCleanWin(const ReplayResult& played, const Solution& solution, const SoundLog& sounds) {
    EXPECT_TRUE(played.complete);
    EXPECT_EQ(solution.frames, played.frames);
    EXPECT_EQ(0, played.deaths);
    EXPECT_EQ(0, refusedRolls(sounds));
    EXPECT_EQ(played.modelClocks, played.gameClocks);
}

}  // namespace nimbus
