#include <SDL/SDL_keysym.h>
#include <gtest/gtest.h>

#include <tuple>

#include "game/states/GameInput.h"
#include "gui/InputEvent.h"
#include "gui/KeyBindings.h"
#include "support/GuiEnvironment.h"

using namespace nimbus;

namespace {

// A key the GUI has already used: it comes on with no kind.
InputEvent taken(int32_t key) {
    InputEvent e = keyEvent(key, 0, true);
    e.type = InputEvent::None;
    return e;
}

// A camera straight above (x, z), looking down, so the window's centre shows that point.
Transform lookingDownAt(float x, float z) { return {{1, 0, 0}, {0, 0, -1}, {0, 1, 0}, {x, 10, z}}; }

// With the keys as they come, and with the right arrow's roll moved to J and the pause to P.
TEST(GameInput, EventsBecomeTheirCommandsByTheKeysBound) {
    using E = InputEvent;
    KeyBindings rebound;
    rebound.bind(kInputRollRight, SDLK_j);
    rebound.bind(kInputPause, SDLK_p);
    InputEvent padStart = keyEvent(-1, 0, true);
    padStart.action = kInputPause;
    const std::tuple<const char*, InputEvent, bool, int32_t> cases[] = {
        {"S", keyEvent(SDLK_s, 0, true), false, kCommandTwist0},
        {"up", keyEvent(SDLK_UP, 0, true), false, kCommandRollPlusY},
        {"right rolls to smaller x", keyEvent(SDLK_RIGHT, 0, true), false, kCommandRollMinusX},
        {"left rolls to larger x", keyEvent(SDLK_LEFT, 0, true), false, kCommandRollPlusX},
        {"R restarts", keyEvent(SDLK_r, 0, true), false, kCommandRestart},
        {"J took the right arrow's roll", keyEvent(SDLK_j, 0, true), true, kCommandRollMinusX},
        {"the right arrow is free", keyEvent(SDLK_RIGHT, 0, true), true, kCommandNothing},
        {"the pad's Start pauses whatever the key", padStart, true, kCommandTogglePause},
        {"a released key", keyEvent(SDLK_UP, 0, false), false, kCommandNothing},
        {"a key not in the table", keyEvent(SDLK_d, 0, true), false, kCommandNothing},
        {"a key the GUI took", taken(SDLK_UP), false, kCommandNothing},
        {"left press", buttonEvent(E::MouseDown, 0, 0), false, kCommandNothing},
        {"left release", buttonEvent(E::MouseUp, 0, 0, E::kLeftButton), false, kCommandRollToCell},
        {"middle release", buttonEvent(E::MouseUp, 0, 0, E::kMiddleButton), false, kCommandTwist1},
        {"right release", buttonEvent(E::MouseUp, 0, 0, E::kRightButton), false, kCommandTwist0},
    };
    for (const auto& [what, event, bound, kind] : cases)
        EXPECT_EQ(GameInput::commandFor(event, Transform(), bound ? rebound : KeyBindings()).kind, kind)
            << what;
}

TEST(GameInput, AClickPicksTheCellUnderThePointer) {
    const std::tuple<const char*, Transform, int, int, Position> cases[] = {
        {"centre of the window", lookingDownAt(2.5f, 3.5f), 511, 383, {2, 3}},
        {"just outside the x = 0 and y = 0 edges", lookingDownAt(-0.5f, -0.5f), 511, 383, {0, 0}},
        {"towards the right edge", lookingDownAt(2.5f, 3.5f), 1023, 383, {6, 3}},
        {"towards the top edge", lookingDownAt(2.5f, 3.5f), 511, 0, {2, 0}},
        {"a camera looking along the ground sees the sky", Transform(), 511, 0, {-1, -1}},
    };
    for (const auto& [what, camera, x, y, cell] : cases) {
        const GameCommand command =
            GameInput::commandFor(buttonEvent(InputEvent::MouseUp, x, y), camera, KeyBindings());
        EXPECT_EQ(Position(command.x, command.y), cell) << what;
    }
}

TEST(GameInput, AtMostTwoCommandsWaitAndABusyDieKeepsOnlyTheLatest) {
    GameInput input;
    for (int32_t kind : {kCommandRollPlusY, kCommandNothing, kCommandRollMinusY, kCommandRollPlusX}) {
        input.queue(GameCommand(kind), false);
    }
    ASSERT_EQ(input.queued(), 2);
    EXPECT_EQ(input.queuedAt(0).kind, kCommandRollPlusY);
    EXPECT_EQ(input.queuedAt(1).kind, kCommandRollPlusX) << "the third overwrites the second";
    input.queue(GameCommand(kCommandTwist0), true);
    ASSERT_EQ(input.queued(), 1);
    EXPECT_EQ(input.queuedAt(0).kind, kCommandTwist0);
}

}  // namespace
