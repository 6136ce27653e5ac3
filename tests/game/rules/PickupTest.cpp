#include <memory>

#include "support/GameFixture.h"

namespace nimbus {
namespace {

const GameCommand kPlusX(kCommandRollPlusX);

// Start at (1, 1), White tiles up to x = 6, a pick-up on each of the given cells.
Board corridorWith(std::initializer_list<std::pair<int32_t, int32_t>> pickups) {
    Board board = boardFromRows({"BBBBBBBB", "BSWWWWWB", "BBBBBBBB"});
    for (const auto& [x, kind] : pickups) board.tileAt({x, 1}).pickup = kind;
    return board;
}

using Pickups = GameFixture;

TEST_F(Pickups, ExtraLifeIsGivenAtOnceAndNeverQueued) {
    start(corridorWith({{2, kPickupExtraLife}}));
    game->execute(kPlusX);
    EXPECT_EQ(4, stats.lives);
    EXPECT_TRUE(game->actions().empty());
    EXPECT_EQ(kPickupNone, tile({2, 1}).pickup);
    EXPECT_EQ((Sounds{"Move", "LifeJingle"}), sounds.played);
    EXPECT_EQ((std::vector<std::string>{"Extra Life!", "50", "X2!"}), texts());
    const FloatingText& text = game->floatingTexts().entries()[0];
    EXPECT_EQ(Vector3(2.5f, 1.5f, 1.5f), text.position);
    EXPECT_EQ(5.0f, text.growth);
    EXPECT_EQ(1.0f, text.lifetime);
}

TEST_F(Pickups, StopTimeHoldsTheClockForFiveSeconds) {
    start(corridorWith({{2, kPickupStopTime}}));
    game->update(7.0f);
    game->execute(kPlusX);
    ASSERT_EQ(1u, game->actions().size());
    EXPECT_EQ((Sounds{"Move", "TickTock"}), sounds.played);
    for (int i = 0; i < 10; ++i) {
        game->update(0.5f);
        EXPECT_EQ(7.0f, game->levelClock()) << i;
    }
    EXPECT_TRUE(game->actions().empty());
    // Deleting the effect stopped its ticking.
    EXPECT_EQ((std::vector<int>{1}), sounds.stopped);
    // The combo ran out on real time while the clock stood still.
    EXPECT_EQ(1, stats.multiplier);
    game->update(0.5f);
    EXPECT_EQ(7.5f, game->levelClock());
}

TEST_F(Pickups, TwoStopTimesQueueForTenSeconds) {
    start(corridorWith({{2, kPickupStopTime}, {3, kPickupStopTime}}));
    run(kPlusX);
    run(kPlusX);
    ASSERT_EQ(2u, game->actions().size());
    EXPECT_FLOAT_EQ(0.2f, game->actions()[0]->progress());
    EXPECT_EQ(0.0f, game->actions()[1]->progress());
    for (int i = 2; i < 20; ++i) game->update(0.5f);
    EXPECT_EQ(0.0f, game->levelClock());
    EXPECT_TRUE(game->actions().empty());
    game->update(0.5f);
    EXPECT_EQ(0.5f, game->levelClock());
    // The second effect ticked when collected and again when its turn came.
    EXPECT_EQ((Sounds{"Move", "TickTock", "Move", "TickTock", "TickTock"}), sounds.played);
    EXPECT_EQ((std::vector<int>{1, 4}), sounds.stopped);
}

TEST_F(Pickups, ReverseTimeRaisesCrumbledTiles) {
    Board board = corridorWith({{2, kPickupReverseTime}});
    board.tileAt({3, 1}).fallStep = 1;
    start(board);
    game->update(3.0f);
    ASSERT_TRUE(game->board()->isFallen({3, 1}, game->levelClock()));
    game->execute(kPlusX);
    game->update(0.5f);
    EXPECT_EQ(2.5f, game->levelClock());
    sounds.played.clear();
    EXPECT_TRUE(game->execute(kPlusX));
    EXPECT_EQ((Sounds{"Failed"}), sounds.played);
    game->update(0.5f);
    EXPECT_FALSE(game->board()->isFallen({3, 1}, game->levelClock()));
    for (int i = 0; i < 8; ++i) game->update(0.5f);
    EXPECT_EQ(-2.0f, game->levelClock());
    EXPECT_TRUE(game->actions().empty());
    EXPECT_TRUE(run(kPlusX));
    EXPECT_EQ(Position(3, 1), game->dieCell());
}

TEST_F(Pickups, UnknownKindsLeaveNoEffectButAreCleared) {
    start(corridorWith({{2, kPickupLast}, {3, 77}}));
    run(kPlusX);
    run(kPlusX);
    EXPECT_EQ(kPickupNone, tile({2, 1}).pickup);
    EXPECT_EQ(kPickupNone, tile({3, 1}).pickup);
    EXPECT_TRUE(game->actions().empty());
    EXPECT_EQ((Sounds{"Move", "Move"}), sounds.played);
    for (const std::string& text : texts()) EXPECT_EQ(std::string::npos, text.find("Time"));
}

TEST_F(Pickups, QueuedEffectsStopTheirSoundWithTheGame) {
    start(corridorWith({{2, kPickupReverseTime}}));
    game->execute(kPlusX);
    game.reset();
    EXPECT_EQ((std::vector<int>{1}), sounds.stopped);
}

TEST_F(Pickups, PausedGameHoldsItsEffects) {
    start(corridorWith({{2, kPickupStopTime}}));
    game->execute(kPlusX);
    game->execute(GameCommand(kCommandTogglePause));
    game->update(10.0f);
    ASSERT_EQ(1u, game->actions().size());
    EXPECT_EQ(0.0f, game->actions()[0]->progress());
}

}  // namespace
}  // namespace nimbus
