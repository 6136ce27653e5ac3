#include <SDL/SDL_keysym.h>
#include <gtest/gtest.h>

#include "game/GameInput.h"
#include "gui/InputEvent.h"

using namespace nimbus;

namespace {

InputEvent event(InputEvent::Type type, int key = -1, int button = 0, bool pressed = true, int x = 0,
                 int y = 0) {
    InputEvent e;
    e.type = type;
    e.key = key;
    e.button = button;
    e.pressed = pressed;
    e.x = x;
    e.y = y;
    return e;
}

// A camera straight above (x, z), looking down, so the window's centre shows that point.
Transform lookingDownAt(float x, float z) {
    Transform t;
    t.y = Vector3(0, 0, -1);
    t.z = Vector3(0, 1, 0);
    t.t = Vector3(x, 10, z);
    return t;
}

}  // namespace

TEST(GameInput, EventsBecomeTheirCommands) {
    using E = InputEvent;
    struct Case {
        const char* what;
        InputEvent event;
        int32_t kind;
    };
    const Case cases[] = {
        {"S", event(E::Key, SDLK_s), kCommandTwist0},
        {"up", event(E::Key, SDLK_UP), kCommandRollPlusY},
        {"right rolls to smaller x", event(E::Key, SDLK_RIGHT), kCommandRollMinusX},
        {"left rolls to larger x", event(E::Key, SDLK_LEFT), kCommandRollPlusX},
        {"a released key", event(E::Key, SDLK_UP, 0, false), kCommandNothing},
        {"a key not in the table", event(E::Key, SDLK_d), kCommandNothing},
        {"a key the GUI took", event(E::None, SDLK_UP), kCommandNothing},
        {"left press", event(E::MouseDown), kCommandNothing},
        {"left release", event(E::MouseUp, -1, E::kLeftButton, false), kCommandRollToCell},
        {"middle release", event(E::MouseUp, -1, E::kMiddleButton, false), kCommandTwist1},
        {"right release", event(E::MouseUp, -1, E::kRightButton, false), kCommandTwist0},
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
            GameInput::commandFor(event(InputEvent::MouseUp, -1, 0, false, c.x, c.y), c.camera);
        EXPECT_EQ(Position(command.x, command.y), c.cell) << c.what;
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
