#pragma once

#include "Instrument.h"

namespace nimbus {

// A resonant two-pole filter (trapezoidal state-variable form): stable while its cutoff
// moves every sample, which the filter envelopes need.
class StateVariableFilter {
public:
    // Sets the cutoff (clamped below the Nyquist frequency) and the resonance.
    void tune(double cutoff, double q, double rate);
    double process(FilterMode mode, double input);

private:
    double a1_ = 1.0, a2_ = 0.0, a3_ = 0.0, k_ = 1.414;
    double state1_ = 0.0, state2_ = 0.0;
};

}  // namespace nimbus
