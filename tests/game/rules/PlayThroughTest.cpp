#include <unistd.h>

#include <cstdlib>
#include <deque>
#include <filesystem>

#include "ErrorCapture.h"
#include "GameFixture.h"
#include "core/posix/FileOutBuffer.h"
#include "core/posix/PosixInArchive.h"
#include "game/rules/LevelMap.h"

namespace nimbus {
namespace {

// A level with a twist in it: from the Start the die rolls east over Green and
// Magenta (collecting an extra life), twists so that Blue faces east, rolls on over
// Blue and Cyan, and reaches the Goal. Tiles behind the die crumble one after another.
Board handMadeLevel() {
    Board board = boardFromRows({"BBBBBBBB", "BS1524GB", "BBBBBBBB"});
    for (int32_t x = 1; x <= 5; ++x) board.tileAt({x, 1}).fallStep = x;
    board.tileAt({3, 1}).pickup = kPickupExtraLife;
    return board;
}

// Writes the level as "/Levels/<name>/Level.map" under a fresh directory and removes
// the directory afterwards.
class LevelDirectory {
public:
    LevelDirectory() {
        char pattern[] = "/tmp/nimbus-levels-XXXXXX";
        root_ = mkdtemp(pattern);
    }
    ~LevelDirectory() { std::filesystem::remove_all(root_); }
    bool write(const std::string& name, const Board& board) {
        std::filesystem::create_directories(root_ + "/Levels/" + name);
        FileOutBuffer out;
        return out.open(root_ + "/Levels/" + name + "/Level.map") && writeLevelMap(out, board) && out.close();
    }
    const std::string& root() const { return root_; }

private:
    std::string root_;
};

using PlayThrough = GameFixture;

// Played the way the playing state plays: 60 frames a second, the oldest command handed
// in once a frame and kept until it is consumed.
TEST_F(PlayThrough, HandMadeLevelFromStartToGoal) {
    LevelDirectory data;
    ASSERT_TRUE(data.write("1_corridor", handMadeLevel()));
    PosixInArchive archive(data.root());
    game = std::make_unique<GameImpl>(std::make_unique<RecordingSound>(sounds), &stats, 1,
                                      std::vector<std::string>{"0_missing", "1_corridor"}, &archive);
    ASSERT_TRUE(game->loaded());

    std::deque<GameCommand> commands = {GameCommand(kCommandRollPlusX), GameCommand(kCommandRollPlusX),
                                        GameCommand(kCommandTwist0),    GameCommand(kCommandRollPlusX),
                                        GameCommand(kCommandRollPlusX), GameCommand(kCommandRollPlusX)};
    int frame = 0;
    bool complete = false;
    for (; frame < 600 && !complete; ++frame) {
        if (!commands.empty() && game->execute(commands.front())) commands.pop_front();
        complete = game->update(1.0f / 60.0f);
    }
    ASSERT_TRUE(complete);
    EXPECT_TRUE(commands.empty());
    // Six turns of 27 frames each, the goal scored in the frame of its roll.
    EXPECT_EQ(5 * 27 + 1, frame);
    // Five new tiles at 50, 100, 200, 400, 800, then the goal.
    EXPECT_EQ(50 + 100 + 200 + 400 + 800 + 1000, stats.score);
    EXPECT_EQ(4, stats.lives);
    EXPECT_EQ(Position(6, 1), game->dieCell());
    EXPECT_EQ((Sounds{"Move", "Move", "LifeJingle", "Twist", "Move", "Move", "Move", "EndLevel"}), sounds.played);
}

TEST_F(PlayThrough, MissingLevelsAreReported) {
    LevelDirectory data;
    PosixInArchive archive(data.root());
    for (int32_t index : {0, 2, -1}) {
        ErrorCapture errors;
        GameImpl missing(std::make_unique<RecordingSound>(sounds), &stats, index, {"0_missing", "1_absent"},
                         &archive);
        EXPECT_FALSE(missing.loaded()) << index;
        EXPECT_EQ(1u, errors.messages().size()) << index;
    }
}

}  // namespace
}  // namespace nimbus
