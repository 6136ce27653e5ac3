#include <gtest/gtest.h>

#include "core/Path.h"

using namespace nimbus;

TEST(Path, Join) {
    EXPECT_EQ(join("", "a"), Path("a"));
    EXPECT_EQ(join("/", "/a"), Path("/a"));
    EXPECT_EQ(join("/x/", "b"), Path("/x/b"));
    EXPECT_EQ(join("/x", "/b"), Path("/x/b"));
    EXPECT_EQ(join("/x", ""), Path("/x/"));
    EXPECT_EQ(join("", ""), Path(""));
}

TEST(Path, Components) {
    EXPECT_EQ(Path("/a.b/c").extension(), "");
    EXPECT_EQ(Path("/a/b.sound").extension(), ".sound");
    EXPECT_EQ(Path("/a/b.tar.gz").stem(), "b.tar");
    EXPECT_EQ(Path("/Levels/Common/Sounds/Move.sound").stem(), "Move");
    EXPECT_EQ(Path("/Levels").parent(), Path(""));
    EXPECT_EQ(Path("/Levels/Common").parent(), Path("/Levels"));
    EXPECT_EQ(Path("file").parent(), Path(""));
    EXPECT_EQ(Path("file").leaf(), "file");
    EXPECT_EQ(Path("/a/b").leaf(), "b");
    EXPECT_TRUE(Path("/a").isAbsolute());
    EXPECT_FALSE(Path("a").isAbsolute());
    EXPECT_FALSE(Path(nullptr).isAbsolute());
}

TEST(Path, Normalise) {
    EXPECT_EQ(Path("/a/b/../c").normalise(), Path("/a/c"));
    EXPECT_EQ(Path("../a").normalise(), Path(""));
    EXPECT_EQ(Path("/a/./b").normalise(), Path("/a/./b"));
    EXPECT_EQ(Path("/a/b/c/../../d").normalise(), Path("/a/d"));
    EXPECT_EQ(Path("Data/Levels").normalise(), Path("Data/Levels"));
}

TEST(Path, Relative) {
    EXPECT_EQ(relative("/r/Data", "/r/Data/Levels/x"), Path("Levels/x"));
    EXPECT_EQ(relative("/r/Data", "/r/Other"), Path("../Other"));
    EXPECT_EQ(relative("/r/Data", "/r/Data"), Path(""));
    EXPECT_EQ(relative("r/Data", "/r/Data/x"), Path(""));
    EXPECT_EQ(relative("/r/Data", "r/Data/x"), Path(""));
}

TEST(Path, NativeFormIsTheSameHere) {
    EXPECT_EQ(Path("/x/y").toNative(), "/x/y");
    EXPECT_EQ(Path::fromNative("/tmp/a"), Path("/tmp/a"));
}
