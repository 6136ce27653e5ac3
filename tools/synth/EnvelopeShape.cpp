#include "EnvelopeShape.h"

#include <algorithm>
#include <cmath>

namespace nimbus {

namespace {

constexpr double kPi = 3.141592653589793;
// An exponential fall that reaches exactly zero at x = 1 instead of creeping towards it.
double fallToZero(double x, double steepness) {
    if (x >= 1.0) return 0.0;
    const double floor = std::exp(-steepness);
    return (std::exp(-steepness * x) - floor) / (1.0 - floor);
}

double heldLevel(const Envelope& e, double time) {
    if (time < e.attack) return 0.5 - 0.5 * std::cos(kPi * time / e.attack);
    const double x = e.decay > 0.0 ? (time - e.attack) / e.decay : 1.0;
    if (e.sustain <= 0.0) return fallToZero(x / 2.0, 9.2);
    return e.sustain + (1.0 - e.sustain) * std::exp(-4.6 * x);
}

}  // namespace

double envelopeLevel(const Envelope& e, double time, double held) {
    if (time <= 0.0) return 0.0;
    if (time < held) return heldLevel(e, time);
    const double release = std::max(e.release, 0.005);
    return heldLevel(e, held) * fallToZero((time - held) / release, 4.6);
}

double envelopeLength(const Envelope& e, double held) {
    const double released = held + std::max(e.release, 0.005);
    if (e.sustain > 0.0) return released;
    return std::min(released, e.attack + 2.0 * e.decay);
}

}  // namespace nimbus
