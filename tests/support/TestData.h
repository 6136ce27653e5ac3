#pragma once

#include <string>
#include <vector>

#include "game/DataLayout.h"
#include "support/TempFolder.h"

namespace nimbus {

// A test's own game directory: "Data" links to the shipped data file by file (so files may be added, replaced
// and removed freely), but for the levels, GUI document and high scores the test adds.
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
