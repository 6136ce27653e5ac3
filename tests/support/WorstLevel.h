#pragma once

#include <string>

#include "game/level/LevelSource.h"
#include "game/solver/LevelModel.h"

namespace nimbus {

// 64 x 64 white in a black ring, start and goal in opposite corners, the goal's two ways in
// crumbling at once, the rest late but not never (which would strand); 64 stop-times.
inline std::string worstOpenLevel() {
    const int side = LevelSourceParser::kMaxSide;
    std::string tiles = "tiles\n", falls = "\nfalls\n", pickups = "\npickups\n";
    int clocks = LevelModel::kMaxClockPickups;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const bool inner = x > 0 && y > 0 && x < side - 1 && y < side - 1;
            const bool start = x == 1 && y == 1, goal = x == side - 2 && y == side - 2;
            const bool gate = (x == side - 3 && y == side - 2) || (x == side - 2 && y == side - 3);
            const bool carries =
                inner && !start && !goal && !gate && x % 7 == 3 && y % 7 == 3 && clocks-- > 0;
            const char* gap = x + 1 < side ? " " : "\n";
            tiles += std::string(!inner ? "k" : start ? "S" : goal ? "G" : "w") + gap;
            falls += std::string(gate ? "0" : inner ? "5000" : "-") + gap;
            pickups += std::string(carries ? "s" : ".") + gap;
        }
    }
    return tiles + falls + pickups;
}

}  // namespace nimbus
