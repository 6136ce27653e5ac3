#include "StateVariableFilter.h"

#include <algorithm>
#include <cmath>

namespace nimbus {

void StateVariableFilter::tune(double cutoff, double q, double rate) {
    const double clamped = std::clamp(cutoff, 10.0, 0.45 * rate);
    const double g = std::tan(3.141592653589793 * clamped / rate);
    k_ = 1.0 / std::max(q, 0.1);
    a1_ = 1.0 / (1.0 + g * (g + k_));
    a2_ = g * a1_;
    a3_ = g * a2_;
}

double StateVariableFilter::process(FilterMode mode, double input) {
    const double v3 = input - state2_;
    const double band = a1_ * state1_ + a2_ * v3;
    const double low = state2_ + a2_ * state1_ + a3_ * v3;
    state1_ = 2.0 * band - state1_;
    state2_ = 2.0 * low - state2_;
    switch (mode) {
        case FilterMode::LowPass:
            return low;
        case FilterMode::HighPass:
            return input - k_ * band - low;
        case FilterMode::BandPass:
            return band;
        case FilterMode::None:
            break;
    }
    return input;
}

}  // namespace nimbus
