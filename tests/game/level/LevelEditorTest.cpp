// The level being made: what each brush paints, and every edit undone and redone.
#include <gtest/gtest.h>

#include "game/level/LevelEditor.h"
#include "game/level/LevelSourceWriter.h"

namespace nimbus {
namespace {

std::string grids(const LevelEditor& editor) { return levelSourceText(editor.level()); }

TEST(LevelEditor, ANewLevelIsWhiteInABlackRingFromStartToGoal) {
    const LevelEditor editor;
    EXPECT_EQ(
        "\ntiles\nk k k k k k k k k\nk w w w w w w w k\nk w w w w w w w k\nk S w w w w w G k\n"
        "k w w w w w w w k\nk w w w w w w w k\nk k k k k k k k k\n",
        grids(editor));
    EXPECT_TRUE(
        LevelSourceParser::parse(grids(editor), "new.level", const_cast<LevelSource&>(editor.level())));
    for (int brush = 0; brush < static_cast<int>(Brush::kCount); ++brush)
        EXPECT_EQ(static_cast<Brush>(brush), brushNamed(brushName(static_cast<Brush>(brush))));
    EXPECT_EQ(Brush::kCount, brushNamed("purple"));
}

// Each brush on a cell, and the tile it leaves there (and the start's old cell).
TEST(LevelEditor, EachBrushPaintsItsPartOfTheTile) {
    Tile stopTime(kWhite);
    stopTime.pickup = kPickupStopTime;
    const struct {
        Brush brush;
        Position cell;
        bool changes;
        Tile tile;
    } cases[] = {
        {Brush::kRed, {2, 2}, true, Tile(kRed)},
        {Brush::kWhite, {2, 2}, false, Tile(kWhite)},
        {Brush::kHole, {0, 0}, true, Tile(kUndefined)},
        {Brush::kGoal, {4, 4}, true, Tile(kGoal)},
        {Brush::kFalls, {2, 2}, true, Tile(7, kWhite)},
        {Brush::kFalls, {0, 2}, false, Tile(kBlack)},  // a border tile never falls
        {Brush::kStopTime, {2, 2}, true, stopTime},
        {Brush::kNoPickup, {2, 2}, false, Tile(kWhite)},
        {Brush::kRed, {9, 2}, false, Tile()},  // off the board
    };
    for (const auto& c : cases) {
        LevelEditor editor;
        editor.setFallStep(7);
        EXPECT_EQ(c.changes, editor.paint(c.cell, c.brush)) << brushName(c.brush);
        EXPECT_EQ(c.changes, editor.canUndo());
        if (editor.board().contains(c.cell)) {
            EXPECT_EQ(c.tile, editor.board().tileAt(c.cell)) << brushName(c.brush);
        }
    }
    LevelEditor editor;
    ASSERT_TRUE(editor.paint(Position(4, 1), Brush::kStart));
    EXPECT_EQ(kWhite, editor.board().tileAt(Position(1, 3)).color) << "one start: the old one turns white";
}

// A wave: every inner floor tile falls by its distance from the cell, `every` at a time.
TEST(LevelEditor, AWaveNumbersTheFloorByItsDistanceFromTheCell) {
    LevelEditor editor;
    editor.setFallStep(3);
    editor.setWaveEvery(2);
    ASSERT_TRUE(editor.paint(Position(1, 1), Brush::kBlack));
    ASSERT_TRUE(editor.paint(Position(7, 5), Brush::kWave));
    const std::string text = grids(editor);
    EXPECT_NE(std::string::npos,
              text.find("falls\n- - - - - - - - -\n- - 7 7 6 6 5 5 -\n- 7 7 6 6 5 5 4 -\n- 7 6 6 5 5 4 4 -\n"
                        "- 6 6 5 5 4 4 3 -\n- 6 5 5 4 4 3 3 -\n- - - - - - - - -\n"))
        << text;
}

// New cells are holes.
TEST(LevelEditor, ResizingKeepsTheCellsItCoversWithinTheReadersSides) {
    LevelEditor editor;
    EXPECT_FALSE(editor.resize(9, 7));
    ASSERT_TRUE(editor.resize(10, 2));
    EXPECT_EQ("\ntiles\nk k k k k k k k k .\nk w w w w w w w k .\nk w w w w w w w k .\n", grids(editor));
    ASSERT_TRUE(editor.resize(100, 3));
    EXPECT_EQ(LevelSourceParser::kMaxSide, editor.board().width());
}

// Every edit is one step back: a stroke of cells, a resize, typing until something else.
TEST(LevelEditor, EveryEditIsUndoneAndRedoneAsOneStep) {
    LevelEditor editor;
    std::vector<std::string> seen{grids(editor)};
    LevelEditor byCell;
    for (const Position& cell : {Position(5, 2), Position(4, 3), Position(3, 3)})
        byCell.paint(cell, Brush::kBlue);
    editor.beginStroke();
    editor.paintLine(Position(5, 2), Position(3, 3), Brush::kBlue);
    editor.endStroke();
    EXPECT_EQ(grids(byCell), grids(editor)) << "a stroke's quick line leaves no gaps";
    seen.push_back(grids(editor));
    editor.setTitle("Blue");
    editor.setTitle("Blue # Bridge");
    EXPECT_EQ("Blue  Bridge", editor.level().title) << "no comment can start in a title";
    seen.push_back(grids(editor));
    editor.resize(5, 5);
    seen.push_back(grids(editor));
    editor.setTeaches("waves");
    seen.push_back(grids(editor));

    const uint32_t revision = editor.revision();
    for (size_t back = seen.size() - 1; back > 0; --back) {
        ASSERT_TRUE(editor.undo());
        EXPECT_EQ(seen[back - 1], grids(editor)) << back;
    }
    EXPECT_FALSE(editor.undo());
    EXPECT_NE(revision, editor.revision()) << "a proof of the level as it was does not hold";
    for (size_t on = 1; on < seen.size(); ++on) {
        ASSERT_TRUE(editor.redo());
        EXPECT_EQ(seen[on], grids(editor)) << on;
    }
    EXPECT_FALSE(editor.redo());
    // A new edit after undoing drops what could have been redone.
    editor.undo();
    editor.paint(Position(1, 1), Brush::kGoal);
    EXPECT_FALSE(editor.canRedo());
    // No more than the depth is kept.
    for (int i = 0; i < static_cast<int>(LevelEditor::kUndoDepth) + 5; ++i)
        editor.paint(Position(1, 1), i % 2 ? Brush::kRed : Brush::kGreen);
    int undone = 0;
    while (editor.undo()) ++undone;
    EXPECT_EQ(static_cast<int>(LevelEditor::kUndoDepth), undone);
}

}  // namespace
}  // namespace nimbus
