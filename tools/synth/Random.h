#pragma once

#include <cstdint>

namespace nimbus {

// A small seeded generator (xorshift32): the same seed gives the same sounds on every
// machine, which keeps the generated files byte for byte reproducible.
class Random {
public:
    explicit Random(uint32_t seed) : state_(seed ? seed : 0x9e3779b9u) {}

    uint32_t next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    // Uniform in [0, 1).
    double unit() { return (next() >> 8) * (1.0 / 16777216.0); }
    // Uniform in [low, high).
    double between(double low, double high) { return low + (high - low) * unit(); }

private:
    uint32_t state_;
};

}  // namespace nimbus
