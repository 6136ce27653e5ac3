#pragma once

#include <string>
#include <vector>

namespace nimbus {

// What an instrument of a score is made of; every field has a soft default, so a score
// names only what it changes. Times are in seconds, pitches in semitones.

enum class Wave { Sine, Triangle, Saw, Square, Noise, Pluck };

// One sound source of a note.
struct Layer {
    Wave wave = Wave::Sine;
    double level = 1.0;
    double ratio = 1.0;  // frequency multiple of the note
    double detuneCents = 0.0;
    double fmRatio = 0.0;      // sine only: a modulator at this multiple, when above 0
    double fmIndex = 0.0;      // modulation depth at the note's start
    double fmDecay = 0.0;      // seconds for the depth to fall to about a hundredth; 0 keeps it
    double pluckDecay = 1.0;   // pluck only: seconds to fade by 60 dB
    double pluckBright = 0.5;  // pluck only: 0 dark, 1 bright
};

// Amplitude over a note: a smooth rise, a fall to the sustain level while held, and a
// release to exact silence. A sustain of 0 makes a percussive note that dies in 2 decays.
struct Envelope {
    double attack = 0.005;
    double decay = 0.2;
    double sustain = 1.0;
    double release = 0.08;
};

enum class FilterMode { None, LowPass, HighPass, BandPass };

// A resonant filter whose cutoff may follow the note and swing by an envelope of its own.
struct FilterSettings {
    FilterMode mode = FilterMode::None;
    double cutoff = 8000.0;
    double q = 0.707;
    double track = 0.0;       // 1: the cutoff moves with the note's pitch
    double envOctaves = 0.0;  // how far the envelope lifts the cutoff
    double envAttack = 0.0;
    double envDecay = 0.0;
};

struct Instrument {
    std::string name;
    std::vector<Layer> layers;
    Envelope envelope;
    FilterSettings filter;
    double pitchStart = 0.0;  // starts this far off and settles on the note
    double pitchTime = 0.0;
    double bendEnd = 0.0;  // slides this far from the note after its start
    double bendTime = 0.0;
    double vibratoRate = 0.0;
    double vibratoCents = 0.0;
    double vibratoDelay = 0.0;
    double gain = 1.0;
    double pan = 0.0;          // -1 left to 1 right
    double spreadCents = 0.0;  // left side detuned down, right side up
    double reverb = 0.0;       // share sent to the room
    double gate = 1.0;         // share of the written length that is held
    int note = 69;             // the pitch of an "x" hit
};

}  // namespace nimbus
