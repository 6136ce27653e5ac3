#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/ResourceManager.h"
#include "core/VectorOutBuffer.h"
#include "game/rules/Board.h"
#include "game/rules/GameImpl.h"
#include "game/rules/LevelMap.h"
#include "game/rules/PlayerStats.h"
#include "support/OwnProcessWide.h"
#include "support/RecordingSound.h"
#include "support/TestFont.h"

namespace nimbus {

// Rows of characters, y = 0 first: '0' to '5' the die colours, 'W' White, 'B' Black, 'S'
// Start, 'G' Goal, '.' Undefined. Every tile stands for ever unless a test sets its fall step.
inline Board boardFromRows(const std::vector<std::string>& rows) {
    Board board(static_cast<int32_t>(rows[0].size()), static_cast<int32_t>(rows.size()));
    const std::string kinds = "012345WBSG";
    const int32_t colors[] = {0, 1, 2, 3, 4, 5, kWhite, kBlack, kStart, kGoal};
    for (int32_t y = 0; y < board.length(); ++y) {
        for (int32_t x = 0; x < board.width(); ++x) {
            const size_t kind = kinds.find(rows[y][x]);
            board.tileAt({x, y}).color = kind == std::string::npos ? kUndefined : colors[kind];
        }
    }
    return board;
}

// A level map of the rows, every tile with the fall step given (-1: for ever; a border never falls).
inline std::string levelMapFromRows(const std::vector<std::string>& rows, int32_t fallStep = -1) {
    Board board = boardFromRows(rows);
    for (int32_t y = 0; y < board.length(); ++y) {
        for (int32_t x = 0; x < board.width(); ++x) board.tileAt({x, y}).fallStep = fallStep;
    }
    VectorOutBuffer out;
    writeLevelMap(out, board);
    return std::string(out.bytes().begin(), out.bytes().end());
}

// A process-wide font with every printable character, so floating texts are laid out.
class GameFixture : public ::testing::Test {
protected:
    GameFixture() { registerTestFont(); }

    void start(const Board& board) {
        game = std::make_unique<GameImpl>(std::make_unique<RecordingSound>(sounds), &stats, 0,
                                          std::make_unique<Board>(board));
    }
    // Hands the command in and lets the turn it starts finish, as the frames would.
    bool run(const GameCommand& command) {
        const bool consumed = game->execute(command);
        game->update(0.5f);
        return consumed;
    }
    const Tile& tile(Position p) const { return game->board()->tileAt(p); }
    std::vector<std::string> texts() const {
        std::vector<std::string> result;
        for (const FloatingText& t : game->floatingTexts().entries()) result.push_back(t.text);
        return result;
    }

    OwnProcessWide<ResourceManager> resources_;
    SoundLog sounds;
    PlayerStats stats;
    std::unique_ptr<GameImpl> game;
};

}  // namespace nimbus
