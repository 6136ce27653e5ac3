#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <set>
#include <string>

#include "core/DirectoryIterator.h"
#include "core/InBuffer.h"
#include "core/MemberCallback2.h"
#include "core/OutBuffer.h"
#include "core/Stream.h"
#include "core/posix/FileOutBuffer.h"
#include "core/posix/PosixInArchive.h"
#include "core/posix/PosixOutArchive.h"
#include "support/FileSizeLimit.h"

using namespace nimbus;

namespace {

// A fresh directory under /tmp for each test, removed afterwards.
class ArchiveTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/nimbus-archive-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root_ = pattern;
    }
    void TearDown() override { std::system(("rm -rf " + root_).c_str()); }

    void writeFile(const std::string& relativePath, const std::string& contents) {
        std::ofstream(root_ + "/" + relativePath, std::ios::binary) << contents;
    }
    std::string readFile(const std::string& relativePath) {
        std::ifstream in(root_ + "/" + relativePath, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void makeDir(const std::string& relativePath) { ::mkdir((root_ + "/" + relativePath).c_str(), 0755); }

    std::string root_;
};

// Remembers what it was called with; refuses the file named `refuse`.
struct Recorder {
    std::set<std::string> seen;
    std::string lastContents;
    std::string refuse = "-";
    int calls = 0;
    bool load(const Path& path, InBuffer& in) {
        ++calls;
        seen.insert(path.str());
        lastContents.assign(in.bytesLeft(), '\0');
        in.read(lastContents.data(), in.bytesLeft());
        return path.leaf() != refuse;
    }
};

}  // namespace

TEST_F(ArchiveTest, OpenNeedsAnAbsolutePathAndAFile) {
    writeFile("a.txt", "hello");
    makeDir("sub");
    PosixInArchive archive(root_.c_str());
    EXPECT_EQ(archive.open("a.txt"), nullptr);
    EXPECT_EQ(archive.open("/missing"), nullptr);
    EXPECT_EQ(archive.open("/sub"), nullptr);
    std::unique_ptr<InBuffer> in(archive.open("/a.txt"));
    ASSERT_TRUE(in);
    EXPECT_EQ(in->bytesLeft(), 5);
    in->skip(1);
    char text[8] = {};
    EXPECT_EQ(in->read(text, 8), 4);
    EXPECT_STREQ(text, "ello");
    EXPECT_EQ(in->bytesLeft(), 0);
    EXPECT_EQ(std::string(in->name()), root_ + "/a.txt");
}

TEST_F(ArchiveTest, ListingNamesEntriesFromTheRootAndSkipsDots) {
    makeDir("Levels");
    makeDir("Levels/1");
    makeDir("Levels/2");
    writeFile("Levels/readme", "x");
    makeDir("Empty");
    PosixInArchive archive(root_.c_str());

    std::set<std::string> names;
    std::unique_ptr<DirectoryIterator> it(archive.list("/Levels"));
    ASSERT_TRUE(it);
    DirectoryEntry entry;
    do {
        ASSERT_TRUE(it->current(entry));
        names.insert(entry.name.str());
        EXPECT_EQ(entry.type, entry.name.leaf() == "readme" ? EntryType::File : EntryType::Directory);
    } while (it->advance());
    EXPECT_FALSE(it->current(entry));
    EXPECT_EQ(names, (std::set<std::string>{"/Levels/1", "/Levels/2", "/Levels/readme"}));

    EXPECT_EQ(archive.list("/Empty"), nullptr);
    EXPECT_EQ(archive.list("/None"), nullptr);
    EXPECT_EQ(archive.list("Levels"), nullptr);

    DirectoryEntry file;
    ASSERT_TRUE(archive.stat(file, "/Levels/readme"));
    EXPECT_EQ(file.size, 1u);
    EXPECT_EQ(file.name, Path("/Levels/readme"));
    EXPECT_GT(file.modified, 116444736000000000LL);  // after 1970 in 100 ns ticks since 1601
    EXPECT_FALSE(archive.stat(file, "/Levels/none"));
}

TEST_F(ArchiveTest, ARelativeRootListsFromItself) {
    makeDir("Data");
    makeDir("Data/Levels");
    makeDir("Data/Levels/07");
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir(root_.c_str()), 0);
    PosixInArchive archive("Data/Levels");
    std::unique_ptr<DirectoryIterator> it(archive.list("/"));
    ASSERT_TRUE(it);
    DirectoryEntry entry;
    ASSERT_TRUE(it->current(entry));
    EXPECT_EQ(entry.name, Path("/07"));
    EXPECT_EQ(entry.type, EntryType::Directory);
    ASSERT_EQ(chdir(previous), 0);
}

TEST_F(ArchiveTest, LoadAllMatchesExtensionsIgnoringCase) {
    makeDir("Sounds");
    writeFile("Sounds/a.SOUND", "A");
    writeFile("Sounds/b.txt", "B");
    writeFile("Sounds/c.sound", "C");
    PosixInArchive archive(root_.c_str());
    Recorder recorder;
    EXPECT_EQ(loadAll(archive, "/Sounds", ".sound", memberCallback(&recorder, &Recorder::load)), 2);
    EXPECT_EQ(recorder.seen, (std::set<std::string>{"/Sounds/a.SOUND", "/Sounds/c.sound"}));

    Recorder refusing;
    refusing.refuse = "a.SOUND";
    const int result = loadAll(archive, "/Sounds", ".sound", memberCallback(&refusing, &Recorder::load));
    EXPECT_LT(result, 0);
    EXPECT_EQ(result, -refusing.calls);

    EXPECT_EQ(loadAll(archive, "/Nothing", ".sound", memberCallback(&recorder, &Recorder::load)), 0);
}

TEST_F(ArchiveTest, WatchRunsTheCallbackOncePerBatch) {
    makeDir("Shaders");
    writeFile("Shaders/Board.fx", "old");
    writeFile("Shaders/Other.fx", "other");
    PosixInArchive archive(root_.c_str());
    Recorder recorder;
    EXPECT_TRUE(archive.watch("/Shaders/Board.fx", memberCallback(&recorder, &Recorder::load)));
    EXPECT_FALSE(archive.watch("/Shaders/Board.fx", memberCallback(&recorder, &Recorder::load)));
    EXPECT_FALSE(archive.watch("Shaders/Board.fx", memberCallback(&recorder, &Recorder::load)));
    EXPECT_EQ(archive.poll(), 0);

    writeFile("Shaders/Board.fx", "new");
    writeFile("Shaders/Board.fx", "newer");  // two writes, one batch
    writeFile("Shaders/Other.fx", "unwatched");
    EXPECT_EQ(archive.poll(), 1);
    EXPECT_EQ(recorder.calls, 1);
    EXPECT_EQ(recorder.lastContents, "newer");
    EXPECT_EQ(archive.poll(), 0);

    EXPECT_FALSE(archive.watch("/Missing/x.fx", memberCallback(&recorder, &Recorder::load)));
}

TEST_F(ArchiveTest, SavingReplacesTheFileOnlyWhenEveryWriteSucceeded) {
    writeFile("highscores.bin", "old table");
    PosixOutArchive archive(root_.c_str());
    EXPECT_EQ(archive.open("highscores.bin"), nullptr);
    {
        std::unique_ptr<OutBuffer> out(archive.open("/highscores.bin"));
        ASSERT_TRUE(out);
        *out << "new";
        EXPECT_EQ(readFile("highscores.bin"), "old table");  // nothing replaced while writing
    }
    EXPECT_EQ(readFile("highscores.bin"), std::string("new\0", 4));

    // A disk that fills up during the save: the old file stays and no temporary is left.
    {
        FileSizeLimit full(1024);
        ASSERT_TRUE(full.active());
        std::unique_ptr<OutBuffer> out(archive.open("/highscores.bin"));
        ASSERT_TRUE(out);
        const std::string big(1 << 16, 'x');
        EXPECT_EQ(out->write(big.data(), static_cast<int32_t>(big.size())), 0);
        EXPECT_EQ(out->bytesWritten(), 0);
    }
    EXPECT_EQ(readFile("highscores.bin"), std::string("new\0", 4));
    EXPECT_EQ(std::system(("test $(ls " + root_ + " | wc -l) -eq 1").c_str()), 0);
}
