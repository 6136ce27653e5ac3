#include "support/TestData.h"

#include <filesystem>

#include "game/DataLayout.h"
#include "support/GameFixture.h"

namespace fs = std::filesystem;

namespace nimbus {

namespace {

// Whole shipped folders a test never wants as they are.
bool leftOut(const fs::path& relative) {
    const std::string text = relative.generic_string();
    if (text == kGuiDocument || text == kHighScoresFile) return true;
    return text.rfind(std::string(kLevelsFolder) + "/", 0) == 0 && text.rfind(kLevelsCommonFolder, 0) != 0;
}

}  // namespace

TestData::TestData() {
    const fs::path shipped = fs::canonical(NIMBUS_DATA_DIR);
    const fs::path data = this->data();
    fs::create_directories(data / kLevelsFolder);
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(shipped)) {
        const fs::path relative = fs::relative(entry.path(), shipped);
        if (leftOut(relative)) continue;
        if (entry.is_directory())
            fs::create_directories(data / relative);
        else
            fs::create_symlink(entry.path(), data / relative);
    }
}

void TestData::write(const std::string& relativePath, const std::string& bytes) const {
    folder_.write(std::string(kDataFolder) + "/" + relativePath, bytes);
}

void TestData::addLevel(const std::string& name, const std::vector<std::string>& rows, int fallStep) const {
    write(levelMapFile(name), levelMapFromRows(rows, fallStep));
}

void TestData::link(const std::string& relativePath, const std::string& target) const {
    const fs::path path = data() + "/" + relativePath;
    fs::remove(path);
    fs::create_symlink(target, path);
}

void TestData::addTestDocument() const {
    write(kGuiDocument, readFile(NIMBUS_SOURCE_DIR "/tests/support/states_menus.xml"));
}

}  // namespace nimbus
