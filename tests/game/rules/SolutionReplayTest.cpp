#include <gtest/gtest.h>

#include <vector>

#include "game/rules/LevelModel.h"
#include "game/rules/SolutionReplay.h"

namespace nimbus {
namespace {

// A player at the keys: every key counts as handed in at once; the frames are recorded.
class KeyRecorder final : public ReplayTarget {
public:
    bool handIn(const SolutionStep&) override {
        pressed.push_back(frame);
        return true;
    }
    bool passFrame() override {
        ++frame;
        return false;
    }

    int frame = 0;
    std::vector<int> pressed;
};

// Three steps without a wait, then one that waits five frames. Keyed ahead, each key
// goes the frame after the game took the one before, which is when the die lands;
// late, every key waits for the die to land and then the lateness.
TEST(SolutionReplay, KeysGoWhenTheDieIsDueToTakeThem) {
    const int busy = DieTurns(kFrameSeconds).busyFrames();
    const int late = 15;
    const std::vector<SolutionStep> steps = {{0, 1}, {0, 1}, {0, 1}, {5, 1}};
    const std::pair<int, std::vector<int>> cases[] = {
        {0, {0, 1, busy + 1, 3 * busy + 5}},
        {late, {late, late + (busy + late), late + 2 * (busy + late), late + 3 * (busy + late) + 5}},
    };
    for (const auto& [lateness, pressed] : cases) {
        KeyRecorder keys;
        SolutionReplay replay(steps, lateness);
        EXPECT_FALSE(replay.play(keys, 1000));
        EXPECT_TRUE(replay.finished());
        EXPECT_EQ(pressed, keys.pressed) << "late " << lateness;
    }
}

}  // namespace
}  // namespace nimbus
