// A recorded run lived again: the same states whatever its frame times and pace shown.
#include <functional>
#include <tuple>

#include "core/MemoryInBuffer.h"
#include "core/VectorOutBuffer.h"
#include "game/player/Replay.h"
#include "game/rules/RunPlayback.h"
#include "game/rules/RunRecording.h"
#include "support/GameFixture.h"

namespace nimbus {
namespace {

// Start (1, 1) to Goal (9, 1); the first two tiles fall at 2 s, the third holds a stop-time.
Board crumblingCorridor() {
    Board board = boardFromRows({"BBBBBBBBBBB", "BSWWWWWWWGB", "BBBBBBBBBBB"});
    board.tileAt({1, 1}).fallStep = 1;
    board.tileAt({2, 1}).fallStep = 1;
    board.tileAt({3, 1}).pickup = kPickupStopTime;
    return board;
}

// What the player does, at seconds of real time: rolls, a twist, a pause, a hint's price.
struct Action {
    float at;
    GameCommand command;  // kind 0: take a hint's price instead
};
const Action kScript[] = {
    {0.1f, kCommandRollPlusX},   {0.5f, kCommandRollPlusX},   {0.8f, kCommandTwist0},
    {1.0f, kCommandTogglePause}, {1.3f, kCommandTogglePause}, {1.6f, kCommandRollPlusX},
    {2.0f, GameCommand()},       {2.3f, kCommandRollPlusX},   {2.9f, kCommandRollPlusX},
    {3.4f, kCommandRollPlusX},   {8.0f, kCommandRollPlusX},   {8.5f, kCommandRollPlusX}};
constexpr float kPlaySeconds = 9.5f;

// Frame times: steady, jittering (a fixed pseudo-random sequence) or with one stall.
using FrameTimes = std::function<float(int frame)>;
float jitter(int frame) { return 0.020f + 0.030f * static_cast<float>((frame * 7919 + 13) % 101) / 100.0f; }

struct Final {
    int32_t score, lives;
    float clock;
    DiceState die;
    int fallen;
    bool complete;
    bool operator==(const Final& o) const {
        return score == o.score && lives == o.lives && clock == o.clock && die == o.die &&
               fallen == o.fallen && complete == o.complete;
    }
};

Final finalOf(const GameImpl& game) {
    const Board& board = *game.board();
    int fallen = 0;
    for (int32_t y = 0; y < board.length(); ++y)
        for (int32_t x = 0; x < board.width(); ++x) fallen += board.isFallen({x, y}, game.levelClock());
    const PlayerStats& s = *game.stats();
    return {s.score, s.lives, game.levelClock(), game.die().state(), fallen, game.levelComplete()};
}

class RunPlaybackTest : public GameFixture {
protected:
    // Plays the script live at the frame times, recording; the clock after every update.
    std::vector<float> playLive(const FrameTimes& times, RunRecording& run) {
        start(crumblingCorridor());
        game->record(&run);
        std::vector<float> clocks;
        size_t next = 0;
        float now = 0.0f;
        for (int frame = 0; now < kPlaySeconds && !game->levelComplete(); ++frame) {
            const float dt = times(frame);
            now += dt;
            // As the playing state does: a command a frame, kept while the die turns.
            if (next < std::size(kScript) && kScript[next].at <= now) {
                const GameCommand& c = kScript[next].command;
                const bool hint = c.kind == kCommandNothing;
                if (hint) game->takePoints(GameImpl::kHintCost);
                if (hint || game->execute(c)) ++next;
            }
            const bool ran = !game->paused();
            game->update(dt);
            if (ran) clocks.push_back(game->levelClock());
        }
        game->record(nullptr);
        return clocks;
    }

    // A fresh game of the same level on the recording's starting stats.
    std::unique_ptr<GameImpl> fresh(const RunRecording& run, PlayerStats& s) {
        s = run.start;
        return std::make_unique<GameImpl>(std::make_unique<RecordingSound>(sounds), &s, 0,
                                          std::make_unique<Board>(crumblingCorridor()));
    }
};

TEST_F(RunPlaybackTest, ARunPlaysBackToTheSameStatesWhateverItsFrameTimesAndThePaceItIsShownAt) {
    const std::tuple<const char*, FrameTimes> patterns[] = {
        {"steady 60 Hz", [](int) { return 1.0f / 60.0f; }},
        {"steady 144 Hz", [](int) { return 1.0f / 144.0f; }},
        {"jittering 20 to 50 ms", jitter},
        {"one stall of 500 ms", [](int frame) { return frame == 40 ? 0.5f : 1.0f / 60.0f; }},
    };
    for (const auto& [name, times] : patterns) {
        SCOPED_TRACE(name);
        stats = PlayerStats();
        stats.score = 400;  // enough for the hint's price
        RunRecording run;
        const std::vector<float> liveClocks = playLive(times, run);
        const Final live = finalOf(*game);
        EXPECT_TRUE(live.complete);
        EXPECT_EQ(2, live.fallen);

        // Frame by frame, straight from the recording.
        PlayerStats s1;
        std::unique_ptr<GameImpl> again = fresh(run, s1);
        RunPlayback byFrame(run, *again);
        std::vector<float> clocks;
        while (byFrame.stepFrame()) clocks.push_back(again->levelClock());
        EXPECT_EQ(liveClocks, clocks);
        EXPECT_TRUE(byFrame.inStep());
        EXPECT_TRUE(live == finalOf(*again));
        EXPECT_EQ(run.seconds(), byFrame.seconds());

        // Through the file, shown at 75 Hz.
        Replay replay;
        replay.run = run;
        VectorOutBuffer out;
        ASSERT_TRUE(replay.write(out));
        MemoryInBuffer in(out.bytes().data(), out.bytes().data() + out.bytes().size());
        Replay read;
        ASSERT_TRUE(read.read(in));
        PlayerStats s2;
        std::unique_ptr<GameImpl> shown = fresh(read.run, s2);
        RunPlayback paced(read.run, *shown);
        paced.advance(read.run.steps[0]);
        EXPECT_EQ(liveClocks[0], shown->levelClock()) << "a shown frame as long as the first plays it";
        for (int i = 0; i < 10000 && !paced.finished(); ++i) paced.advance(1.0f / 75.0f);
        EXPECT_TRUE(live == finalOf(*shown));
    }
}

}  // namespace
}  // namespace nimbus
