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

TEST(GameDice, TwistsTurnOnlyTheSides) {
    GameDice die({0, 0});
    ASSERT_TRUE(die.twist(0));
    EXPECT_EQ((Faces{3, 2, 0, 1, 4, 5}), die.state().faces);
    EXPECT_EQ(Position(0, 0), die.position());
    finish(die);
    ASSERT_TRUE(die.twist(1));
    finish(die);
    EXPECT_EQ(kStartFaces, die.state().faces);

    GameDice other({0, 0});
    ASSERT_TRUE(other.twist(1));
    EXPECT_EQ((Faces{2, 3, 1, 0, 4, 5}), other.state().faces);
}

TEST(GameDice, FourEqualTurnsAndOppositeRollsRestoreTheDie) {
    for (Direction d = 0; d < 4; ++d) {
        GameDice die({5, 5});
        for (int i = 0; i < 4; ++i) {
            ASSERT_TRUE(die.roll(d));
            finish(die);
        }
        EXPECT_EQ(kStartFaces, die.state().faces) << d;
        EXPECT_EQ(Position(5, 5).stepped(d).stepped(d).stepped(d).stepped(d), die.position()) << d;
    }
    for (int kind = 0; kind < 2; ++kind) {
        GameDice die({5, 5});
        for (int i = 0; i < 4; ++i) {
            ASSERT_TRUE(die.twist(kind));
            finish(die);
        }
        EXPECT_EQ(kStartFaces, die.state().faces) << kind;
    }
    const Direction opposite[4] = {1, 0, 3, 2};
    for (Direction d = 0; d < 4; ++d) {
        GameDice die({5, 5});
        die.roll(d);
        finish(die);
        die.roll(opposite[d]);
        finish(die);
        EXPECT_EQ(kStartFaces, die.state().faces) << d;
        EXPECT_EQ(Position(5, 5), die.position()) << d;
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
    EXPECT_FLOAT_EQ(2.5f, rest.m[3][0]);
    EXPECT_FLOAT_EQ(0.5f, rest.m[3][1]);
    EXPECT_FLOAT_EQ(3.5f, rest.m[3][2]);
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
    EXPECT_NEAR(1.0f, m.m[3][0], 1e-4f);
    EXPECT_NEAR(0.70710678f, m.m[3][1], 1e-4f);
    EXPECT_NEAR(2.5f, m.m[3][2], 1e-4f);
}

// The rules and the picture must agree: wherever a colour is now, the drawn die must
// carry that colour's starting direction to the direction of its new slot.
TEST(GameDice, DrawnRotationFollowsTheLogicalFaces) {
    std::mt19937 random(7);
    GameDice die({10, 10});
    for (int step = 0; step < 60; ++step) {
        const int move = static_cast<int>(random() % 6);
        if (move < 4) ASSERT_TRUE(die.roll(move));
        else ASSERT_TRUE(die.twist(move - 4));
        finish(die);
        const Matrix44 m = die.transform();
        for (int slot = 0; slot < 6; ++slot) {
            const Vector3 seen = transformDirection(kSlotDirections[die.face(slot)], m);
            const Vector3& wanted = kSlotDirections[slot];
            ASSERT_NEAR(wanted.x, seen.x, 1e-3f) << "step " << step << " slot " << slot;
            ASSERT_NEAR(wanted.y, seen.y, 1e-3f) << "step " << step << " slot " << slot;
            ASSERT_NEAR(wanted.z, seen.z, 1e-3f) << "step " << step << " slot " << slot;
        }
        const Position p = die.position();
        ASSERT_NEAR(p.x + 0.5f, m.m[3][0], 1e-4f);
        ASSERT_NEAR(0.5f, m.m[3][1], 1e-4f);
        ASSERT_NEAR(p.y + 0.5f, m.m[3][2], 1e-4f);
    }
}

}  // namespace
}  // namespace nimbus
