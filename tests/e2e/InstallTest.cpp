// The game installed by `cmake --install` into a prefix of its own, and the built Debian
// package unpacked into a root of its own.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "Desktop.h"
#include "GameInstall.h"
#include "PlayerView.h"
#include "game/DataLayout.h"

using namespace nimbus;
using namespace player;
namespace fs = std::filesystem;

namespace {

const char *const kAppId = "io.github.nimbusgame.Nimbus";

// A new folder of the test's own under /tmp, for the installation and the logs.
class Installed : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(std::string(NIMBUS_DATA_DIR "/") + kGuiDocument))
            GTEST_SKIP() << "no data built here";
        char pattern[] = "/tmp/nimbus-install-XXXXXX";
        root = mkdtemp(pattern);
    }
    std::string root;
};

// Runs a shell command with its output in the log; whether it succeeded.
bool run(const std::string &command, const std::string &log) {
    return std::system((command + " >'" + log + "' 2>&1").c_str()) == 0;
}

// The side of a square PNG, from its header.
int pngSide(const std::string &path) {
    std::ifstream file(path, std::ios::binary);
    unsigned char header[24] = {};
    file.read(reinterpret_cast<char *>(header), sizeof header);
    return header[16] << 24 | header[17] << 16 | header[18] << 8 | header[19];
}

// Every file under the prefix, where desktops, software centres and Debian's games look.
void expectLayout(const std::string &prefix) {
    const std::string share = prefix + "/" NIMBUS_INSTALL_SHAREDIR;
    for (const std::string &file :
         {prefix + "/" NIMBUS_INSTALL_BINDIR "/nimbus",
          prefix + "/" NIMBUS_INSTALL_DATADIR "/" + kGuiDocument,
          share + "/applications/" + kAppId + ".desktop", share + "/metainfo/" + kAppId + ".metainfo.xml",
          share + "/icons/hicolor/scalable/apps/" + kAppId + ".svg",
          prefix + "/" NIMBUS_INSTALL_MANDIR "/man6/nimbus.6"}) {
        EXPECT_TRUE(fs::is_regular_file(file)) << file;
    }
    for (int side : {16, 32, 48, 64, 128, 256}) {
        const std::string size = std::to_string(side) + "x" + std::to_string(side);
        EXPECT_EQ(pngSide(share + "/icons/hicolor/" + size + "/apps/" + kAppId + ".png"), side) << size;
    }
}

// Every file and folder below a folder with its size and time of change.
std::map<std::string, std::string> snapshot(const std::string &folder) {
    std::map<std::string, std::string> files;
    for (const fs::directory_entry &entry : fs::recursive_directory_iterator(folder)) {
        const auto changed = fs::last_write_time(entry.path()).time_since_epoch().count();
        const auto size = entry.is_regular_file() ? entry.file_size() : 0;
        files[entry.path().string()] = std::to_string(size) + " " + std::to_string(changed);
    }
    return files;
}

void setWritable(const std::string &folder, bool writable) {
    const fs::perm_options how = writable ? fs::perm_options::add : fs::perm_options::remove;
    const fs::perms write = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    fs::permissions(folder, write, how);
    for (const fs::directory_entry &entry : fs::recursive_directory_iterator(folder)) {
        if (!entry.is_symlink()) fs::permissions(entry.path(), write, how);
    }
}

// Started from another folder on read-only data, level 01 won by its solution: quitting
// writes the table into $XDG_DATA_HOME/nimbus and changes nothing in the data.
void playLevelOne(GameInstall &game) {
    Desktop desktop;
    ASSERT_TRUE(desktop.ready());
    // Never the permissions of data that belongs to another build.
    ASSERT_FALSE(fs::is_symlink(game.dataDirectory())) << "the installed data is a link";
    setWritable(game.dataDirectory(), false);
    struct Writable {
        std::string folder;
        ~Writable() { setWritable(folder, true); }
    } restore{game.dataDirectory()};
    const std::map<std::string, std::string> before = snapshot(game.dataDirectory());

    ASSERT_TRUE(game.start(desktop.name()));
    ASSERT_TRUE(frontEndReady(desktop)) << "no front end\n" << game.output();
    desktop.click(kPlayButton.x, kPlayButton.y);
    ASSERT_TRUE(levelArrives(desktop)) << "level 01 did not start";
    ASSERT_TRUE(playSolution(desktop, NIMBUS_SOURCE_DIR "/assets/levels/01.level"));
    ASSERT_TRUE(levelCompleteReady(desktop)) << "no level-complete panel";
    game.signal(SIGTERM);
    EXPECT_EQ(game.waitForExit(kWait), 0);
    EXPECT_EQ(game.output().find("Error"), std::string::npos) << game.output();
    EXPECT_TRUE(fs::exists(game.xdgDataHome() + "/" + kPlayerFolder + "/" + kHighScoresFile));
    EXPECT_EQ(snapshot(game.dataDirectory()), before) << "the game wrote into its data";
}

}  // namespace

TEST_F(Installed, PlaysFromAPrefixOfItsOwnAndKeepsTheTableInThePlayersFolder) {
    const std::string prefix = root + "/prefix";
    ASSERT_TRUE(
        run("cmake --install '" NIMBUS_BINARY_DIR "' --prefix '" + prefix + "'", root + "/install.txt"))
        << "cmake --install failed; see " << root << "/install.txt";
    expectLayout(prefix);
    GameInstall game(root, prefix + "/" NIMBUS_INSTALL_BINDIR "/nimbus", prefix + "/" NIMBUS_INSTALL_DATADIR);
    playLevelOne(game);
}

// The package's depends come from the executable's libraries.
TEST_F(Installed, TheDebianPackageDependsOnItsLibrariesAndPlays) {
    ASSERT_TRUE(
        run("cpack -G DEB --config '" NIMBUS_BINARY_DIR "/CPackConfig.cmake' -B '" + root + "/package'",
            root + "/cpack.txt"))
        << "cpack failed; see " << root << "/cpack.txt";
    std::string package;
    for (const fs::directory_entry &entry : fs::directory_iterator(root + "/package")) {
        if (entry.path().extension() == ".deb") package = entry.path().string();
    }
    ASSERT_FALSE(package.empty());
    ASSERT_TRUE(run("dpkg-deb --field '" + package + "' Depends", root + "/depends.txt"));
    std::ifstream dependsFile(root + "/depends.txt");
    const std::string depends(std::istreambuf_iterator<char>(dependsFile), {});
    for (const char *library : {"libc6", "libsdl1.2debian", "libsdl-mixer1.2", "libglew", "libtinyxml"}) {
        EXPECT_NE(depends.find(library), std::string::npos) << library << " missing from " << depends;
    }
    const std::string unpacked = root + "/unpacked";
    ASSERT_TRUE(run("dpkg-deb -x '" + package + "' '" + unpacked + "'", root + "/unpack.txt"));
    expectLayout(unpacked + "/usr");
    GameInstall game(root, unpacked + "/usr/" NIMBUS_INSTALL_BINDIR "/nimbus",
                     unpacked + "/usr/" NIMBUS_INSTALL_DATADIR);
    playLevelOne(game);
}
