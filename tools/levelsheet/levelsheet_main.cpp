// The level sheet: nimbus_levelsheet OUTPUT.png LEVEL_SOURCE... draws every level from
// above with its shortest solution, five to a row and numbered in the order given, into
// one PNG. Exits 1, naming the
// file, when a source is bad or the sheet cannot be written.
#include "LevelPlan.h"
#include "PlanLabel.h"
#include "PngFile.h"
#include "SheetLayout.h"
#include "core/Log.h"
#include "game/level/LevelCompiler.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        LOG_ERROR("usage: nimbus_levelsheet OUTPUT.png LEVEL_SOURCE...");
        return 1;
    }
    std::vector<nimbus::LevelSource> levels(argc - 2);
    std::vector<nimbus::SheetLayout::Size> plans;
    for (int i = 2; i < argc; ++i) {
        if (!nimbus::LevelSourceParser::read(argv[i], levels[i - 2])) return 1;
        const nimbus::Board& board = levels[i - 2].board;
        plans.push_back(
            {board.width() * nimbus::LevelPlan::kTile, board.length() * nimbus::LevelPlan::kTile});
    }
    constexpr int kColumns = 5, kGap = 12, kLabelGap = 4;
    const nimbus::SheetLayout layout(plans, kColumns, kGap, nimbus::PlanLabel::kHeight + kLabelGap);
    nimbus::Image sheet(layout.width(), layout.height());
    for (int y = 0; y < sheet.height(); ++y) {
        for (int x = 0; x < sheet.width(); ++x) sheet.at(x, y) = nimbus::Pixel{0.17f, 0.19f, 0.22f, 1.0f};
    }
    for (size_t i = 0; i < levels.size(); ++i) {
        const nimbus::Solution solution = nimbus::solveLevel(levels[i]);
        nimbus::Position start;
        levels[i].board.findStart(start);
        const int labelTop = layout.y(i) - nimbus::PlanLabel::kHeight - kLabelGap;
        nimbus::PlanLabel::draw(sheet, layout.x(i), labelTop, static_cast<int>(i) + 1,
                                nimbus::Pixel{0.85f, 0.87f, 0.9f, 1.0f});
        nimbus::LevelPlan::draw(sheet, layout.x(i), layout.y(i), levels[i].board, start, solution.steps);
    }
    return nimbus::writeImagePng(argv[1], sheet) ? 0 : 1;
}
