#include "support/TempFolder.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace nimbus {

TempFolder::TempFolder() {
    char pattern[] = "/tmp/nimbus-test-XXXXXX";
    if (mkdtemp(pattern)) path_ = pattern;
}

TempFolder::~TempFolder() {
    if (!path_.empty()) fs::remove_all(path_);
}

std::string TempFolder::write(const std::string& relative, const std::string& bytes) const {
    const fs::path name = file(relative);
    fs::create_directories(name.parent_path());
    fs::remove(name);
    std::ofstream(name, std::ios::binary) << bytes;
    return name;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace nimbus
