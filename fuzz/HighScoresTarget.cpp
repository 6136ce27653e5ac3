// The high-score file, read as the game starts, then used as the game uses it: every
// entry looked at, a result added and the table cut to ten, written back and read
// again, which must give the same table.
#include "FuzzTarget.h"
#include "core/MemoryInBuffer.h"
#include "core/VectorOutBuffer.h"
#include "game/rules/HighScoreList.h"

namespace nimbus {
namespace {

bool sameEntries(const HighScoreList& a, const HighScoreList& b) {
    if (a.size() != b.size()) return false;
    for (int i = 0; i < a.size(); ++i) {
        if (a[i].name != b[i].name || a[i].score != b[i].score) return false;
    }
    return true;
}

}  // namespace
}  // namespace nimbus

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace nimbus;
    quietLog();
    MemoryInBuffer in(data, data + size);
    HighScoreList list;
    if (!list.read(in)) list.fillDefaults();
    for (int i = 0; i < list.size(); ++i) {
        fuzzCheck(list[i].name.find('\0') == std::string::npos, "a name holds a zero byte");
    }
    list.add("not registered", 4200);
    list.clamp(10);
    fuzzCheck(list.size() <= 10, "the table is longer than ten after the cut");

    VectorOutBuffer out;
    fuzzCheck(list.write(out), "the table cannot be written");
    MemoryInBuffer again(out.bytes().data(), out.bytes().data() + out.bytes().size());
    HighScoreList reread;
    fuzzCheck(reread.read(again) && sameEntries(list, reread), "the table does not read back as written");
    return 0;
}
