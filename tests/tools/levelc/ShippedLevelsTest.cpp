#include <gtest/gtest.h>

#include "LevelCompiler.h"
#include "LevelReplay.h"
#include "core/posix/PosixInArchive.h"
#include "game/rules/BoardFactory.h"
#include "game/rules/LevelList.h"
#include "support/GameFixture.h"

namespace nimbus {
namespace {

std::vector<SolutionStep> delayed(std::vector<SolutionStep> steps, int frames) {
    for (SolutionStep& step : steps) step.waitFrames += frames;
    return steps;
}

class ShippedLevels : public GameFixture {
protected:
    ShippedLevels() : levels_(Path(NIMBUS_DATA_DIR "/Levels")), archive_(Path(NIMBUS_DATA_DIR)) {}

    // Plays the steps into a fresh game of level `index`, loaded the way the game loads it.
    ReplayResult play(size_t index, const LevelModel& model, const std::vector<SolutionStep>& steps) {
        stats = PlayerStats();
        sounds = SoundLog();
        game = std::make_unique<GameImpl>(std::make_unique<RecordingSound>(sounds), &stats,
                                          static_cast<int32_t>(index), names_, &archive_);
        EXPECT_TRUE(game->loaded());
        return replay(*game, model, steps);
    }
    bool clean(const ReplayResult& played) const {
        return played.complete && played.deaths == 0 && refusedRolls(sounds) == 0;
    }

    PosixInArchive levels_;
    PosixInArchive archive_;
    std::vector<std::string> names_;
};

// Every level is won by its shortest solution played into the rules object the way the
// playing state plays, without losing a life or having a command refused; and a player
// who pauses before every command as long as the solver says may still win, one frame
// longer and the level is lost.
TEST_F(ShippedLevels, EveryLevelIsWonByItsSolutionThroughTheRules) {
    ASSERT_TRUE(listLevels(levels_, names_));
    ASSERT_EQ(20u, names_.size());
    for (size_t i = 0; i < names_.size(); ++i) {
        SCOPED_TRACE("level " + names_[i]);
        std::unique_ptr<Board> board(BoardFactory().loadLevel(archive_, names_[i]));
        ASSERT_TRUE(board);
        const LevelModel model(*board, kFrameSeconds);
        const Solver solver(model);
        const Solution solution = solver.solve();
        ASSERT_TRUE(solution.winnable);
        expectCleanWin(play(i, model, solution.steps), solution, sounds);

        const int losing = solver.paceFrames(solution.steps);
        if (losing > Solver::kSlackLimitFrames) continue;
        EXPECT_TRUE(clean(play(i, model, delayed(solution.steps, losing - 1))))
            << "at the pace the solver allows";
        EXPECT_FALSE(clean(play(i, model, delayed(solution.steps, losing)))) << "a frame slower";
    }
}

}  // namespace
}  // namespace nimbus
