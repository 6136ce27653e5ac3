#pragma once

#include <cstdint>
#include <vector>

#include "Instrument.h"

namespace nimbus {

// One note to render: which instrument, when (seconds), how long it is held, its pitch
// (MIDI semitones, 69 = A 440 Hz) and its loudness (0..1 and a little above).
struct NoteEvent {
    int instrument = 0;
    double start = 0.0;
    double held = 0.0;
    double pitch = 69.0;
    double velocity = 1.0;
};

// How the whole piece is rendered and stored.
struct SongSettings {
    int rate = 22050;
    int channels = 2;
    uint32_t seed = 1;
    double roomSize = 0.5;
    double roomDamping = 0.5;
    double roomLevel = 1.0;
    double peak = 0.7;     // the loudest sample after normalising, of full scale
    double tail = 0.5;     // seconds kept after the last note has died, for the room
    double quality = 0.5;  // Ogg Vorbis quality, -0.1 .. 1
};

// A score after arranging: every note spelled out in time.
struct Song {
    SongSettings settings;
    std::vector<Instrument> instruments;
    std::vector<NoteEvent> notes;
};

}  // namespace nimbus
