#pragma once

#include <string>

#include "Renderer.h"

namespace nimbus {

// How loud a sound is to the ear (EBU R128): its integrated loudness in LUFS (minus
// infinity when it is shorter than one 0.4 s measuring block) and its true peak, between
// the samples included, in dB of full scale.
struct Loudness {
    double integrated = 0.0;
    double truePeak = 0.0;
};

// Every music plays at this loudness, so the level does not drop when a level starts, and
// no true peak of a music or an effect rises over the ceiling.
constexpr double kMusicLoudness = -18.0;  // LUFS
constexpr double kPeakCeiling = -1.0;     // dBTP

// False (with an error line) when the sound cannot be measured.
bool measureLoudness(const RenderedSound& sound, Loudness& loudness);

// Turns the sound up or down by `gain` dB, softening the peaks that would then rise over
// the ceiling; `after` is what it measures then.
bool amplify(RenderedSound& sound, double gain, Loudness& after);

// Brings the sound to the music loudness; `before` and `after` are what it measured.
// False (with an error line) when the sound has no loudness to bring there.
bool levelLoudness(RenderedSound& sound, Loudness& before, Loudness& after);

// "-21.3 LUFS, true peak -2.0 dBTP"
std::string describeLoudness(const Loudness& loudness);

}  // namespace nimbus
