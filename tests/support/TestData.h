#pragma once

#include <string>
#include <vector>

#include "game/DataLayout.h"
#include "support/TempFolder.h"

namespace nimbus {

// A game directory of its own for a test: "Data" mirrors the shipped data directory file
// by file through links (so the test may add, replace and remove files without touching
// the original), without its levels, GUI document and high scores. The test adds the
// levels and the document it wants.
class TestData {
public:
    TestData();

    // The data directory to hand the Application.
    std::string data() const { return folder_.file(kDataFolder); }

    // Writes a file under Data, replacing a linked one without touching its original.
    void write(const std::string& relativePath, const std::string& bytes) const;
    // Makes a file under Data a link to the target, replacing a linked one.
    void link(const std::string& relativePath, const std::string& target) const;
    // Writes "Levels/<name>/Level.map" for a board drawn as rows (see boardFromRows).
    void addLevel(const std::string& name, const std::vector<std::string>& rows, int fallStep = -1) const;
    // The small test document beside this file, whose menus reach every state.
    void addTestDocument() const;

private:
    TempFolder folder_;
};

}  // namespace nimbus
