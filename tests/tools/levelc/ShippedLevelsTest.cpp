#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "GameFixture.h"
#include "LevelCompiler.h"
#include "LevelReplay.h"
#include "core/posix/PosixInArchive.h"
#include "game/BoardFactory.h"

namespace nimbus {
namespace {

// The level directories the game plays, in play order.
std::vector<std::string> shippedLevels() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(NIMBUS_DATA_DIR "/Levels")) {
        const std::string name = entry.path().filename().string();
        if (entry.is_directory() && std::isdigit(static_cast<unsigned char>(name[0]))) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

using ShippedLevels = GameFixture;

// Every level is won by its shortest solution played into the rules object the way the
// playing state plays, loaded the way the game loads it, without losing a life or
// having a command refused.
TEST_F(ShippedLevels, EveryLevelIsWonByItsSolutionThroughTheRules) {
    const std::vector<std::string> names = shippedLevels();
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
