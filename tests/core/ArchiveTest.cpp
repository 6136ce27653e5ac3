#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <set>
#include <string>

#include "core/DirectoryIterator.h"
#include "core/InBuffer.h"
#include "core/MemberCallback2.h"
#include "core/MemoryInBuffer.h"
#include "core/OutBuffer.h"
#include "core/Stream.h"
#include "core/posix/PosixInArchive.h"
#include "core/posix/PosixOutArchive.h"
#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"

using namespace nimbus;

namespace {

// Counts its calls and keeps the contents it was last handed.
struct Recorder {
    std::string lastContents;
    int calls = 0;
    bool load(const Path&, InBuffer& in) {
        ++calls;
        lastContents.assign(in.bytesLeft(), '\0');
        in.read(lastContents.data(), in.bytesLeft());
        return true;
    }
};

// The names of the entries listed under `path`, each checked for its type.
std::set<std::string> listed(PosixInArchive& archive, const char* path) {
    std::set<std::string> names;
    std::unique_ptr<DirectoryIterator> it(archive.list(path));
    if (!it) return names;
    DirectoryEntry entry;
    do {
        EXPECT_TRUE(it->current(entry));
        names.insert(entry.name.str());
        EXPECT_EQ(entry.type, entry.name.leaf() == "readme" ? EntryType::File : EntryType::Directory);
    } while (it->advance());
    EXPECT_FALSE(it->current(entry));
    return names;
}

TEST(PosixInArchive, OpensListsAndStatsByAbsolutePathsFromTheRootAndSkipsDots) {
    TempFolder root;
    for (const char* dir : {"Levels/1", "Levels/2", "Empty"})
        std::filesystem::create_directories(root.file(dir));
    root.write("Levels/readme", "hello");
    PosixInArchive archive(root.path().c_str());
    for (const char* refused : {"Levels/readme", "/missing", "/Levels/1"})
        EXPECT_EQ(archive.open(refused), nullptr) << refused;
    std::unique_ptr<InBuffer> in(archive.open("/Levels/readme"));
    ASSERT_TRUE(in);
    EXPECT_EQ(in->bytesLeft(), 5);
    in->skip(1);
    char text[8] = {};
    EXPECT_EQ(in->read(text, 8), 4);
    EXPECT_STREQ(text, "ello");
    EXPECT_EQ(in->bytesLeft(), 0);
    EXPECT_EQ(std::string(in->name()), root.file("Levels/readme"));

    EXPECT_EQ(listed(archive, "/Levels"),
              (std::set<std::string>{"/Levels/1", "/Levels/2", "/Levels/readme"}));
    for (const char* none : {"/Empty", "/None", "Levels"}) EXPECT_EQ(archive.list(none), nullptr) << none;
    DirectoryEntry entry;
    ASSERT_TRUE(archive.stat(entry, "/Levels/readme"));
    EXPECT_EQ(entry.size, 5u);
    EXPECT_EQ(entry.name, Path("/Levels/readme"));
    EXPECT_GT(entry.modified, 116444736000000000LL);  // after 1970 in 100 ns ticks since 1601
    EXPECT_FALSE(archive.stat(entry, "/Levels/none"));

    // A relative root lists from itself.
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir(root.path().c_str()), 0);
    PosixInArchive relative("Levels");
    const std::set<std::string> names = listed(relative, "/");
    ASSERT_EQ(chdir(previous), 0);
    EXPECT_EQ(names, (std::set<std::string>{"/1", "/2", "/readme"}));
}

TEST(PosixInArchive, WatchRunsTheCallbackOncePerBatch) {
    TempFolder root;
    root.write("Shaders/Board.fx", "old");
    root.write("Shaders/Other.fx", "other");
    PosixInArchive archive(root.path().c_str());
    Recorder recorder;
    auto watch = [&](const char* path) {
        return archive.watch(path, memberCallback(&recorder, &Recorder::load));
    };
    EXPECT_EQ(archive.poll(), 0) << "nothing watched yet";
    EXPECT_TRUE(watch("/Shaders/Board.fx"));
    for (const char* refused : {"/Shaders/Board.fx", "Shaders/Board.fx", "/Missing/x.fx"})
        EXPECT_FALSE(watch(refused));
    EXPECT_EQ(archive.poll(), 0);

    root.write("Shaders/Board.fx", "new");
    root.write("Shaders/Board.fx", "newer");  // two writes, one batch
    root.write("Shaders/Other.fx", "unwatched");
    EXPECT_EQ(archive.poll(), 1);
    EXPECT_EQ(recorder.calls, 1);
    EXPECT_EQ(recorder.lastContents, "newer");
    EXPECT_EQ(archive.poll(), 0);

    // A callback that holds nothing, and its copy, call nothing.
    const Callback2 none{}, copy(none);
    MemoryInBuffer nothing(nullptr, nullptr);
    EXPECT_FALSE(none("/Shaders/Board.fx", nothing) || copy("/Shaders/Board.fx", nothing));
}

TEST(PosixOutArchive, ReplacesTheFileOnlyWhenEveryWriteSucceeded) {
    TempFolder root;
    const std::string table = root.write("highscores.bin", "old table");
    PosixOutArchive archive(root.path().c_str());
    EXPECT_EQ(archive.open("highscores.bin"), nullptr);
    {
        std::unique_ptr<OutBuffer> out(archive.open("/highscores.bin"));
        ASSERT_TRUE(out);
        *out << "new";
        EXPECT_EQ(readFile(table), "old table");  // nothing replaced while writing
    }
    EXPECT_EQ(readFile(table), std::string("new\0", 4));

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
    EXPECT_EQ(readFile(table), std::string("new\0", 4));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(root.path()), {}), 1);
}

}  // namespace
