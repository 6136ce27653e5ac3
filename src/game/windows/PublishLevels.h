#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace nimbus {

class Gui;
class Progress;

// The pages the levels fill on the Levels screen; at least one.
int32_t levelPages(size_t levelCount);

// Copies page `page` (from 0) of `levels` into the properties the level plans read: for
// each slot the level's name, its title (from `titles`, in the same order; missing ones
// empty), its best as a text ("Best 1250 in 12.35 s", "Not won yet" or "Locked") and
// whether it is open and whether it has a run to watch (`watchable`, by level; missing
// ones none), an empty name for a slot past the last level; the page as "Page 2
// of 4"; the slot to light, or nothing for a `lit` of -1; and last a new
// "levels_shown", by which the plans see that there is something new.
void publishLevels(Gui& gui, int32_t page, int32_t lit, const std::vector<std::string>& levels,
                   const std::vector<std::string>& titles, const Progress& progress,
                   const std::vector<bool>& watchable);

}  // namespace nimbus
