#include "game/solver/DieTurns.h"

#include <algorithm>

#include "game/rules/GameDice.h"

namespace nimbus {

namespace {

void turn(GameDice& die, int which) {
    if (which < 4) {
        die.roll(which);
    } else {
        die.twist(which - 4);
    }
}

int countBusy(int which, float frame) {
    GameDice die(Position(8, 8));
    turn(die, which);
    int frames = 0;
    while (die.busy() && frames < 1000) {
        die.update(frame);
        ++frames;
    }
    return frames;
}

}  // namespace

DieTurns::DieTurns(float frame) {
    std::vector<GameDice> dice{GameDice(Position(8, 8))};
    faces_.push_back(dice[0].state().faces);
    for (size_t i = 0; i < dice.size(); ++i) {
        std::array<int, kTurnCount> next{};
        for (int which = 0; which < kTurnCount; ++which) {
            GameDice turned = dice[i];
            turn(turned, which);
            turned.update(1.0f);
            auto known = std::find(faces_.begin(), faces_.end(), turned.state().faces);
            next[which] = static_cast<int>(known - faces_.begin());
            if (known == faces_.end()) {
                faces_.push_back(turned.state().faces);
                dice.push_back(turned);
            }
        }
        next_.push_back(next);
    }
    for (int which = 0; which < kTurnCount; ++which)
        busyFrames_ = std::max(busyFrames_, countBusy(which, frame));
}

int DieTurns::orientationOf(const std::array<int32_t, 6>& faces) const {
    const auto found = std::find(faces_.begin(), faces_.end(), faces);
    return found == faces_.end() ? -1 : static_cast<int>(found - faces_.begin());
}

}  // namespace nimbus
