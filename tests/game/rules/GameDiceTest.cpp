#include <gtest/gtest.h>

#include <array>
#include <random>

#include "game/rules/GameDice.h"

namespace nimbus {
namespace {

using Faces = std::array<int32_t, 6>;
const Faces kStartFaces{0, 1, 2, 3, 4, 5};

void finish(GameDice& die) { die.update(1.0f); }

// The outward direction of each face slot in the world: board y is world z.
const Vector3 kSlotDirections[6] = {{-1, 0, 0}, {1, 0, 0}, {0, 0, -1}, {0, 0, 1}, {0, -1, 0}, {0, 1, 0}};

TEST(GameDice, RollsPermuteFacesAndMoveTheCell) {
    struct Case {
        Direction direction;
        Position cell;
        Faces faces;
    };
    // The face that lands is the one that faced the roll; the old bottom goes up the
    // opposite side.
    const Case cases[] = {
        {0, {0, 2}, {5, 4, 2, 3, 0, 1}},
        {1, {2, 2}, {4, 5, 2, 3, 1, 0}},
        {2, {1, 1}, {0, 1, 5, 4, 2, 3}},
        {3, {1, 3}, {0, 1, 4, 5, 3, 2}},
    };
    for (const Case& c : cases) {
        GameDice die({1, 2});
        ASSERT_TRUE(die.roll(c.direction));
        EXPECT_EQ(c.cell, die.position()) << c.direction;
        EXPECT_EQ(c.faces, die.state().faces) << c.direction;
        EXPECT_EQ(kStartFaces[c.direction], die.face(kSlotBottom)) << c.direction;
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
    EXPECT_FALSE(die.busy());
    EXPECT_TRUE(die.roll(3));
    // One large step ends the turn at once and the angle never passes 90.
    die.update(0.2f);
    EXPECT_NEAR(40.0f, die.angle(), 1e-3f);
    die.update(1.0f);
    EXPECT_FALSE(die.busy());
    EXPECT_EQ(0.0f, die.angle());
    const Matrix44 rest = die.transform();
    EXPECT_EQ(Vector3(rest.m[3][0], rest.m[3][1], rest.m[3][2]), Vector3(2.5f, 0.5f, 3.5f));
    // A direction that is none is accepted and changes nothing.
    EXPECT_TRUE(die.roll(7));
    EXPECT_FALSE(die.busy());
    EXPECT_EQ(Position(2, 3), die.position());
}

TEST(GameDice, HalfwayThroughARollTheDieStandsOnItsEdge) {
    GameDice die({1, 2});
    die.roll(0);
    die.update(0.225f);
    // Tipped 45 degrees over the edge at x = 1: the centre is straight above that edge.
    const Matrix44 m = die.transform();
    EXPECT_NEAR(length(Vector3(m.m[3][0], m.m[3][1], m.m[3][2]) - Vector3(1.0f, 0.70710678f, 2.5f)), 0.0f,
                1e-4f);
}

// The rules and the picture must agree: wherever a colour is now, the drawn die must
// carry that colour's starting direction to the direction of its new slot.
TEST(GameDice, DrawnRotationFollowsTheLogicalFaces) {
    std::mt19937 random(7);
    GameDice die({10, 10});
    for (int step = 0; step < 60; ++step) {
        const int move = static_cast<int>(random() % 6);
        if (move < 4)
            ASSERT_TRUE(die.roll(move));
        else
            ASSERT_TRUE(die.twist(move - 4));
        finish(die);
        const Matrix44 m = die.transform();
        for (int slot = 0; slot < 6; ++slot) {
            const Vector3 seen = transformDirection(kSlotDirections[die.face(slot)], m);
            ASSERT_NEAR(length(seen - kSlotDirections[slot]), 0.0f, 1e-3f)
                << "step " << step << " slot " << slot;
        }
        const Vector3 centre(die.position().x + 0.5f, 0.5f, die.position().y + 0.5f);
        ASSERT_NEAR(length(Vector3(m.m[3][0], m.m[3][1], m.m[3][2]) - centre), 0.0f, 1e-4f);
    }
}

}  // namespace
}  // namespace nimbus
