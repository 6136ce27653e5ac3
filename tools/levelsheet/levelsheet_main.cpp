// The level sheet: nimbus_levelsheet OUTPUT.png LEVEL_SOURCE... draws every level from
// above with its shortest solution, five to a row, into one PNG. Exits 1, naming the
// file, when a source is bad or the sheet cannot be written.
#include <algorithm>

#include "LevelCompiler.h"
#include "LevelPlan.h"
#include "PngFile.h"
#include "core/Log.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        LOG_ERROR("usage: nimbus_levelsheet OUTPUT.png LEVEL_SOURCE...");
        return 1;
    }
    std::vector<nimbus::LevelSource> levels(argc - 2);
    int side = 0;
    for (int i = 2; i < argc; ++i) {
        if (!nimbus::LevelSourceParser::read(argv[i], levels[i - 2])) return 1;
        side = std::max({side, levels[i - 2].board.width(), levels[i - 2].board.length()});
    }
    constexpr int kColumns = 5, kGap = 12;
    const int cell = nimbus::LevelPlan::sideFor(side) + kGap;
    const int count = static_cast<int>(levels.size());
    const int columns = std::min(kColumns, count);
    nimbus::Image sheet(columns * cell + kGap, (count + columns - 1) / columns * cell + kGap);
    for (int y = 0; y < sheet.height(); ++y) {
        for (int x = 0; x < sheet.width(); ++x) sheet.at(x, y) = nimbus::Pixel{0.17f, 0.19f, 0.22f, 1.0f};
    }
    for (int i = 0; i < count; ++i) {
        const nimbus::Solution solution = nimbus::solveLevel(levels[i]);
        nimbus::Position start;
        levels[i].board.findStart(start);
        nimbus::LevelPlan::draw(sheet, kGap + i % columns * cell, kGap + i / columns * cell, levels[i].board,
                                start, solution.steps);
    }
    return nimbus::writeImagePng(argv[1], sheet) ? 0 : 1;
}
