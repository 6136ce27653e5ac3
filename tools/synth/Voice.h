#pragma once

#include <vector>

#include "Instrument.h"
#include "Song.h"

namespace nimbus {

// Where notes are mixed: the dry left and right signal and the mono send to the room.
struct MixBus {
    std::vector<double> left;
    std::vector<double> right;
    std::vector<double> send;
};

// Adds one note of the instrument into the bus, from silence back to silence. `seed`
// fixes its noise and starting phases.
void renderNote(const Instrument& instrument, const NoteEvent& note, int rate, uint32_t seed, MixBus& bus);

}  // namespace nimbus
