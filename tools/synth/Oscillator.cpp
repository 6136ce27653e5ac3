#include "Oscillator.h"

#include <cmath>

namespace nimbus {

namespace {

constexpr double kTwoPi = 6.283185307179586;

// The correction that rounds off a step at phase 0 over one sample.
double polyBlep(double phase, double step) {
    if (phase < step) {
        const double x = phase / step;
        return x + x - x * x - 1.0;
    }
    if (phase > 1.0 - step) {
        const double x = (phase - 1.0) / step;
        return x * x + x + x + 1.0;
    }
    return 0.0;
}

double wrap(double phase) { return phase - std::floor(phase); }

}  // namespace

double Oscillator::next(Wave wave, double frequency, double rate, double modulation) {
    const double step = frequency / rate;
    const double phase = wrap(phase_ + modulation);
    phase_ = wrap(phase_ + step);
    switch (wave) {
        case Wave::Sine:
            return std::sin(kTwoPi * phase);
        case Wave::Triangle:
            return phase < 0.5 ? 4.0 * phase - 1.0 : 3.0 - 4.0 * phase;
        case Wave::Saw:
            return 2.0 * phase - 1.0 - polyBlep(phase, step);
        case Wave::Square:
            return (phase < 0.5 ? 1.0 : -1.0) + polyBlep(phase, step) - polyBlep(wrap(phase + 0.5), step);
        case Wave::Noise:
        case Wave::Pluck:
            break;
    }
    return 0.0;
}

}  // namespace nimbus
