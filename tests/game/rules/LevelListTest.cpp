#include <gtest/gtest.h>

#include <filesystem>

#include "core/posix/PosixInArchive.h"
#include "game/rules/LevelList.h"
#include "support/LogCapture.h"
#include "support/TempFolder.h"

namespace nimbus {
namespace {

// Folders named by digits are levels, in plain string order; a missing folder is
// reported and leaves the list as it was.
TEST(LevelList, DigitNamesInPlainStringOrder) {
    TempFolder root;
    PosixInArchive archive(root.path());
    std::vector<std::string> names{"stale"};
    ASSERT_TRUE(listLevels(archive, names));
    EXPECT_TRUE(names.empty());
    for (const char* name : {"2", "10", "1b", "intro", "Common"})
        std::filesystem::create_directory(root.file(name));
    ASSERT_TRUE(listLevels(archive, names));
    EXPECT_EQ(names, (std::vector<std::string>{"10", "1b", "2"}));

    LogCapture log;
    PosixInArchive missing(root.file("absent"));
    names = {"kept"};
    EXPECT_FALSE(listLevels(missing, names));
    EXPECT_EQ(log.lines().size(), 1u);
    EXPECT_EQ(names, std::vector<std::string>{"kept"});
}

}  // namespace
}  // namespace nimbus
