// The level map, read as a level is loaded, then played: every tile is looked at, and
// the die is rolled and twisted around the board while the clock runs.
#include <memory>

#include "FuzzTarget.h"
#include "core/MemoryInBuffer.h"
#include "game/rules/Board.h"
#include "game/rules/BoardFactory.h"
#include "game/rules/GameCommand.h"
#include "game/rules/GameImpl.h"
#include "game/rules/PlayerStats.h"
#include "game/rules/TileColor.h"
#include "sound/SoundInterface.h"

namespace nimbus {
namespace {

class SilentSound : public SoundInterface {
public:
    int play(const char*) override { return -1; }
    void stop(int) override {}
};

void walkTiles(const Board& board) {
    Position start;
    if (board.findStart(start)) fuzzCheck(board.contains(start), "the start lies off the board");
    for (int32_t y = 0; y < board.length(); ++y) {
        for (int32_t x = 0; x < board.width(); ++x) {
            const Position cell(x, y);
            const Tile& tile = board.tileAt(cell);
            fuzzCheck(tileColorName(tile.color) != nullptr, "a tile colour has no name");
            const Color shown = asColor(tile.color);
            fuzzCheck(shown.e[3] >= 0.0f && shown.e[3] <= 1.0f, "a tile colour shows outside 0 to 1");
            board.isFallen(cell, board.fallTime(cell));
        }
    }
}

// Rolls in every direction, twists both ways and lets the clock run past tiles falling,
// so a die can die, restart and pick things up.
void play(std::unique_ptr<Board> board) {
    static const GameCommandKind kCommands[] = {kCommandRollPlusX,  kCommandRollPlusY, kCommandTwist0,
                                                kCommandRollMinusX, kCommandRollPlusY, kCommandTwist1,
                                                kCommandRollMinusY, kCommandRollPlusX};
    PlayerStats stats;
    GameImpl game(std::make_unique<SilentSound>(), &stats, 0, std::move(board));
    for (int round = 0; round < 4 && !game.levelFailed(); ++round) {
        for (GameCommandKind kind : kCommands) {
            GameCommand command;
            command.kind = kind;
            for (int frame = 0; frame < 8 && !game.execute(command); ++frame) game.update(0.25f);
            if (game.update(1.5f)) return;
        }
    }
}

}  // namespace
}  // namespace nimbus

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace nimbus;
    quietLog();
    MemoryInBuffer in(data, data + size);
    std::unique_ptr<Board> board(BoardFactory().create(in));
    if (!board) return 0;
    fuzzCheck(board->width() > 0 && board->length() > 0, "an accepted board is empty");
    fuzzCheck(board->tiles().size() == static_cast<size_t>(board->width()) * board->length(),
              "an accepted board has the wrong tile count");
    walkTiles(*board);
    play(std::move(board));
    return 0;
}
