#pragma once

#include "game/rules/GameAction.h"

namespace nimbus {

// An effect that bends the level clock for five seconds of its time at the front of the
// queue: the clock advances by its kind's clock rate × dt meanwhile. Each begin starts
// the ticking sound (it plays once); deleting the effect stops the last one started.
class TimedClockAction : public GameAction {
public:
    static constexpr float kDuration = 5.0f;

    ~TimedClockAction() override;
    int32_t kind() const override { return kind_; }
    float progress() const override { return elapsed_ / kDuration; }
    void begin(Game& game) override;
    float update(Game& game, float dt) override;

protected:
    TimedClockAction(SoundInterface& sound, int32_t kind);

private:
    SoundInterface& sound_;
    int32_t kind_;
    float clockRate_;
    float elapsed_ = 0.0f;
    int channel_ = -1;
};

}  // namespace nimbus
