#include "game/rules/GhostRun.h"

#include "game/rules/Board.h"
#include "game/rules/GameImpl.h"
#include "game/rules/RunPlayback.h"
#include "sound/GameSound.h"

namespace nimbus {

GhostRun::GhostRun(RunRecording run, const Board& level)
    : run_(std::move(run)), level_(std::make_unique<Board>(level)) {
    restart();
}

GhostRun::~GhostRun() = default;

void GhostRun::restart() {
    playback_.reset();
    stats_ = run_.start;
    // A sound that was never opened stays silent.
    game_ = std::make_unique<GameImpl>(std::make_unique<GameSound>(), &stats_, 0,
                                       std::make_unique<Board>(*level_));
    playback_ = std::make_unique<RunPlayback>(run_, *game_);
}

void GhostRun::advance(float seconds) { playback_->advance(seconds); }

const GameDice& GhostRun::die() const { return game_->die(); }

}  // namespace nimbus
