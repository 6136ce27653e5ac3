#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "core/posix/PosixInArchive.h"
#include "game/DataLayout.h"
#include "game/launch/ReplayCheck.h"
#include "game/level/LevelCompiler.h"
#include "game/level/LevelSourceWriter.h"
#include "game/player/Replay.h"
#include "game/player/ReplayFolder.h"
#include "game/rules/BoardFactory.h"
#include "game/rules/LevelList.h"
#include "support/GameFixture.h"
#include "support/LevelReplay.h"
#include "support/TempFolder.h"

namespace nimbus {
namespace {

class ShippedLevels : public GameFixture {
protected:
    ShippedLevels()
        : levels_(Path(std::string(NIMBUS_DATA_DIR "/") + kLevelsFolder)), archive_(Path(NIMBUS_DATA_DIR)) {}

    // Whether the steps, each waiting `delay` frames more, win a fresh game of level `index`
    // cleanly, recording into `run` when given.
    bool playsClean(size_t index, const LevelModel& model, std::vector<SolutionStep> steps, int delay,
                    RunRecording* run = nullptr) {
        for (SolutionStep& step : steps) step.waitFrames += delay;
        stats = PlayerStats();
        sounds = SoundLog();
        game = std::make_unique<GameImpl>(std::make_unique<RecordingSound>(sounds), &stats,
                                          static_cast<int32_t>(index), names_, &archive_);
        EXPECT_TRUE(game->loaded());
        game->record(run);
        played_ = replay(*game, model, steps);
        return played_.complete && played_.deaths == 0 && refusedRolls(sounds) == 0;
    }

    PosixInArchive levels_;
    PosixInArchive archive_;
    std::vector<std::string> names_;
    ReplayResult played_;
};

// Won as the playing state plays, losing no life and no command refused; pausing before
// each command as long as the solver says still wins, a frame longer loses. The winning
// run, kept as a replay, passes the check without a window.
TEST_F(ShippedLevels, EveryLevelIsWonByItsSolutionThroughTheRules) {
    ASSERT_TRUE(listLevels(levels_, names_));
    const TempFolder player;
    const ReplayFolder replays(player.path());
    ASSERT_EQ(40u, names_.size());
    for (size_t i = 0; i < names_.size(); ++i) {
        SCOPED_TRACE("level " + names_[i]);
        std::unique_ptr<Board> board(BoardFactory().loadLevel(archive_, names_[i]));
        ASSERT_TRUE(board);
        const LevelModel model(*board, kFrameSeconds);
        const Solver solver(model);
        const Solution solution = solver.solve();
        ASSERT_TRUE(solution.winnable);
        Replay kept;
        playsClean(i, model, solution.steps, 0, &kept.run);
        expectCleanWin(played_, solution, sounds);
        kept.header = {"test", names_[i], "solver", stats.score, kept.run.seconds(), 0};
        ASSERT_TRUE(replays.save(kept));
        std::ostringstream checked;
        EXPECT_EQ(0, checkReplay(replays.fileOf(names_[i]), NIMBUS_DATA_DIR, checked)) << checked.str();

        const int losing = solver.paceFrames(solution.steps);
        if (losing > Solver::kSlackLimitFrames) continue;
        EXPECT_TRUE(playsClean(i, model, solution.steps, losing - 1)) << "at the pace the solver allows";
        EXPECT_FALSE(playsClean(i, model, solution.steps, losing)) << "a frame slower";
    }
}

// The editor's text of a level reads back as the same level and text; the compiler takes it
// as the designer's: the same checks pass and the map is the shipped one, byte for byte.
TEST(WrittenLevels, EveryLevelsTextReadsBackAndTheCompilerMakesTheShippedMapOfIt) {
    TempFolder folder;
    int levels = 0;
    for (const auto& entry : std::filesystem::directory_iterator(NIMBUS_SOURCE_DIR "/assets/levels")) {
        if (entry.path().extension() != ".level") continue;
        const std::string name = entry.path().stem().string();
        SCOPED_TRACE(name);
        ++levels;
        LevelSource shipped, written;
        ASSERT_TRUE(LevelSourceParser::read(entry.path().string(), shipped));
        const std::string text = levelSourceText(shipped);
        const std::string source = folder.write(name + ".level", text);
        ASSERT_TRUE(LevelSourceParser::read(source, written));
        EXPECT_EQ(std::make_pair(written.board.width(), written.board.length()),
                  std::make_pair(shipped.board.width(), shipped.board.length()));
        EXPECT_EQ(written.board.tiles(), shipped.board.tiles());
        EXPECT_EQ(std::make_pair(written.title, written.teaches),
                  std::make_pair(shipped.title, shipped.teaches));
        EXPECT_EQ(levelSourceText(written), text);
        if (name != "01" && name != "13") continue;
        ASSERT_TRUE(checkStranding(source, written));
        ASSERT_TRUE(solveLevel(written).winnable);
        ASSERT_TRUE(writeLevel(written, folder.file("Level.map")));
        EXPECT_EQ(readFile(NIMBUS_DATA_DIR "/Levels/" + name + "/Level.map"),
                  readFile(folder.file("Level.map")));
    }
    EXPECT_EQ(40, levels);
}

}  // namespace
}  // namespace nimbus
