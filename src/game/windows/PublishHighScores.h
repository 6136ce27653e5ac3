#pragma once

namespace nimbus {

class Gui;
class HighScoreList;

// Copies the best ten entries into the properties the high-score window reads:
// "highscore_name_N" and "highscore_score_N" for rank N from 0, and "newest_entry" (the
// list's newest index, -1 when nothing was added since loading). Ranks past the list keep
// whatever they held.
void publishHighScores(Gui& gui, const HighScoreList& list);

}  // namespace nimbus
