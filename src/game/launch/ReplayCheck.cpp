#include "game/launch/ReplayCheck.h"

#include <cstdio>
#include <memory>
#include <ostream>

#include "core/Log.h"
#include "core/Path.h"
#include "core/posix/PosixInArchive.h"
#include "game/player/Replay.h"
#include "game/rules/Board.h"
#include "game/rules/BoardFactory.h"
#include "game/rules/GameImpl.h"
#include "game/rules/LevelMap.h"
#include "game/rules/PlayerStats.h"
#include "game/rules/RunPlayback.h"
#include "sound/GameSound.h"

namespace nimbus {

int checkReplay(const std::string& file, const std::string& dataDirectory, std::ostream& out) {
    Replay replay;
    if (!replay.load(file)) return 1;
    const ReplayHeader& claim = replay.header;
    PosixInArchive data{Path(dataDirectory.c_str())};
    std::unique_ptr<Board> board(BoardFactory().loadLevel(data, claim.levelName));
    if (!board) {
        LOG_ERROR("The replay " << file << " is of level " << claim.levelName << ", which " << dataDirectory
                                << " does not hold");
        return 1;
    }
    if (!replay.fitsLevel(levelHash(*board), file)) return 1;

    // A sound object that was never opened plays nothing.
    PlayerStats stats = replay.run.start;
    GameImpl game(std::make_unique<GameSound>(), &stats, 0, std::move(board));
    RunPlayback playback(replay.run, game);
    playback.playToEnd();
    const int32_t score = stats.score - replay.run.start.score;
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.3f", playback.seconds());
    out << file << ": score " << score << ", time " << seconds << " s\n";

    if (!game.levelComplete() || !playback.inStep()) {
        LOG_ERROR("The replay " << file << " does not complete level " << claim.levelName << " as recorded");
        return 1;
    }
    if (score != claim.score || playback.seconds() != claim.seconds) {
        std::snprintf(seconds, sizeof seconds, "%.3f", claim.seconds);
        LOG_ERROR("The replay " << file << " claims score " << claim.score << " in " << seconds
                                << " s, which its run does not reach");
        return 1;
    }
    return 0;
}

}  // namespace nimbus
