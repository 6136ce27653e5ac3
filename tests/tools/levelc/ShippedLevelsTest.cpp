#include <gtest/gtest.h>

#include "LevelCompiler.h"
#include "core/posix/PosixInArchive.h"
#include "game/DataLayout.h"
#include "game/rules/BoardFactory.h"
#include "game/rules/LevelList.h"
#include "support/GameFixture.h"
#include "support/LevelReplay.h"

namespace nimbus {
namespace {

class ShippedLevels : public GameFixture {
protected:
    ShippedLevels()
        : levels_(Path(std::string(NIMBUS_DATA_DIR "/") + kLevelsFolder)), archive_(Path(NIMBUS_DATA_DIR)) {}

    // Plays the steps, each waiting `delay` frames more, into a fresh game of level
    // `index` loaded the way the game loads it; whether it was won cleanly.
    bool playsClean(size_t index, const LevelModel& model, std::vector<SolutionStep> steps, int delay) {
        for (SolutionStep& step : steps) step.waitFrames += delay;
        stats = PlayerStats();
        sounds = SoundLog();
        game = std::make_unique<GameImpl>(std::make_unique<RecordingSound>(sounds), &stats,
                                          static_cast<int32_t>(index), names_, &archive_);
        EXPECT_TRUE(game->loaded());
        played_ = replay(*game, model, steps);
        return played_.complete && played_.deaths == 0 && refusedRolls(sounds) == 0;
    }

    PosixInArchive levels_;
    PosixInArchive archive_;
    std::vector<std::string> names_;
    ReplayResult played_;
};

// Every level is won by its shortest solution played into the rules object the way the
// playing state plays, without losing a life or having a command refused; and a player
// who pauses before every command as long as the solver says may still win, one frame
// longer and the level is lost.
TEST_F(ShippedLevels, EveryLevelIsWonByItsSolutionThroughTheRules) {
    ASSERT_TRUE(listLevels(levels_, names_));
    ASSERT_EQ(40u, names_.size());
    for (size_t i = 0; i < names_.size(); ++i) {
        SCOPED_TRACE("level " + names_[i]);
        std::unique_ptr<Board> board(BoardFactory().loadLevel(archive_, names_[i]));
        ASSERT_TRUE(board);
        const LevelModel model(*board, kFrameSeconds);
        const Solver solver(model);
        const Solution solution = solver.solve();
        ASSERT_TRUE(solution.winnable);
        playsClean(i, model, solution.steps, 0);
        expectCleanWin(played_, solution, sounds);

        const int losing = solver.paceFrames(solution.steps);
        if (losing > Solver::kSlackLimitFrames) continue;
        EXPECT_TRUE(playsClean(i, model, solution.steps, losing - 1)) << "at the pace the solver allows";
        EXPECT_FALSE(playsClean(i, model, solution.steps, losing)) << "a frame slower";
    }
}

}  // namespace
}  // namespace nimbus
