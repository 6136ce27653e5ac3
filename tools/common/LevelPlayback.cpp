#include "LevelPlayback.h"

#include "core/Log.h"
#include "game/level/LevelCompiler.h"
#include "game/level/LevelSource.h"
#include "game/solver/SolverTurns.h"
#include "sound/GameSound.h"

namespace nimbus {

bool LevelPlayback::start(const std::string& levelSource, int lateFrames) {
    LevelSource level;
    if (!LevelSourceParser::read(levelSource, level)) return false;
    const Solution solution = solveLevel(level);
    if (!solution.winnable) {
        LOG_ERROR(levelSource << ": no solution to replay");
        return false;
    }
    replay_ = std::make_unique<SolutionReplay>(solution.steps, lateFrames);
    auto board = std::make_unique<Board>(level.board);
    board->fetchResources();
    // A sound that was never opened stays silent.
    game_ = std::make_unique<GameImpl>(std::make_unique<GameSound>(), &stats_, 0, std::move(board));
    return true;
}

void LevelPlayback::play(float seconds) {
    replay_->play(*this, static_cast<int>(seconds / kFrameSeconds + 0.5f));
}

bool LevelPlayback::handIn(const SolutionStep& step) {
    return game_->execute(GameCommand(kSolverTurns[step.turn].command));
}

bool LevelPlayback::passFrame() { return game_->update(kFrameSeconds); }

}  // namespace nimbus
