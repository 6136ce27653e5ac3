#include <gtest/gtest.h>

#include <cstring>

#include "core/VectorInBuffer.h"
#include "core/VectorOutBuffer.h"
#include "game/rules/HighScoreList.h"
#include "support/LogCapture.h"

namespace nimbus {
namespace {

TEST(HighScoreList, InsertsAboveEqualScoresAndClamps) {
    HighScoreList list;
    EXPECT_EQ(0, list.size());
    EXPECT_EQ(-1, list.newestIndex());
    for (const auto& [name, score, index] :
         {std::tuple("a", 1, 0), std::tuple("b", 10, 0), std::tuple("c", 0, 2), std::tuple("d", 1, 1)}) {
        EXPECT_EQ(list.add(name, score), index) << name;
    }
    EXPECT_EQ(list[2].name, "a");
    HighScoreList cut;
    for (int32_t s : {1, 100, 100, 100, 100}) cut.add(std::to_string(cut.size()), s);
    cut.clamp(2);
    ASSERT_EQ(2, cut.size());
    EXPECT_EQ("4", cut[0].name);
    EXPECT_EQ("3", cut[1].name);
    cut.clamp(10);
    EXPECT_EQ(2, cut.size());
}

TEST(HighScoreList, DefaultsOnlyForAnEmptyList) {
    HighScoreList list;
    list.fillDefaults();
    ASSERT_EQ(6, list.size());
    EXPECT_EQ("Wenna", list[0].name);
    EXPECT_EQ(7000, list[0].score);
    EXPECT_EQ("Halvi", list[5].name);
    EXPECT_EQ(0, list.newestIndex());
    list.fillDefaults();
    EXPECT_EQ(6, list.size());
}

TEST(HighScoreList, FileRoundTrip) {
    HighScoreList list;
    list.fillDefaults();
    list.add("", 3000);
    VectorOutBuffer out;
    ASSERT_TRUE(list.write(out));
    VectorInBuffer in(out.bytes());
    HighScoreList read;
    ASSERT_TRUE(read.read(in));
    ASSERT_EQ(7, read.size());
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(list[i].name, read[i].name);
        EXPECT_EQ(list[i].score, read[i].score);
    }
    EXPECT_EQ(-1, read.newestIndex());
}

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
