#include "game/states/GameInput.h"

#include <SDL/SDL_keysym.h>

#include <cmath>

#include "game/rules/GameImpl.h"
#include "gui/InputEvent.h"
#include "gui/KeyboardFocus.h"
#include "render/Camera.h"
#include "render/ViewSize.h"

namespace nimbus {

namespace {

struct KeyCommand {
    int key;
    GameCommandKind command;
};

constexpr KeyCommand kKeys[] = {
    {SDLK_SPACE, kCommandTogglePause}, {SDLK_a, kCommandTwist1},        {SDLK_s, kCommandTwist0},
    {SDLK_UP, kCommandRollPlusY},      {SDLK_DOWN, kCommandRollMinusY}, {SDLK_RIGHT, kCommandRollMinusX},
    {SDLK_LEFT, kCommandRollPlusX},    {SDLK_r, kCommandRestart},
};

// Mouse buttons as the GUI numbers them.
constexpr int kLeftButton = 0;
constexpr int kMiddleButton = 1;
constexpr int kRightButton = 2;

// The height of the tile tops.
constexpr float kTileTop = -0.1f;
// Farther than any board reaches; also keeps the truncation inside int32.
constexpr float kFarthestCell = 1.0e6f;

const Position kNoCell;

}  // namespace

GameCommand GameInput::commandFor(const InputEvent& event, const Transform& cameraTransform) {
    if (event.type == InputEvent::Key && event.pressed) {
        for (const KeyCommand& k : kKeys) {
            if (k.key == event.key) return GameCommand(k.command);
        }
    }
    if (event.type != InputEvent::MouseUp) return GameCommand();
    switch (event.button) {
        case kLeftButton: {
            const Position cell = pickCell(event.x, event.y, cameraTransform);
            return GameCommand(kCommandRollToCell, cell.x, cell.y);
        }
        case kMiddleButton:
            return GameCommand(kCommandTwist1);
        case kRightButton:
            return GameCommand(kCommandTwist0);
        default:
            return GameCommand();
    }
}

Position GameInput::pickCell(int x, int y, const Transform& cameraTransform) {
    const float u = (static_cast<float>(x) * 2.0f / (kViewWidth - 1.0f) - 1.0f) * kViewAspect;
    const float v = 1.0f - static_cast<float>(y) * 2.0f / (kViewHeight - 1.0f);
    const float spread = std::tan(makeStandardCamera().fovy * 0.5f);
    // The camera looks down its -z axis.
    const Vector3 ray = cameraTransform.applyToDirection(Vector3(u * spread, v * spread, -1.0f));
    const Vector3& eye = cameraTransform.t;
    if (ray.y == 0.0f) return kNoCell;
    const float along = (kTileTop - eye.y) / ray.y;
    if (!(along > 0.0f)) return kNoCell;
    const float hitX = eye.x + ray.x * along;
    const float hitZ = eye.z + ray.z * along;
    if (!(std::fabs(hitX) < kFarthestCell && std::fabs(hitZ) < kFarthestCell)) return kNoCell;
    return Position(static_cast<int32_t>(hitX), static_cast<int32_t>(hitZ));
}

void GameInput::take(const InputEvent* events, int count, float dt, const GameImpl& game) {
    if (pressTimer_ >= 0.0f) pressTimer_ += dt;
    leftPressed_ = false;
    for (int i = 0; i < count; ++i) {
        const InputEvent& event = events[i];
        if (event.type == InputEvent::MouseDown || event.type == InputEvent::MouseUp) handleButton(event);
        if (KeyboardFocus::isPress(event)) leftPressed_ = true;
        queue(commandFor(event, game.cameraTransform()), game.die().busy());
    }
}

void GameInput::handleButton(const InputEvent& event) {
    if (event.type == InputEvent::MouseUp) {
        pressTimer_ = -1.0f;
    } else if (event.button == kLeftButton) {
        pressTimer_ = 0.0f;
        leftPressed_ = true;
    }
}

void GameInput::carryOut(GameImpl& game) {
    if (queued_ == 0 || !game.execute(queue_[0])) return;
    for (int i = 1; i < queued_; ++i) queue_[i - 1] = queue_[i];
    --queued_;
}

void GameInput::queue(const GameCommand& command, bool dieBusy) {
    if (command.kind == kCommandNothing) return;
    if (dieBusy) queued_ = 0;
    if (queued_ == kQueueCapacity)
        queue_[kQueueCapacity - 1] = command;
    else
        queue_[queued_++] = command;
}

}  // namespace nimbus
