// The replay file, read as the game reads a level's best run, then written and read
// again, which must give the same run, and played through the rules of a small level.
// The input's last eight bytes are made its check first, so that the fuzzer reaches the
// run itself rather than stopping at the check.
#include <cstring>
#include <memory>
#include <vector>

#include "FuzzTarget.h"
#include "core/ByteHash.h"
#include "core/MemoryInBuffer.h"
#include "core/VectorOutBuffer.h"
#include "game/player/Replay.h"
#include "game/rules/Board.h"
#include "game/rules/GameImpl.h"
#include "game/rules/RunPlayback.h"
#include "game/rules/TileColor.h"
#include "sound/GameSound.h"

namespace nimbus {
namespace {

// A White corridor from a Start to a Goal with crumbling tiles and every pick-up.
std::unique_ptr<Board> corridor() {
    auto board = std::make_unique<Board>(8, 3);
    for (int32_t x = 1; x < 7; ++x) {
        Tile& tile = board->tileAt({x, 1});
        tile.color = x == 1 ? kStart : x == 6 ? kGoal : kWhite;
        tile.fallStep = x;
        tile.pickup = x % 4;
    }
    return board;
}

void play(const RunRecording& run) {
    PlayerStats stats = run.start;
    GameImpl game(std::make_unique<GameSound>(), &stats, 0, corridor());
    RunPlayback playback(run, game);
    playback.playToEnd();
    fuzzCheck(playback.seconds() == run.seconds(), "the playback's time is not the run's");
}

}  // namespace
}  // namespace nimbus

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace nimbus;
    quietLog();
    std::vector<uint8_t> bytes(data, data + size);
    if (size >= 8) {
        const uint64_t check = hashBytes(bytes.data(), size - 8);
        std::memcpy(bytes.data() + size - 8, &check, sizeof check);
    }
    MemoryInBuffer in(bytes.data(), bytes.data() + bytes.size());
    Replay replay;
    if (!replay.read(in)) return 0;

    VectorOutBuffer out;
    fuzzCheck(replay.write(out), "an accepted replay cannot be written");
    fuzzCheck(out.bytes() == bytes, "an accepted replay is written differently");
    MemoryInBuffer again(out.bytes().data(), out.bytes().data() + out.bytes().size());
    Replay reread;
    fuzzCheck(reread.read(again) && reread.run.steps.size() == replay.run.steps.size() &&
                  reread.run.events == replay.run.events,
              "a replay does not read back as written");
    play(replay.run);
    return 0;
}
