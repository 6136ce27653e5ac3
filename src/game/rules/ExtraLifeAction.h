#pragma once

#include "game/rules/GameAction.h"

namespace nimbus {

// One more life and a jingle, the moment it is collected; never queued.
class ExtraLifeAction : public GameAction {
public:
    explicit ExtraLifeAction(SoundInterface& sound) : sound_(sound) {}
    int32_t kind() const override;
    float progress() const override { return done_ ? 2.0f : 0.0f; }
    void begin(Game& game) override;
    float update(Game& game, float dt) override;
    const char* text() const override { return translatable("Extra Life!"); }
    const char* name() const override { return "ExtraLifeAction"; }

private:
    SoundInterface& sound_;
    bool done_ = false;
};

}  // namespace nimbus
