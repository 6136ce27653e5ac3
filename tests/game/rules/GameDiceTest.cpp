#include <gtest/gtest.h>

#include <array>
#include <random>
#include <tuple>

#include "game/rules/GameDice.h"

namespace nimbus {
namespace {

using Faces = std::array<int32_t, 6>;

Vector3 centreOf(const GameDice& die) {
    const Matrix44 m = die.transform();
    return {m.m[3][0], m.m[3][1], m.m[3][2]};
}

// The outward direction of each face slot in the world: board y is world z.
const Vector3 kSlotDirections[6] = {{-1, 0, 0}, {1, 0, 0}, {0, 0, -1}, {0, 0, 1}, {0, -1, 0}, {0, 1, 0}};

TEST(GameDice, RollsPermuteFacesAndMoveTheCell) {
    // The face that faced the roll lands; the old bottom goes up the opposite side.
    const std::tuple<Direction, Position, Faces> cases[] = {
        {0, {0, 2}, {5, 4, 2, 3, 0, 1}},
        {1, {2, 2}, {4, 5, 2, 3, 1, 0}},
        {2, {1, 1}, {0, 1, 5, 4, 2, 3}},
        {3, {1, 3}, {0, 1, 4, 5, 3, 2}},
    };
    for (const auto& [direction, cell, faces] : cases) {
        GameDice die({1, 2});
        ASSERT_TRUE(die.roll(direction));
        EXPECT_EQ(cell, die.position()) << direction;
        EXPECT_EQ(faces, die.state().faces) << direction;
    }
}

TEST(GameDice, TurnTakesNearlyHalfASecondAndRefusesOthersMeanwhile) {
    GameDice die({1, 2});
    ASSERT_TRUE(die.roll(1));
    const DiceState during = die.state();
    // 0.44 s of 60 Hz frames are not enough.
    for (int i = 0; i < 26; ++i) die.update(1.0f / 60.0f);
    EXPECT_TRUE(die.busy());
    EXPECT_FALSE(die.roll(3));
    EXPECT_FALSE(die.twist(0));
    EXPECT_EQ(during, die.state());
    die.update(0.02f);
    EXPECT_TRUE(die.roll(3));
    // One large step ends the turn at once and the angle never passes 90.
    die.update(0.2f);
    EXPECT_NEAR(40.0f, die.angle(), 1e-3f);
    die.update(1.0f);
    EXPECT_FALSE(die.busy());
    EXPECT_EQ(0.0f, die.angle());
}

// The drawn die carries each colour's starting direction to its new slot. Halfway through a
// roll it stands on its edge, centre straight above; a twist turns it in place.
TEST(GameDice, DrawnRotationFollowsTheLogicalFaces) {
    std::mt19937 random(7);
    GameDice die({10, 10});
    const auto centre = [&] { return Vector3(die.position().x + 0.5f, 0.5f, die.position().y + 0.5f); };
    for (int step = 0; step < 60; ++step) {
        const int move = static_cast<int>(random() % 6);
        const Vector3 from = centre();
        ASSERT_TRUE(move < 4 ? die.roll(move) : die.twist(move - 4));
        die.update(0.225f);
        const Vector3 edge = (from + centre()) * 0.5f;
        ASSERT_NEAR(length(centreOf(die) - Vector3(edge.x, move < 4 ? 0.70710678f : 0.5f, edge.z)), 0.0f,
                    1e-4f)
            << "step " << step;
        die.update(1.0f);
        const Matrix44 m = die.transform();
        for (int slot = 0; slot < 6; ++slot) {
            const Vector3 seen = transformDirection(kSlotDirections[die.face(slot)], m);
            ASSERT_NEAR(length(seen - kSlotDirections[slot]), 0.0f, 1e-3f)
                << "step " << step << " slot " << slot;
        }
        ASSERT_NEAR(length(centreOf(die) - centre()), 0.0f, 1e-4f);
    }
}

}  // namespace
}  // namespace nimbus
