// The player's progress file, read as the game starts, then used as the game uses it:
// the furthest level of a list found and completed, the progress written and read again,
// which must read without a damaged line and give the same file.
#include "FuzzTarget.h"
#include "core/MemoryInBuffer.h"
#include "core/VectorOutBuffer.h"
#include "game/player/Progress.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace nimbus;
    quietLog();
    MemoryInBuffer in(data, data + size);
    Progress progress;
    progress.read(in);
    const std::vector<std::string> levels = {"01", "02", "03"};
    const int32_t furthest = progress.furthest(levels);
    fuzzCheck(progress.reached(furthest, levels), "the furthest level is not reached");
    progress.complete(furthest, levels, {1250, 1235, 9}, "not registered", "2026-05-01");
    fuzzCheck(progress.reached(furthest < 2 ? furthest + 1 : 2, levels), "a completed level opens no level");
    const LevelRecord* record = progress.record(levels[static_cast<size_t>(furthest)]);
    fuzzCheck(
        record && record->score.value >= 1250 && record->time.value <= 1235 && record->commands.value <= 9,
        "a completion is not among the bests");

    VectorOutBuffer out;
    fuzzCheck(progress.write(out), "the progress cannot be written");
    MemoryInBuffer again(out.bytes().data(), out.bytes().data() + out.bytes().size());
    Progress reread;
    fuzzCheck(reread.read(again) == 0, "the progress as written reads as damaged");
    VectorOutBuffer rewritten;
    fuzzCheck(reread.write(rewritten) && rewritten.bytes() == out.bytes(),
              "the progress does not read back as written");
    return 0;
}
