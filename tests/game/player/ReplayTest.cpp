// The replay file: what it keeps, what it refuses, and which run a level keeps.
#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>
#include <tuple>

#include "core/ByteHash.h"
#include "game/player/Replay.h"
#include "game/player/ReplayFolder.h"
#include "support/LogCapture.h"
#include "support/TempFolder.h"

namespace nimbus {
namespace {

constexpr uint64_t kLevelHash = 0x0123456789abcdefull;

Replay sample(int32_t score = 1450, double seconds = 12.5) {
    Replay r;
    r.header = {"1.2.3", "07", "Ann Lee", score, seconds, 1700000000};
    r.run.levelHash = kLevelHash;
    r.run.start = {800, 3, 4, 1.25f};  // score, lives, multiplier, combo timer
    r.run.steps = {1.0f / 60.0f, 0.02f, 0.5f, 0.0f};
    r.run.command(GameCommand(kCommandRollToCell, 3, 1));
    r.run.pointsTaken(250);
    r.run.events[1].frame = 4;
    return r;
}

bool sameReplay(const Replay& a, const Replay& b) {
    const ReplayHeader &x = a.header, &y = b.header;
    return x.gameVersion == y.gameVersion && x.levelName == y.levelName && x.playerName == y.playerName &&
           x.score == y.score && x.seconds == y.seconds && x.date == y.date &&
           a.run.levelHash == b.run.levelHash && a.run.start.score == b.run.start.score &&
           a.run.start.multiplier == b.run.start.multiplier &&
           a.run.start.comboTimer == b.run.start.comboTimer && a.run.steps == b.run.steps &&
           a.run.events == b.run.events;
}

// Byte 8 holds the format version; the last eight the check of the bytes before.
using Damage = std::function<void(std::string&)>;

TEST(ReplayFile, ReadsBackWhatItKeptAndRefusesDamageWithOneLineNamingTheFile) {
    TempFolder player;
    const ReplayFolder folder(player.path());
    const Replay kept = sample();
    ASSERT_TRUE(folder.save(kept));
    Replay read;
    ASSERT_TRUE(folder.load("07", kLevelHash, read));
    EXPECT_TRUE(sameReplay(kept, read));
    const std::string good = readFile(folder.fileOf("07"));
    // Kept runs must read in later games: a new hash only with a new format version.
    EXPECT_EQ(hashBytes(good.data(), good.size()), 0x15b41c84fb2b0076ull);
    EXPECT_EQ(player.file("replays/07.replay"), folder.fileOf("07"));

    const std::tuple<const char*, Damage, uint64_t, const char*> cases[] = {
        {"foreign", [](std::string& b) { b = "<gui></gui>\n"; }, kLevelHash, "not a replay"},
        {"empty", [](std::string& b) { b.clear(); }, kLevelHash, "truncated"},
        {"cut in its header", [](std::string& b) { b.resize(30); }, kLevelHash,
         "truncated within its header"},
        {"cut in its run", [](std::string& b) { b.resize(b.size() - 9); }, kLevelHash, "truncated"},
        {"grown", [](std::string& b) { b += "x"; }, kLevelHash, "damaged"},
        {"a step changed", [](std::string& b) { b[b.size() - 9 - 2 * 20 - 5] ^= 4; }, kLevelHash, "damaged"},
        {"another version", [](std::string& b) { b[8] = 2; }, kLevelHash, "replay format 2"},
        {"a changed level", [](std::string&) {}, kLevelHash + 1, "level 07 has changed"},
    };
    for (const auto& [name, damage, levelHash, why] : cases) {
        SCOPED_TRACE(name);
        std::string bytes = good;
        damage(bytes);
        player.write("replays/07.replay", bytes);
        LogCapture log;
        EXPECT_FALSE(folder.load("07", levelHash, read));
        ASSERT_EQ(1u, log.lines().size());
        EXPECT_TRUE(log.saw({folder.fileOf("07").c_str(), why})) << log.all();
    }

    // A gigabyte is refused before it is read (the file holds no blocks to read).
    const std::string huge = player.file("huge.replay");
    player.write("huge.replay", "");
    ASSERT_EQ(0, ::truncate(huge.c_str(), 1 << 30));
    LogCapture log;
    EXPECT_FALSE(read.load(huge));
    EXPECT_TRUE(log.saw({huge.c_str(), "larger than"})) << log.all();
    EXPECT_FALSE(ReplayFolder(player.file("none")).load("07", kLevelHash, read));
    EXPECT_EQ(1u, log.lines().size()) << "a level without a replay is no error";
}

TEST(ReplayFile, ALevelKeepsItsHighestScoringRunTheQuickerOfEqualOnes) {
    TempFolder player;
    const ReplayFolder folder(player.path());
    EXPECT_TRUE(folder.isNewBest(sample())) << "nothing kept yet";
    ASSERT_TRUE(folder.save(sample(1450, 12.5)));
    // Score, seconds, the level's hash and whether it is the new best.
    const std::tuple<int32_t, double, uint64_t, bool> cases[] =
        {
            {1500, 30.0, kLevelHash, true},    {1450, 12.0, kLevelHash, true},
            {1450, 12.5, kLevelHash, false},   {1400, 5.0, kLevelHash, false},
            {100, 50.0, kLevelHash + 1, true},  // the kept one is of the level before it changed
        };
    for (const auto& [score, seconds, levelHash, best] : cases) {
        Replay run = sample(score, seconds);
        run.run.levelHash = levelHash;
        LogCapture quiet;
        EXPECT_EQ(best, folder.isNewBest(run)) << score << " in " << seconds << " s";
    }
}

}  // namespace
}  // namespace nimbus
