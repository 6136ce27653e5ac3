// The index of the levels' titles, read as the game starts, then used as the game uses
// it: the titles of a list of levels taken, the index written and read again, which must
// give the same index.
#include "FuzzTarget.h"
#include "core/MemoryInBuffer.h"
#include "core/VectorOutBuffer.h"
#include "game/rules/LevelTitles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace nimbus;
    quietLog();
    MemoryInBuffer in(data, data + size);
    LevelTitles titles;
    titles.read(in);
    const std::vector<std::string> levels = {"01", "02", "40"};
    const std::vector<std::string> found = titles.titlesOf(levels);
    fuzzCheck(found.size() == levels.size(), "a level has no place among the titles");
    for (const std::string& title : found) touch(title.data(), title.size());

    VectorOutBuffer out;
    fuzzCheck(titles.write(out), "the index cannot be written");
    MemoryInBuffer again(out.bytes().data(), out.bytes().data() + out.bytes().size());
    LevelTitles reread;
    reread.read(again);
    VectorOutBuffer rewritten;
    fuzzCheck(reread.size() == titles.size() && reread.write(rewritten) && rewritten.bytes() == out.bytes(),
              "the index does not read back as written");
    return 0;
}
