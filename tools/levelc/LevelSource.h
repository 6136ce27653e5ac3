#pragma once

#include <string>

#include "game/rules/Board.h"

namespace nimbus {

// A level as its designer wrote it: the board it compiles to, and the two lines of
// prose that say what it is for.
struct LevelSource {
    std::string title;
    std::string teaches;
    Board board;
};

// Reads the text form of a level. Statements, one a line; '#' starts a comment:
//
//   title TEXT          the level's name, for reports and the player
//   teaches TEXT        what the level is there to teach, for the player too
//   tiles               a grid of colours follows, one token per cell, rows from y = 0:
//                       r g b y c m  the six die colours    w  White (takes every face)
//                       k  Black     .  Undefined (a hole)  S  Start   G  Goal
//   falls               optional grid of fall steps (2 s each) in the same shape:
//                       -  never    a number N  falls once the clock passes N steps
//                       a letter    the step its wave gives the cell
//   wave L from X Y at N [every E]        wave L: a cell at Manhattan distance D from
//                                         (X, Y) falls at step N + D / E (rounded down)
//   wave L along x|-x|y|-y at N [every E] the same, with D counted from the side the
//                                         wave starts at (x: from column 0, -x: from
//                                         the last column, likewise for rows)
//   pickups             optional grid of pick-ups: .  none  +  extra life
//                       s  stop time   r  reverse time
//
// A grid is the lines after its keyword up to a blank line or the next statement. The board is kept
// whole: the outer ring holds only tiles no face can enter (k, ., or a goal), there is
// exactly one start and at least one goal, border cells never fall, and pick-ups lie
// only where the die can arrive, at most 64 of them stopping or reversing time.
// Anything else is reported as "FILE:LINE: reason" and the level is refused.
class LevelSourceParser {
public:
    // Parses `text`; `fileName` names it in messages.
    static bool parse(const std::string& text, const std::string& fileName, LevelSource& level);
    // Reads and parses a file.
    static bool read(const std::string& path, LevelSource& level);
};

}  // namespace nimbus
