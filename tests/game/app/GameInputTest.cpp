#include "game/GameInput.h"

#include <SDL/SDL_keysym.h>
#include <gtest/gtest.h>

#include "gui/InputEvent.h"

using namespace nimbus;

namespace {

InputEvent key(int symbol, bool pressed = true) {
    InputEvent e;
    e.type = InputEvent::Key;
    e.key = symbol;
    e.pressed = pressed;
    return e;
}

InputEvent button(InputEvent::Type type, int which, int x = 0, int y = 0) {
    InputEvent e;
    e.type = type;
    e.button = which;
    e.pressed = type == InputEvent::MouseDown;
    e.x = x;
    e.y = y;
    return e;
}

// A camera straight above (x, z), looking down, so the window's centre shows that point.
Transform lookingDownAt(float x, float z) {
    Transform t;
    t.x = Vector3(1, 0, 0);
    t.y = Vector3(0, 0, -1);
    t.z = Vector3(0, 1, 0);
    t.t = Vector3(x, 10, z);
    return t;
}

}  // namespace

TEST(GameInput, EventsBecomeTheirCommands) {
    struct Case {
        const char* what;
        InputEvent event;
        int32_t kind;
    };
    const Case cases[] = {
        {"space", key(SDLK_SPACE), kCommandTogglePause},
        {"A", key(SDLK_a), kCommandTwist1},
        {"S", key(SDLK_s), kCommandTwist0},
        {"up", key(SDLK_UP), kCommandRollPlusY},
        {"down", key(SDLK_DOWN), kCommandRollMinusY},
        {"right rolls to smaller x", key(SDLK_RIGHT), kCommandRollMinusX},
        {"left rolls to larger x", key(SDLK_LEFT), kCommandRollPlusX},
        {"a released key", key(SDLK_UP, false), kCommandNothing},
        {"a key not in the table", key(SDLK_d), kCommandNothing},
        {"a key the GUI took", [] { InputEvent e = key(SDLK_UP); e.type = InputEvent::None; return e; }(), kCommandNothing},
        {"left press", button(InputEvent::MouseDown, InputEvent::kLeftButton), kCommandNothing},
        {"left release", button(InputEvent::MouseUp, InputEvent::kLeftButton), kCommandRollToCell},
        {"middle release", button(InputEvent::MouseUp, InputEvent::kMiddleButton), kCommandTwist1},
        {"right release", button(InputEvent::MouseUp, InputEvent::kRightButton), kCommandTwist0},
        {"a move", button(InputEvent::MouseMove, 0), kCommandNothing},
    };
    for (const Case& c : cases) EXPECT_EQ(GameInput::commandFor(c.event, Transform()).kind, c.kind) << c.what;
}

TEST(GameInput, AClickPicksTheCellUnderThePointer) {
    struct Case {
        const char* what;
        Transform camera;
        int x, y;
        Position cell;
    };
    const Case cases[] = {
        {"centre of the window", lookingDownAt(2.5f, 3.5f), 511, 383, {2, 3}},
        {"just outside the x = 0 and y = 0 edges", lookingDownAt(-0.5f, -0.5f), 511, 383, {0, 0}},
        {"towards the right edge", lookingDownAt(2.5f, 3.5f), 1023, 383, {6, 3}},
        {"towards the top edge", lookingDownAt(2.5f, 3.5f), 511, 0, {2, 0}},
        {"a camera looking along the ground sees the sky", Transform(), 511, 0, {-1, -1}},
    };
    for (const Case& c : cases) {
        const GameCommand command =
            GameInput::commandFor(button(InputEvent::MouseUp, InputEvent::kLeftButton, c.x, c.y), c.camera);
        EXPECT_EQ(Position(command.x, command.y), c.cell) << c.what;
    }
}

TEST(GameInput, AtMostTwoCommandsWaitAndABusyDieKeepsOnlyTheLatest) {
    GameInput input;
    input.queue(GameCommand(kCommandRollPlusY), false);
    input.queue(GameCommand(kCommandNothing), false);
    input.queue(GameCommand(kCommandRollMinusY), false);
    input.queue(GameCommand(kCommandRollPlusX), false);
    ASSERT_EQ(input.queued(), 2);
    EXPECT_EQ(input.queuedAt(0).kind, kCommandRollPlusY);
    EXPECT_EQ(input.queuedAt(1).kind, kCommandRollPlusX) << "the third overwrites the second";

    input.queue(GameCommand(kCommandTwist0), true);
    ASSERT_EQ(input.queued(), 1);
    EXPECT_EQ(input.queuedAt(0).kind, kCommandTwist0);
}
