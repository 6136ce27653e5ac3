#pragma once

#include <cstdint>
#include <vector>

#include "core/ResourceHandle.h"
#include "game/rules/PickupKind.h"
#include "game/rules/Position.h"
#include "game/rules/Tile.h"
#include "render/Mesh.h"
#include "render/MeshBatch.h"
#include "render/Shader.h"
#include "render/Texture.h"

namespace nimbus {

// A level's rectangle of tiles, row by row (cell (x, y) at y × width + x), and the
// drawing resources it is shown with. Copied by value: the game plays on a copy of the
// loaded board, and the copies share the resources. Cells outside the board are never
// looked up; callers check `contains` first.
class Board {
public:
    static constexpr float kSecondsPerFallStep = 2.0f;

    // Meshes, effects and textures the scene drawing reads; handles stay empty for what
    // is not registered (as in tests).
    struct Resources {
        ResourceHandle<Shader> tileEffect;          // "Shaders/Board"
        ResourceHandle<Shader> pickupEffect;        // "Shaders/Dice", also for the arrows
        ResourceHandle<MeshBatch> tileBatch;        // "Meshes/Tile"
        ResourceHandle<MeshBatch> coarseTileBatch;  // "Meshes/Tile_coarse"
        ResourceHandle<MeshBatch> closedTileBatch;  // "Meshes/Tile_closed"
        ResourceHandle<Mesh> arrow;                 // "Meshes/Arrow"
        ResourceHandle<Mesh> pickups[kPickupLast];  // by pick-up kind; none for kind 0
        ResourceHandle<Texture> softShadow;         // "Textures/Soft_shadow"
        ResourceHandle<Texture> envmap;             // "Textures/Envmap"
        ResourceHandle<Texture> symbols;            // "Textures/Symbols"
    };

    // An empty board (0 × 0).
    Board() = default;
    // width × length default tiles; empty unless both are positive.
    Board(int32_t width, int32_t length);

    int32_t width() const { return width_; }
    int32_t length() const { return length_; }
    float secondsPerFallStep() const { return secondsPerFallStep_; }
    bool contains(const Position& p) const { return p.x >= 0 && p.x < width_ && p.y >= 0 && p.y < length_; }
    // A cell in the outer ring; border tiles never fall.
    bool isBorder(const Position& p) const {
        return p.x == 0 || p.x == width_ - 1 || p.y == 0 || p.y == length_ - 1;
    }

    Tile& tileAt(const Position& p) { return tiles_[index(p)]; }
    const Tile& tileAt(const Position& p) const { return tiles_[index(p)]; }
    const std::vector<Tile>& tiles() const { return tiles_; }
    // The cell's place in tiles(), for tables kept beside the board.
    size_t index(const Position& p) const { return static_cast<size_t>(p.y) * width_ + p.x; }

    // The level time after which the tile is gone: its fall step, taken as unsigned,
    // times the seconds per fall step.
    float fallTime(const Position& p) const;
    // Never for a border cell; otherwise once the clock is strictly past the fall time.
    bool isFallen(const Position& p, float levelClock) const;
    // The first Start tile, rows from y = 0 and each row from x = 0; false (and `out`
    // untouched) when there is none.
    bool findStart(Position& out) const;

    const Resources& resources() const { return resources_; }
    // Looks the drawing resources up in the process-wide resource manager.
    void fetchResources();

private:
    int32_t width_ = 0;
    int32_t length_ = 0;
    std::vector<Tile> tiles_;
    float secondsPerFallStep_ = kSecondsPerFallStep;
    Resources resources_;
};

}  // namespace nimbus
