#include "game/states/GameInput.h"

#include <cmath>

#include "game/rules/GameImpl.h"
#include "gui/InputEvent.h"
#include "gui/KeyBindings.h"
#include "gui/KeyboardFocus.h"
#include "render/Camera.h"
#include "render/ViewSize.h"

namespace nimbus {

namespace {

struct ActionCommand {
    int32_t action;
    GameCommandKind command;
};

// Seen from behind the board, the right arrow's roll goes towards smaller x.
constexpr ActionCommand kActionCommands[] = {
    {kInputRollUp, kCommandRollPlusY},      {kInputRollDown, kCommandRollMinusY},
    {kInputRollLeft, kCommandRollPlusX},    {kInputRollRight, kCommandRollMinusX},
    {kInputTwistClockwise, kCommandTwist0}, {kInputTwistAnticlockwise, kCommandTwist1},
    {kInputPause, kCommandTogglePause},     {kInputRestart, kCommandRestart},
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

GameCommand GameInput::commandFor(const InputEvent& event, const Transform& cameraTransform,
                                  const KeyBindings& keys) {
    for (const ActionCommand& entry : kActionCommands) {
        if (keys.pressed(event, entry.action)) return GameCommand(entry.command);
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

int32_t GameInput::actionFor(int32_t command) {
    for (const ActionCommand& entry : kActionCommands) {
        if (entry.command == command) return entry.action;
    }
    return kNoInputAction;
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

void GameInput::take(const InputEvent* events, int count, float dt, const GameImpl& game,
                     const KeyBindings& keys) {
    if (pressTimer_ >= 0.0f) pressTimer_ += dt;
    leftPressed_ = false;
    for (int i = 0; i < count; ++i) {
        const InputEvent& event = events[i];
        if (event.type == InputEvent::MouseDown || event.type == InputEvent::MouseUp) handleButton(event);
        if (KeyboardFocus::isPress(event)) leftPressed_ = true;
        queue(commandFor(event, game.cameraTransform(), keys), game.die().busy());
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
