#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace nimbus {

class Gui;
class PlayerLevels;
class Progress;

// What a level's plan shows: the level's name (a folder of the game's, or the file of one
// of the player's own), title, best as a text ("Best 1250 in 12.35 s", "Not won yet",
// "Locked", or why the player's level cannot be played), and whether it is open, has a
// run to watch and can be edited.
struct LevelPlanText {
    std::string name;
    std::string title;
    std::string best;
    bool open = false;
    bool watchable = false;
    bool editable = false;
};

// The pages the levels fill on the Levels screen; at least one.
int32_t levelPages(size_t levelCount);

// The game's levels as plans: titles from `titles`, in the same order (missing ones
// empty), open as far as the progress has reached, watchable by `watchable` (missing ones
// not).
std::vector<LevelPlanText> shippedPlans(const std::vector<std::string>& levels,
                                        const std::vector<std::string>& titles, const Progress& progress,
                                        const std::vector<bool>& watchable);
// The player's own levels as plans, each editable: a proven one open with its best, a
// refused one closed with its first reason, one still being proven closed as such.
std::vector<LevelPlanText> ownPlans(const PlayerLevels& levels, const Progress& progress);

// Copies page `page` (from 0) of `plans` into the properties the level plans read, an
// empty name for a slot past the last level; the page as "Page 2 of 4"; the slot to
// light, or nothing for a `lit` of -1; and last a new "levels_shown", by which the plans
// see that there is something new.
void publishLevels(Gui& gui, int32_t page, int32_t lit, const std::vector<LevelPlanText>& plans);

}  // namespace nimbus
