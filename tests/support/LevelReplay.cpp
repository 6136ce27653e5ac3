#include "support/LevelReplay.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "game/rules/PlayerStats.h"
#include "game/solver/LevelModel.h"
#include "game/solver/SolutionReplay.h"
#include "game/solver/SolverTurns.h"

namespace nimbus {

namespace {

// The rules taking a solution, the solver's model in step so the clocks compare at each command.
class RulesTarget final : public ReplayTarget {
public:
    RulesTarget(GameImpl& game, const LevelModel& model, ReplayResult& result)
        : game_(game), model_(model), result_(result), expected_(model.start()) {}

    bool handIn(const SolutionStep& step) override {
        if (!game_.execute(GameCommand(kSolverTurns[step.turn].command))) return false;
        model_.wait(expected_, step.waitFrames);
        result_.gameClocks.push_back(game_.levelClock());
        result_.modelClocks.push_back(expected_.clock);
        model_.turn(expected_, step.turn);
        return true;
    }

    bool passFrame() override {
        const int lives = game_.stats()->lives;
        result_.complete = game_.update(kFrameSeconds);
        if (game_.stats()->lives < lives) ++result_.deaths;
        ++result_.frames;
        return result_.complete;
    }

private:
    GameImpl& game_;
    const LevelModel& model_;
    ReplayResult& result_;
    LevelModel::State expected_;
};

}  // namespace

ReplayResult replay(GameImpl& game, const LevelModel& model, const std::vector<SolutionStep>& steps) {
    ReplayResult result;
    RulesTarget target(game, model, result);
    // Generous: every step's wait and turn, and a minute more.
    int frameLimit = 3600;
    for (const SolutionStep& step : steps) frameLimit += step.waitFrames + model.turns().busyFrames();
    SolutionReplay(steps).play(target, frameLimit);
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
