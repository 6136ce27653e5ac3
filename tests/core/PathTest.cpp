#include <gtest/gtest.h>

#include "core/Path.h"

using namespace nimbus;

namespace {

TEST(Path, JoinsNormalisesAndRelatesPaths) {
    const std::pair<Path, Path> cases[] = {
        {join("", "a"), "a"},
        {join("/", "/a"), "/a"},
        {join("/x/", "b"), "/x/b"},
        {join("/x", "/b"), "/x/b"},
        {join("/x", ""), "/x/"},
        {join("", ""), ""},
        {Path("/a/b/../c").normalise(), "/a/c"},
        {Path("../a").normalise(), ""},
        {Path("/a/./b").normalise(), "/a/./b"},
        {Path("/a/b/c/../../d").normalise(), "/a/d"},
        {Path("Data/Levels").normalise(), "Data/Levels"},
        {relative("/r/Data", "/r/Data/Levels/x"), "Levels/x"},
        {relative("/r/Data", "/r/Other"), "../Other"},
        {relative("/r/Data", "/r/Data"), ""},
        {relative("r/Data", "/r/Data/x"), ""},
        {relative("/r/Data", "r/Data/x"), ""},
        {Path("/Levels").parent(), ""},
        {Path("/Levels/Common").parent(), "/Levels"},
        {Path("file").parent(), ""},
        {Path::fromNative("/tmp/a"), "/tmp/a"},
    };
    for (const auto& [got, want] : cases) EXPECT_EQ(got, want) << want.str();
}

TEST(Path, NamesItsParts) {
    const std::pair<std::string, std::string> cases[] = {
        {Path("/a.b/c").extension(), ""},      {Path("/a/b.sound").extension(), ".sound"},
        {Path("/a/b.tar.gz").stem(), "b.tar"}, {Path("/Levels/Common/Sounds/Move.sound").stem(), "Move"},
        {Path("file").leaf(), "file"},         {Path("/a/b").leaf(), "b"},
        {Path("/x/y").toNative(), "/x/y"},
    };
    for (const auto& [got, want] : cases) EXPECT_EQ(got, want);
    EXPECT_TRUE(Path("/a").isAbsolute());
    EXPECT_FALSE(Path("a").isAbsolute() || Path(nullptr).isAbsolute());
}

}  // namespace
