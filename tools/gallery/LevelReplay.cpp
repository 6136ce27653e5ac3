#include "LevelReplay.h"

#include "LevelCompiler.h"
#include "LevelSource.h"
#include "core/Log.h"
#include "sound/GameSound.h"

namespace nimbus {

namespace {

// The solver's turn numbers: rolls towards x - 1, x + 1, y - 1, y + 1, then the twists.
const GameCommandKind kTurnCommands[6] = {kCommandRollMinusX, kCommandRollPlusX, kCommandRollMinusY,
                                          kCommandRollPlusY,  kCommandTwist0,    kCommandTwist1};

}  // namespace

bool LevelReplay::start(const std::string& levelSource) {
    LevelSource level;
    if (!LevelSourceParser::read(levelSource, level)) return false;
    const Solution solution = solveLevel(level);
    if (!solution.winnable) {
        LOG_ERROR(levelSource << ": no solution to replay");
        return false;
    }
    steps_ = solution.steps;
    auto board = std::make_unique<Board>(level.board);
    board->fetchResources();
    // A sound that was never opened stays silent.
    game_ = std::make_unique<GameImpl>(std::make_unique<GameSound>(), &stats_, 0, std::move(board));
    return true;
}

void LevelReplay::play(float seconds) {
    for (int frame = 0; frame < static_cast<int>(seconds / kFrameSeconds + 0.5f); ++frame) {
        if (next_ < steps_.size()) {
            const SolutionStep& step = steps_[next_];
            if (waited_ < step.waitFrames) {
                ++waited_;
            } else if (game_->execute(GameCommand(kTurnCommands[step.turn]))) {
                ++next_;
                waited_ = 0;
            }
        }
        if (game_->update(kFrameSeconds)) return;
    }
}

}  // namespace nimbus
