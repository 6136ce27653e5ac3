#pragma once

#include <cstdint>

#include "core/MessageCatalogue.h"

namespace nimbus {

class Game;
class SoundInterface;

// A running pick-up effect. The game begins it when collected, keeps it in a queue
// unless it is over at once, updates only the front one, and deletes it when its
// progress reaches 1. The front effect bends the level clock through what `update`
// returns. Effects play through the collecting game's sound, which outlives them.
class GameAction {
public:
    virtual ~GameAction() = default;
    // The pick-up kind it came from.
    virtual int32_t kind() const = 0;
    // 0 when fresh; over at 1 or more.
    virtual float progress() const = 0;
    // On collection, and again when it reaches the front of the queue.
    virtual void begin(Game& game) = 0;
    // Once per frame while at the front; returns the step for the level clock.
    virtual float update(Game& game, float dt) = 0;
    // Shown over the die when collected, translated.
    virtual const char* text() const = 0;
    virtual const char* name() const = 0;
};

}  // namespace nimbus
