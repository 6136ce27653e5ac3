#include "game/rules/GameDice.h"

#include <algorithm>

#include "core/ResourceManager.h"

namespace nimbus {

namespace {

constexpr float kPi = 3.1415927f;

Vector3 restingCentre(const Position& p) { return {p.x + 0.5f, 0.5f, p.y + 0.5f}; }

// Per roll direction: the slots that turn, the rotation axis and the edge it tips over
// (a point on it, relative to the cell's corner at (x, 0, y)).
struct RollEntry {
    int cycle[4];
    Vector3 axis;
    Vector3 pivot;
};

const RollEntry kRolls[4] = {
    {{kSlotMinusX, kSlotTop, kSlotPlusX, kSlotBottom}, {0, 0, 1}, {0, 0, 0}},
    {{kSlotPlusX, kSlotTop, kSlotMinusX, kSlotBottom}, {0, 0, -1}, {1, 0, 0}},
    {{kSlotMinusY, kSlotTop, kSlotPlusY, kSlotBottom}, {-1, 0, 0}, {0, 0, 0}},
    {{kSlotPlusY, kSlotTop, kSlotMinusY, kSlotBottom}, {1, 0, 0}, {0, 0, 1}},
};

struct TwistEntry {
    int cycle[4];
    Vector3 axis;
};

const TwistEntry kTwists[2] = {
    {{kSlotMinusX, kSlotPlusY, kSlotPlusX, kSlotMinusY}, {0, -1, 0}},
    {{kSlotPlusX, kSlotPlusY, kSlotMinusX, kSlotMinusY}, {0, 1, 0}},
};

}  // namespace

GameDice::GameDice(const Position& start) {
    state_.position = start;
    base_ = Matrix44::translation(restingCentre(start));
}

void GameDice::fetchResources() {
    resources_.effect = getResource<Shader>("Shaders/Dice", "Shader");
    resources_.mesh = getResource<Mesh>("Meshes/Dice", "Mesh");
    resources_.envmap = getResource<Texture>("Textures/Envmap", "Texture");
    resources_.symbols = getResource<Texture>("Textures/Symbols", "Texture");
}

void GameDice::cycle(int c0, int c1, int c2, int c3) {
    const auto old = state_.faces;
    state_.faces[c0] = old[c1];
    state_.faces[c1] = old[c2];
    state_.faces[c2] = old[c3];
    state_.faces[c3] = old[c0];
}

void GameDice::startTurn(const Vector3& axis, const Vector3& pivot) {
    axis_ = axis;
    pivot_ = pivot;
    angle_ = 0.0f;
    target_ = 90.0f;
}

bool GameDice::roll(Direction direction) {
    if (busy()) return false;
    if (direction >= 0 && direction < 4) {
        const RollEntry& r = kRolls[direction];
        const Position& p = state_.position;
        startTurn(r.axis, Vector3(static_cast<float>(p.x), 0.0f, static_cast<float>(p.y)) + r.pivot);
        cycle(r.cycle[0], r.cycle[1], r.cycle[2], r.cycle[3]);
        state_.position = p.stepped(direction);
    }
    update(0.0f);
    return true;
}

bool GameDice::twist(int kind) {
    if (busy()) return false;
    if (kind == 0 || kind == 1) {
        const TwistEntry& t = kTwists[kind];
        startTurn(t.axis, {state_.position.x + 0.5f, 0.0f, state_.position.y + 0.5f});
        cycle(t.cycle[0], t.cycle[1], t.cycle[2], t.cycle[3]);
    }
    update(0.0f);
    return true;
}

void GameDice::update(float dt) {
    if (angle_ < target_) angle_ = std::min(angle_ + dt * kDegreesPerSecond, target_);
    if (angle_ >= target_) {
        base_ = transform();
        const Vector3 centre = restingCentre(state_.position);
        base_.m[3][0] = centre.x;
        base_.m[3][1] = centre.y;
        base_.m[3][2] = centre.z;
        angle_ = 0.0f;
        target_ = 0.0f;
    }
}

Matrix44 GameDice::transform() const {
    if (angle_ == 0.0f) return base_;
    const Matrix44 turn = Matrix44::rotation(axis_, angle_ * kPi / 180.0f);
    return base_ * Matrix44::translation(-pivot_) * turn * Matrix44::translation(pivot_);
}

}  // namespace nimbus
