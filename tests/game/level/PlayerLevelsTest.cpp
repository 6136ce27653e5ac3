// The player's levels, proven off the main thread, refused with their first reason, proofs
// cached for unchanged levels, the proving stopped when no longer wanted.
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "game/DataLayout.h"
#include "game/level/PlayerLevelFiles.h"
#include "game/level/PlayerLevels.h"
#include "game/solver/SearchThread.h"
#include "support/LogCapture.h"
#include "support/TempFolder.h"
#include "support/WorstLevel.h"

namespace nimbus {
namespace {

using Standing = PlayerLevels::Standing;

void awaitProofs(PlayerLevels& levels) {
    while (levels.proving()) {
        levels.update();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

const struct {
    const char* file;
    std::string text;
    Standing standing;
    const char* shown;  // the proof's summary: its numbers, or the reason it was refused
} kLevels[] = {
    {"a-walk.level", "title Short Walk\ntiles\nk k k k\nk S G k\nk k k k\n", Standing::kProven,
     "1 moves, won at 0.02 s, slack unlimited, pace unlimited"},
    {"b-grid.level", "tiles\nk k k k\nk S q k\nk k k k\n", Standing::kRefused,
     "b-grid.level:3: unknown tile 'q'"},
    {"c-pocket.level", "tiles\nk k k k k k\nk S r k k k\nk y g w w G\nk k k k k k\n", Standing::kRefused,
     "c-pocket.level: the die can be stranded at <2, 1>: its tile never falls and no way on to a goal "
     "stands for good"},
    {"d-far.level",
     "tiles\nk k k k k k\nk S w w G k\nk k k k k k\n\nfalls\n- - - - - -\n- 9 0 0 - -\n- - - - - -\n",
     Standing::kRefused,
     "d-far.level: cannot be won without losing a life; the die gets no nearer a goal than 3 rolls, at <1, "
     "1>"},
    {"e-junk.level", std::string("\177ELF\x02\x01\x01\x00", 8), Standing::kRefused,
     "e-junk.level:1: a level is text, but this line holds the control byte 0x02"},
    {"f-none.level", "", Standing::kRefused, "f-none.level:1: no tiles grid"},
};

TEST(PlayerLevels, ProvesEachLevelAndListsTheRefusedWithTheirReasons) {
    TempFolder folder;
    for (const auto& level : kLevels) folder.write("levels/" + std::string(level.file), level.text);
    const std::string huge = folder.write("levels/g-huge.level", "tiles\n");
    ASSERT_EQ(0, ::truncate(huge.c_str(), 10 << 20));
    folder.write("levels/notes.txt", "not a level");

    LogCapture errors;
    PlayerLevels levels;
    levels.start(folder.file("levels"), folder.file("cache"));
    ASSERT_EQ(7u, levels.levels().size()) << "the levels are listed at once";
    EXPECT_EQ(Standing::kWaiting, levels.levels()[0].standing);
    awaitProofs(levels);
    for (size_t i = 0; i < std::size(kLevels); ++i) {
        const PlayerLevels::Level& level = levels.levels()[i];
        EXPECT_EQ(
            std::make_tuple(std::string(kLevels[i].file), kLevels[i].standing, std::string(kLevels[i].shown)),
            std::make_tuple(level.file, level.standing, level.proof.summary()));
        EXPECT_FALSE(level.fromCache);
    }
    EXPECT_EQ("Short Walk", levels.levels()[0].title);
    EXPECT_EQ("b-grid", levels.levels()[1].title);
    EXPECT_EQ("g-huge.level:1: a level is at most 256 KB, this file 10240 KB",
              levels.levels()[6].proof.reason);
    EXPECT_EQ(6u, errors.lines().size()) << "one line for each refused level";
    EXPECT_EQ("a-walk.level", levels.nextProven("c-pocket.level"))
        << "past the last, round to the first proven";

    // A second start takes every proof from the cache, but that of a level that changed,
    // and says that it passed over a damaged line.
    folder.write("levels/a-walk.level", kLevels[0].text + "# changed\n");
    const std::string cache = "cache/" + std::string(kProofCacheFile);
    folder.write(cache, readFile(folder.file(cache)) + "damaged\n");
    PlayerLevels again;
    LogCapture damaged;
    again.start(folder.file("levels"), folder.file("cache"));
    awaitProofs(again);
    EXPECT_TRUE(damaged.saw({"1 damaged lines passed over"})) << damaged.all();
    for (size_t i = 0; i < std::size(kLevels); ++i) {
        EXPECT_EQ(i > 0, again.levels()[i].fromCache) << kLevels[i].file;
        EXPECT_EQ(levels.levels()[i].proof.summary(), again.levels()[i].proof.summary());
    }
}

// A new level's file is named after its title, numbered on past a file of any folder.
TEST(PlayerLevels, ANewLevelsFileIsNamedAfterItsTitle) {
    TempFolder folder;
    folder.write("drafts/blue-bridge.level", "");
    const std::pair<const char*, const char*> names[] = {{"  Short -- Hop! ", "short-hop.level"},
                                                         {"Blue Bridge", "blue-bridge-2.level"},
                                                         {"?", "level.level"}};
    for (const auto& [title, file] : names)
        EXPECT_EQ(freeLevelFileName(title, {folder.file("levels"), folder.file("drafts")}), file);
}

// The frame asks whether a search is done without waiting for it.
TEST(SearchThread, AskingWhetherItIsDoneNeverWaits) {
    std::atomic<bool> go{false};
    SearchThread thread;
    thread.start([&go] {
        for (int i = 0; i < 1000 && !go; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    });
    EXPECT_FALSE(thread.finished());
    go = true;
    SearchThread::awaitAll();
}

TEST(PlayerLevels, CancellingStopsTheSearchAndFilesNothing) {
    TempFolder folder;
    folder.write("levels/worst.level", worstOpenLevel());
    {
        PlayerLevels levels;
        levels.start(folder.file("levels"), folder.file("cache"));
        while (levels.statesSearched() == 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        levels.cancel();
        EXPECT_FALSE(levels.proving());
        EXPECT_FALSE(levels.update());
        EXPECT_EQ(Standing::kWaiting, levels.levels()[0].standing);
        levels.start(folder.file("levels"), folder.file("cache"));
        while (levels.statesSearched() == 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }  // leaving stops it too
    SearchThread::awaitAll();
    EXPECT_EQ("", readFile(folder.file("cache/" + std::string(kProofCacheFile))));
}

// What the editor proved and saved is listed at once and is not searched at the next start.
TEST(PlayerLevels, ALevelRecordedIsListedAndCached) {
    TempFolder folder;
    PlayerLevels levels;
    levels.start(folder.file("levels"), folder.file("cache"));
    awaitProofs(levels);
    EXPECT_TRUE(levels.levels().empty());
    const LevelProof proof{true, "", 1, 27};  // proven, won by one command in 27 frames
    folder.write("levels/mine.level", kLevels[0].text);
    const uint32_t revision = levels.revision();
    levels.record("mine.level", kLevels[0].text, "Short Walk", proof);
    EXPECT_NE(revision, levels.revision());
    ASSERT_NE(nullptr, levels.find("mine.level"));
    EXPECT_EQ(Standing::kProven, levels.find("mine.level")->standing);
    PlayerLevels again;
    again.start(folder.file("levels"), folder.file("cache"));
    awaitProofs(again);
    ASSERT_EQ(1u, again.levels().size());
    EXPECT_TRUE(again.levels()[0].fromCache);
    EXPECT_EQ(proof, again.levels()[0].proof);
}

}  // namespace
}  // namespace nimbus
