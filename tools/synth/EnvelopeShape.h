#pragma once

#include "Instrument.h"

namespace nimbus {

// The level of an envelope `time` seconds into a note that is held for `held` seconds.
// Starts at 0, never exceeds 1, and is exactly 0 from `length(held)` on.
double envelopeLevel(const Envelope& envelope, double time, double held);
// When a note held that long has died away completely.
double envelopeLength(const Envelope& envelope, double held);

}  // namespace nimbus
