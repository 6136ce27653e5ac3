#pragma once

#include <string>

#include "Song.h"

namespace nimbus {

// Reads a score: one statement a line; a word starting with "#" begins a comment (a "#"
// inside a word is a sharp). Settings (tempo, meter, seed, rate, channels, room, peak,
// tail, quality, humanize) stand alone; blocks run
// from their first line to "end":
//
//   instrument NAME     sound sources ("osc WAVE [level L] [ratio R] [detune C]
//                       [fm RATIO INDEX DECAY] [decay T] [bright B]"), "envelope A D S R",
//                       "filter MODE CUTOFF [q Q] [track T] [env OCTAVES ATTACK DECAY]",
//                       "pitch START TIME", "bend END TIME", "vibrato RATE CENTS [DELAY]",
//                       gain, pan, spread, reverb, gate, "note PITCH"
//   pattern NAME INSTRUMENT
//                       notes in order: "c4", "f#3:1/2", "c4+e4+g4:4@0.6", rests "r:2",
//                       hits "x" at the instrument's note; a length (beats) stays until
//                       changed, a loudness "@V" is for its note alone;
//                       "scatter COUNT BEATS LOW HIGH LOUDNESS GRAIN" strews fading
//                       hits at seeded random moments
//   section NAME BARS   lines "PATTERN [on INSTRUMENT] [transpose N] [gain G]"; each
//                       pattern repeats to fill the section
//
// and "song SECTION..." lists the sections in playing order. The first mistake stops
// the reading with one error line "file:line: what is wrong" and a false result.
bool parseScore(const std::string& text, const std::string& fileName, Song& song);

// The same for a file; false with an error line when it cannot be read.
bool readScore(const std::string& path, Song& song);

}  // namespace nimbus
