#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "ErrorCapture.h"
#include "core/posix/PosixInArchive.h"
#include "game/rules/LevelList.h"

namespace nimbus {
namespace {

class LevelListTest : public ::testing::Test {
protected:
    LevelListTest() {
        char pattern[] = "/tmp/nimbus-level-list-XXXXXX";
        root_ = mkdtemp(pattern);
    }
    ~LevelListTest() override { std::filesystem::remove_all(root_); }

    std::string root_;
};

TEST_F(LevelListTest, DigitNamesInPlainStringOrder) {
    for (const char* name : {"2", "10", "1b", "intro", "Common"}) std::filesystem::create_directory(root_ + "/" + name);
    PosixInArchive archive(root_);
    std::vector<std::string> names{"stale"};
    ASSERT_TRUE(listLevels(archive, names));
    EXPECT_EQ((std::vector<std::string>{"10", "1b", "2"}), names);
}

TEST_F(LevelListTest, EmptyDirectoryHasNoLevelsAndMissingOneIsReported) {
    PosixInArchive empty(root_);
    std::vector<std::string> names{"stale"};
    ASSERT_TRUE(listLevels(empty, names));
    EXPECT_TRUE(names.empty());

    ErrorCapture errors;
    PosixInArchive missing(root_ + "/absent");
    names = {"kept"};
    EXPECT_FALSE(listLevels(missing, names));
    EXPECT_EQ(1u, errors.messages().size());
    EXPECT_EQ(std::vector<std::string>{"kept"}, names);
}

}  // namespace
}  // namespace nimbus
