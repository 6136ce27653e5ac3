#include "TestData.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "../rules/GameFixture.h"

namespace fs = std::filesystem;

namespace {

// Whole shipped folders a test never wants as they are.
bool leftOut(const fs::path& relative) {
    const std::string text = relative.generic_string();
    if (text == "Frontend/gui.xml" || text == "highscores.bin") return true;
    return text.rfind("Levels/", 0) == 0 && text.rfind("Levels/Common", 0) != 0;
}

}  // namespace

TestData::TestData() {
    char pattern[] = "/tmp/nimbus-states-XXXXXX";
    base_ = mkdtemp(pattern) ? pattern : "";
    const fs::path shipped = fs::canonical(NIMBUS_DATA_DIR);
    const fs::path data = base_ + "/Data";
    fs::create_directories(data / "Levels");
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(shipped)) {
        const fs::path relative = fs::relative(entry.path(), shipped);
        if (leftOut(relative)) continue;
        if (entry.is_directory())
            fs::create_directories(data / relative);
        else
            fs::create_symlink(entry.path(), data / relative);
    }
}

TestData::~TestData() {
    if (!base_.empty()) fs::remove_all(base_);
}

void TestData::write(const std::string& relativePath, const std::string& bytes) {
    const fs::path path = data() + "/" + relativePath;
    fs::create_directories(path.parent_path());
    fs::remove(path);
    std::ofstream(path, std::ios::binary) << bytes;
}

void TestData::link(const std::string& relativePath, const std::string& target) {
    const fs::path path = data() + "/" + relativePath;
    fs::remove(path);
    fs::create_symlink(target, path);
}

void TestData::addLevel(const std::string& name, const std::vector<std::string>& rows, int fallStep) {
    write("Levels/" + name + "/Level.map", nimbus::levelMapFromRows(rows, fallStep));
}

void TestData::addTestDocument() {
    std::ifstream in(NIMBUS_SOURCE_DIR "/tests/game/states/data/gui.xml", std::ios::binary);
    write("Frontend/gui.xml", std::string(std::istreambuf_iterator<char>(in), {}));
}
