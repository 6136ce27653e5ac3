#pragma once

#include "Instrument.h"

namespace nimbus {

// A phase-accumulating oscillator. Saw and square are band-limited (polyBLEP) so that
// high notes do not alias at the low output rate.
class Oscillator {
public:
    explicit Oscillator(double startPhase = 0.0) : phase_(startPhase) {}
    // The next sample of the wave at `frequency` Hz, with the phase offset `modulation`
    // (in cycles) for frequency modulation.
    double next(Wave wave, double frequency, double rate, double modulation = 0.0);

private:
    double phase_;
};

}  // namespace nimbus
