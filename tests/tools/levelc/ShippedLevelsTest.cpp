#include <gtest/gtest.h>

#include "GameFixture.h"
#include "LevelCompiler.h"
#include "LevelReplay.h"
#include "core/posix/PosixInArchive.h"
#include "game/BoardFactory.h"
#include "game/LevelList.h"

namespace nimbus {
namespace {

using ShippedLevels = GameFixture;

// Every level is won by its shortest solution played into the rules object the way the
// playing state plays, loaded the way the game loads it, without losing a life or
// having a command refused.
TEST_F(ShippedLevels, EveryLevelIsWonByItsSolutionThroughTheRules) {
    PosixInArchive levels(Path(NIMBUS_DATA_DIR "/Levels"));
    std::vector<std::string> names;
    ASSERT_TRUE(listLevels(levels, names));
    ASSERT_EQ(20u, names.size());
    PosixInArchive archive(Path(NIMBUS_DATA_DIR));
    for (size_t i = 0; i < names.size(); ++i) {
        SCOPED_TRACE("level " + names[i]);
        std::unique_ptr<Board> board(BoardFactory().loadLevel(archive, names[i]));
        ASSERT_TRUE(board);
        const LevelModel model(*board, kFrameSeconds);
        const Solution solution = Solver(model).solve();
        ASSERT_TRUE(solution.winnable);

        stats = PlayerStats();
        sounds = SoundLog();
        game = std::make_unique<GameImpl>(std::make_unique<RecordingSound>(sounds), &stats, static_cast<int32_t>(i),
                                          names, &archive);
        ASSERT_TRUE(game->loaded());
        expectCleanWin(replay(*game, model, solution.steps), solution, sounds);
    }
}

}  // namespace
}  // namespace nimbus
