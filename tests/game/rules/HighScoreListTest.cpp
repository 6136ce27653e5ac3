#include <gtest/gtest.h>

#include <cstring>

#include "core/VectorInBuffer.h"
#include "game/rules/HighScoreList.h"
#include "support/LogCapture.h"

namespace nimbus {
namespace {

std::vector<std::pair<std::string, int32_t>> entries(const HighScoreList& list) {
    std::vector<std::pair<std::string, int32_t>> all;
    for (int i = 0; i < list.size(); ++i) all.emplace_back(list[i].name, list[i].score);
    return all;
}

// The defaults themselves are read in HighScoreWindowTest.
TEST(HighScoreList, InsertsAboveEqualScoresClampsAndFillsDefaultsOnlyWhenEmpty) {
    HighScoreList list;
    EXPECT_EQ(-1, list.newestIndex());
    for (const auto& [name, score, index] :
         {std::tuple("a", 1, 0), std::tuple("b", 10, 0), std::tuple("c", 0, 2), std::tuple("d", 1, 1)}) {
        EXPECT_EQ(list.add(name, score), index) << name;
    }
    list.fillDefaults();
    list.clamp(10);
    list.clamp(-1);
    EXPECT_EQ(entries(list), (decltype(entries(list)){{"b", 10}, {"d", 1}, {"a", 1}, {"c", 0}}));
    list.clamp(2);
    EXPECT_EQ(entries(list), (decltype(entries(list)){{"b", 10}, {"d", 1}}));
    HighScoreList defaults;
    defaults.fillDefaults();
    EXPECT_EQ(0, defaults.newestIndex());
    EXPECT_EQ(6, defaults.size());
}

// The file round trip is StartupTest's, through the game's own save and load.
TEST(HighScoreList, DamagedCountsAreRefused) {
    for (int32_t count : {-1, 2, 1 << 30}) {
        std::vector<unsigned char> bytes(4);
        std::memcpy(bytes.data(), &count, 4);
        bytes.insert(bytes.end(), {'x', 0, 1, 0, 0, 0});
        VectorInBuffer in(bytes);
        HighScoreList list;
        LogCapture log;
        EXPECT_FALSE(list.read(in)) << count;
        EXPECT_EQ(0, list.size()) << count;
        EXPECT_EQ(1u, log.lines().size()) << count;
    }
}

}  // namespace
}  // namespace nimbus
