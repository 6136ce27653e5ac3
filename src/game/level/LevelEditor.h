#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "game/level/LevelSource.h"

namespace nimbus {

// What the editor's palette paints onto a cell.
enum class Brush : int32_t {
    kRed,
    kGreen,
    kBlue,
    kYellow,
    kCyan,
    kMagenta,
    kWhite,
    kBlack,
    kHole,
    kStart,
    kGoal,
    kFalls,       // the fall step chosen
    kNeverFalls,  // no fall step
    kWave,        // every inner floor tile by its distance from the cell: step + distance / every
    kExtraLife,
    kStopTime,
    kReverseTime,
    kNoPickup,
    kCount,
};

// A brush's name, as the palette's properties carry it ("red", "start", "wave", ...), and
// the brush of a name (kCount for none).
const char* brushName(Brush brush);
Brush brushNamed(const std::string& name);

// A level being made: the board seen from above and its title and teaches line, every
// change to them an edit that can be undone and redone. Painting a start moves the start
// there (the old one becomes white); a fall step is painted only on inner cells, which
// alone fall. A stroke gathers the cells painted while a button is held into one edit;
// typing into the title or the teaches line is one edit until something else is done.
class LevelEditor {
public:
    static constexpr size_t kUndoDepth = 200;

    // A new level: a 9 x 7 board, white inside a black ring, the start at the left, the
    // goal at the right.
    LevelEditor();
    explicit LevelEditor(LevelSource level);

    const LevelSource& level() const { return level_; }
    const Board& board() const { return level_.board; }
    // Counts the changes to the level (edits, undos and redos), so that a proof can tell
    // whether it is still the proof of the level as it stands.
    uint32_t revision() const { return revision_; }

    // The fall step that kFalls paints and a wave starts from, and how many cells of a
    // wave fall together.
    void setFallStep(int32_t step);
    int32_t fallStep() const { return fallStep_; }
    void setWaveEvery(int32_t every);
    int32_t waveEvery() const { return waveEvery_; }

    // Paints a cell of the board; false, with no edit, when nothing changed or the cell is
    // off the board.
    bool paint(const Position& cell, Brush brush);
    // Paints every cell on the straight line from one cell to another, both included.
    void paintLine(const Position& from, const Position& to, Brush brush);
    void beginStroke();
    void endStroke();
    // Grows or shrinks the board within the reader's sides, keeping the cells it still
    // covers; new cells are holes. False when nothing changed.
    bool resize(int32_t width, int32_t length);
    void setTitle(const std::string& title);
    void setTeaches(const std::string& teaches);

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    bool undo();
    bool redo();

private:
    enum class Typing { kNone, kTitle, kTeaches };

    // Keeps the level as it is for undo, unless a stroke or typing already did.
    void remember(Typing typing);
    void changed();
    // Paints onto `board`; false when the brush does nothing there.
    bool paintTile(Board& board, const Position& cell, Brush brush) const;

    LevelSource level_;
    std::vector<LevelSource> undo_;
    std::vector<LevelSource> redo_;
    uint32_t revision_ = 0;
    int32_t fallStep_ = 5;
    int32_t waveEvery_ = 1;
    bool stroke_ = false;
    bool strokeRemembered_ = false;
    Typing typing_ = Typing::kNone;
};

}  // namespace nimbus
