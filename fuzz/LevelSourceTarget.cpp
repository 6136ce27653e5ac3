// The level source, read as the editor and the player levels read it: as a whole level
// and as a draft. What is taken must keep the reader's promises, write back to text that
// reads as the same level, and be looked at by the check for stranding dice.
#include <string>

#include "FuzzTarget.h"
#include "game/level/LevelSourceWriter.h"
#include "game/solver/DieTurns.h"
#include "game/solver/LevelModel.h"
#include "game/solver/StrandCheck.h"

namespace nimbus {
namespace {

void checkTaken(const LevelSource& level, LevelSourceParser::Rules rules) {
    const Board& board = level.board;
    fuzzCheck(board.width() >= LevelSourceParser::kMinSide && board.width() <= LevelSourceParser::kMaxSide &&
                  board.length() >= LevelSourceParser::kMinSide &&
                  board.length() <= LevelSourceParser::kMaxSide,
              "a board beyond the reader's sides was taken");
    fuzzCheck(level.title.size() <= LevelSourceParser::kMaxTitleBytes, "a title too long was taken");
    int pickups = 0;
    for (const Tile& tile : board.tiles()) {
        fuzzCheck(tile.color >= 0 && tile.color < kTileColorCount, "a tile has no colour");
        fuzzCheck(tile.fallStep >= -1 && tile.fallStep <= 2 * LevelSourceParser::kMaxFallStep,
                  "a fall step beyond its limits was taken");
        pickups += tile.pickup != kPickupNone;
    }
    fuzzCheck(pickups <= LevelSourceParser::kMaxPickups, "too many pick-ups were taken");

    LevelSource back;
    fuzzCheck(LevelSourceParser::parse(levelSourceText(level), "written", back, nullptr, rules),
              "the written text of a level is refused");
    fuzzCheck(
        back.board.tiles() == board.tiles() && back.title == level.title && back.teaches == level.teaches,
        "the written text reads back as another level");
    if (rules == LevelSourceParser::Rules::kWhole) {
        static const DieTurns turns(kFrameSeconds);
        Position stranded;
        canStrand(board, turns, stranded);
    }
}

}  // namespace
}  // namespace nimbus

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace nimbus;
    quietLog();
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const auto rules : {LevelSourceParser::Rules::kWhole, LevelSourceParser::Rules::kDraft}) {
        LevelSource level;
        std::string reason;
        if (LevelSourceParser::parse(text, "fuzz.level", level, &reason, rules))
            checkTaken(level, rules);
        else
            fuzzCheck(!reason.empty() && reason.find('\n') == std::string::npos, "a refusal is not one line");
    }
    return 0;
}
