#pragma once

#include <array>

#include "core/ResourceHandle.h"
#include "core/math/Matrix44.h"
#include "core/math/Vector3.h"
#include "game/rules/DiceState.h"
#include "render/Mesh.h"
#include "render/Shader.h"
#include "render/Texture.h"

namespace nimbus {

// The player's die: its logical state, which changes the moment a roll or twist
// starts, and the quarter-turn animation that the drawing follows. A turn runs at 200
// degrees a second (0.45 s); while it runs the die is busy and refuses the next one.
// The die has edge 1 and stands on cell (x, y) with its centre at (x + 0.5, 0.5, y + 0.5).
class GameDice {
public:
    struct Resources {
        ResourceHandle<Shader> effect;    // "Shaders/Dice"
        ResourceHandle<Mesh> mesh;        // "Meshes/Dice"
        ResourceHandle<Texture> envmap;   // "Textures/Envmap"
        ResourceHandle<Texture> symbols;  // "Textures/Symbols"
    };

    static constexpr float kDegreesPerSecond = 200.0f;

    // A die at rest on the start, holding nothing to draw it with: the solver's dice only
    // work out turns, on threads that must not touch the resource manager.
    explicit GameDice(const Position& start);
    // Fetches its drawing resources from the process-wide resource manager, on the game's
    // thread.
    void fetchResources();

    Position position() const { return state_.position; }
    int32_t face(int slot) const { return state_.faces[slot]; }
    const DiceState& state() const { return state_; }
    bool busy() const { return target_ > angle_; }

    // Tips the die over a bottom edge towards the direction; false while busy. A value
    // outside 0 to 3 is accepted and changes nothing.
    bool roll(Direction direction);
    // A quarter turn about the vertical axis, kind 0 or 1; false while busy. Top and
    // bottom keep their colours.
    bool twist(int kind);
    // Advances the running turn; the turn ends (and is folded into the resting
    // transform) in the update that reaches 90 degrees.
    void update(float dt);
    // The world transform to draw the die with, mid-turn included.
    Matrix44 transform() const;
    float angle() const { return angle_; }
    const Resources& resources() const { return resources_; }

private:
    void cycle(int c0, int c1, int c2, int c3);
    void startTurn(const Vector3& axis, const Vector3& pivot);

    DiceState state_;
    Vector3 axis_{0, 1, 0};
    Vector3 pivot_{0, 0, 0};
    float angle_ = 0.0f;
    float target_ = 0.0f;
    Matrix44 base_;
    Resources resources_;
};

}  // namespace nimbus
