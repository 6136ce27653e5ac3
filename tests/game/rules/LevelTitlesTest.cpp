#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/MemoryInBuffer.h"
#include "game/rules/LevelTitles.h"
#include "support/LogCapture.h"

namespace nimbus {
namespace {

// A level the index does not name has no title.
TEST(LevelTitles, KeepTheGoodLinesAndReportEachDamagedOne) {
    const std::vector<std::string> levels = {"01", "02", "03"};
    // The index, the titles of the levels, the error lines.
    const std::tuple<std::string, std::vector<std::string>, size_t> cases[] = {
        {"# titles\r\n01 First Steps\r\n\n03 Closing In", {"First Steps", "", "Closing In"}, 0},
        {"01 First\n01 Second\n", {"Second", "", ""}, 0},
        {"02\n02 \nx2 Bad\n03 Tab\there\n01 " + std::string(65, 't') + "\n" + std::string(2000, '0') +
             " Long",
         {"", "", ""},
         6},
    };
    for (const auto& [index, titles, errors] : cases) {
        SCOPED_TRACE(index.substr(0, 30));
        MemoryInBuffer in(index.data(), index.data() + index.size());
        LevelTitles read;
        LogCapture log;
        read.read(in);
        EXPECT_EQ(read.titlesOf(levels), titles);
        EXPECT_EQ(log.lines().size(), errors) << log.all();
    }
}

// A titles file cannot grow without end: past ten thousand levels, only those it holds change.
TEST(LevelTitles, HoldTenThousandLevelsAtMost) {
    LevelTitles titles;
    for (int i = 0; i < 10000; ++i) titles.set(std::to_string(i), "T");
    EXPECT_FALSE(titles.set("10000", "T"));
    EXPECT_TRUE(titles.set("0", "U"));
}

}  // namespace
}  // namespace nimbus
