#pragma once

#include <vector>

#include "game/rules/GameImpl.h"
#include "game/solver/LevelModel.h"
#include "game/solver/Solver.h"
#include "support/RecordingSound.h"

namespace nimbus {

// What a solution did when played through the game's own rules object.
struct ReplayResult {
    bool complete = false;
    int frames = 0;                  // updates until the level was complete
    int deaths = 0;                  // lives lost; an extra life does not make up for one
    std::vector<float> gameClocks;   // the game's level clock as each command was taken
    std::vector<float> modelClocks;  // the solver's clock at the same moments
};

// Plays a solution as the playing state does: 60 updates a second, commands when SolutionReplay says.
ReplayResult replay(GameImpl& game, const LevelModel& model, const std::vector<SolutionStep>& steps);

// Rolls the game refused (it plays "Failed" for each).
int refusedRolls(const SoundLog& sounds);

// A win when the solver said, no life lost, no command refused, the clocks equal at each command.
void expectCleanWin(const ReplayResult& played, const Solution& solution, const SoundLog& sounds);

}  // namespace nimbus
