// The check of a replay without a window: its level's rules must reach what it claims.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <tuple>

#include "core/posix/PosixInArchive.h"
#include "game/launch/ReplayCheck.h"
#include "game/player/Replay.h"
#include "game/player/ReplayFolder.h"
#include "game/rules/BoardFactory.h"
#include "sound/GameSound.h"
#include "support/GameFixture.h"
#include "support/LogCapture.h"
#include "support/TempFolder.h"

namespace nimbus {
namespace {

const std::vector<std::string> kLevel = {"BBBBBB", "BSWWGB", "BBBBBB"};

// Level 01 won by three rolls at 60 frames a second, kept as a replay.
Replay recordedWin(const std::string& data) {
    PosixInArchive archive{Path(data.c_str())};
    PlayerStats stats;
    GameImpl game(std::make_unique<GameSound>(), &stats, 0,
                  std::unique_ptr<Board>(BoardFactory().loadLevel(archive, "01")));
    Replay replay;
    game.record(&replay.run);
    for (int frame = 0; frame < 600 && !game.levelComplete(); ++frame) {
        game.execute(GameCommand(kCommandRollPlusX));
        game.update(1.0f / 60.0f);
    }
    replay.header = {"test", "01", "Ann", stats.score, replay.run.seconds(), 0};
    return replay;
}

using Change = std::function<void(Replay&, TempFolder&)>;

TEST(ReplayCheck, PassesARunThatReachesItsClaimAndSaysWhyAnotherFails) {
    const std::tuple<const char*, Change, const char*> cases[] = {
        {"as recorded", [](Replay&, TempFolder&) {}, nullptr},
        {"a higher claim", [](Replay& r, TempFolder&) { r.header.score += 1; }, "claims score 1351 in"},
        {"a command changed",
         [](Replay& r, TempFolder&) { r.run.events[0].command.kind = kCommandRollMinusX; },
         "does not complete level 01"},
        {"a level changed since",
         [](Replay&, TempFolder& data) { data.write("Levels/01/Level.map", levelMapFromRows(kLevel, 5)); },
         "level 01 has changed"},
        {"a level not there", [](Replay& r, TempFolder&) { r.header.levelName = "02"; }, "of level 02"},
    };
    for (const auto& [name, change, why] : cases) {
        SCOPED_TRACE(name);
        TempFolder data;
        data.write("Levels/01/Level.map", levelMapFromRows(kLevel));
        Replay replay = recordedWin(data.path());
        change(replay, data);
        const ReplayFolder folder(data.path());
        ASSERT_TRUE(folder.save(replay));
        std::ostringstream out;
        LogCapture log;
        const std::string file = folder.fileOf(replay.header.levelName);
        EXPECT_EQ(why ? 1 : 0, checkReplay(file, data.path(), out));
        EXPECT_EQ(why ? 1u : 0u, log.lines().size()) << log.all();
        if (why) {
            EXPECT_TRUE(log.saw({file.c_str(), why})) << log.all();
        } else {
            EXPECT_EQ(file + ": score 1350, time 0.917 s\n", out.str());
        }
    }
}

}  // namespace
}  // namespace nimbus
