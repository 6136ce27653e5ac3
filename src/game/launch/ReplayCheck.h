#pragma once

#include <iosfwd>
#include <string>

namespace nimbus {

// Plays the replay file `file` through the rules of its level in `dataDirectory`, with
// no window and no sound, and prints the score and time it reaches on `out`. Returns 0
// when they are the ones its header claims and the level is completed as recorded;
// otherwise 1, with one error line saying why (the file refused, its level missing or
// changed, or the run reaching something else).
int checkReplay(const std::string& file, const std::string& dataDirectory, std::ostream& out);

}  // namespace nimbus
