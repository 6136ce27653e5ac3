#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "core/VectorOutBuffer.h"
#include "game/DataLayout.h"
#include "game/player/Progress.h"
#include "game/player/ProgressFile.h"
#include "support/FileSizeLimit.h"
#include "support/LogCapture.h"
#include "support/TempFolder.h"

namespace nimbus {
namespace {

const std::vector<std::string> kLevels = {"01", "02", "03"};

// The facts the progress holds, as it writes them, without the heading comment.
std::string facts(const Progress& progress) {
    VectorOutBuffer out;
    EXPECT_TRUE(progress.write(out));
    std::string text(out.bytes().begin(), out.bytes().end()), kept;
    for (size_t at = 0, end; at < text.size(); at = end + 1) {
        end = text.find('\n', at);
        if (text[at] != '#') kept += text.substr(at, end - at + 1);
    }
    return kept;
}

// What a file reads as, the lines it reports, and that a save reads back the same.
TEST(ProgressFile, KeepsEveryGoodLineReportsEachDamagedOneAndKeepsADamagedFileAside) {
    const std::string good = "score 01 1250 2026-05-01 Ann Lee\ntime 01 12.35 2026-05-02 Bo\n";
    // The file (none: no file), the facts it gives, the error lines.
    const std::tuple<std::optional<std::string>, std::string, size_t> cases[] = {
        {std::nullopt, "", 0},
        {"# mine\r\n\nreached 02\r\ncommands 01 9 2026-05-01 \n", "reached 02\ncommands 01 9 2026-05-01 \n",
         0},
        {good + "reached 03", "reached 03\n" + good, 0},
        // Junk: an unknown word, a missing or extra word, a bad level name, number, day or name.
        {"speed 01 5 2026-05-01 A\n"
         "reached\n"
         "reached 02 03\n"
         "score ../x 5 2026-05-01 A\n"
         "score 01 12x 2026-05-01 A\n"
         "time 01 1.5 2026-05-01 A\n"
         "time 01 .50 2026-05-01 A\n"
         "score 01 5 2026-13-01 A\n"
         "score 01 5 yesterday A\n"
         "score 01 5 20x6-05-01 A\n"
         "score 01 5 2026-05-32 A\n"
         "score 01 5 2026-05-01 A\tB\n"
         "score 01 5 2026-05-01 " +
             std::string(65, 'n') + "\nreached 02",
         "reached 02\n", 13},
        // Beyond 32 bits or below 0; the largest number there is.
        {"score 01 -5 2026-05-01 A\ncommands 01 2147483648 2026-05-01 A\ntime 01 99999999.99 2026-05-01 A\n"
         "score 01 2147483647 2026-05-01 A",
         "score 01 2147483647 2026-05-01 A\n", 3},
        // A level the game no longer has keeps its record.
        {"reached 77\nscore 76 10 2026-05-01 Cy", "reached 77\nscore 76 10 2026-05-01 Cy\n", 0},
        // A line of 10 MB among good ones, read a line at a time.
        {"reached 02\n" + std::string(10 << 20, 'x') + "\nscore 01 5 2026-05-01 A\n",
         "reached 02\nscore 01 5 2026-05-01 A\n", 1},
    };
    for (const auto& [file, expected, errors] : cases) {
        SCOPED_TRACE(file ? file->substr(0, 40) : "no file");
        TempFolder folder;
        if (file) folder.write(kProgressFile, *file);
        ProgressFile keeper(folder.path());
        Progress progress;
        LogCapture log;
        EXPECT_EQ(keeper.load(progress), file.has_value());
        EXPECT_EQ(facts(progress), expected);
        EXPECT_EQ(log.lines().size(), errors) << log.all();
        const std::string aside = errors > 0 ? *file : "";
        ASSERT_TRUE(keeper.save(progress));
        EXPECT_EQ(readFile(folder.file(kDamagedProgressFile)), aside);
        folder.write(kProgressFile, "junk\n");
        ASSERT_TRUE(keeper.save(progress));
        EXPECT_EQ(readFile(folder.file(kDamagedProgressFile)), aside)
            << "a damaged file is kept aside once, before the first save";
        Progress reread;
        EXPECT_TRUE(ProgressFile(folder.path()).load(reread));
        EXPECT_EQ(facts(reread), expected);
    }
}

// A disk that fills up while the progress is saved leaves the old file whole.
TEST(ProgressFile, ASaveCutShortLeavesTheOldFile) {
    TempFolder folder;
    const std::string old = "reached 02\n";
    folder.write(kProgressFile, old);
    Progress progress;
    ProgressFile keeper(folder.path());
    ASSERT_TRUE(keeper.load(progress));
    progress.complete(0, kLevels, {1000, 900, 12}, "Ann", "2026-05-01");
    LogCapture log;
    FileSizeLimit limit(64);
    ASSERT_TRUE(limit.active());
    EXPECT_FALSE(keeper.save(progress));
    EXPECT_EQ(readFile(folder.file(kProgressFile)), old);
}

// A higher score, a shorter time and fewer commands are bests; a tie leaves the holder.
TEST(Progress, RunsBeatTheBestsTheyBetterAndOpenTheNextLevel) {
    Progress progress;
    EXPECT_TRUE(progress.reached(0, kLevels));
    EXPECT_FALSE(progress.reached(1, kLevels));
    // The run, and the bests it sets: score, time, commands.
    const std::tuple<LevelRun, bool, bool, bool> runs[] = {
        {{1000, 900, 12}, true, true, true},
        {{1000, 900, 12}, false, false, false},
        {{1100, 950, 11}, true, false, true},
        {{-50, 800, 13}, false, true, false},
    };
    for (const auto& [run, score, time, commands] : runs) {
        const uint32_t revision = progress.revision();
        const NewBests bests = progress.complete(1, kLevels, run, "Ann", "2026-05-01");
        EXPECT_EQ(std::make_tuple(bests.score, bests.time, bests.commands),
                  std::make_tuple(score, time, commands));
        EXPECT_EQ(progress.revision() != revision, bests.any());
    }
    EXPECT_EQ(facts(progress),
              "reached 03\nscore 02 1100 2026-05-01 Ann\ntime 02 8.00 2026-05-01 Ann\n"
              "commands 02 11 2026-05-01 Ann\n");
    EXPECT_FALSE(progress.reached(1, kLevels)) << "level 02 was played without level 01 done";
    EXPECT_EQ(progress.furthest(kLevels), 2);
    // A level index past the list (a level deleted while played) keeps nothing.
    const uint32_t revision = progress.revision();
    EXPECT_FALSE(progress.complete(3, kLevels, {2000, 1, 1}, "Bo", "").any());
    EXPECT_EQ(progress.revision(), revision);
}

}  // namespace
}  // namespace nimbus
