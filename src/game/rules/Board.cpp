#include "game/rules/Board.h"

#include "core/ResourceManager.h"
#include "game/GameNames.h"

namespace nimbus {

Board::Board(int32_t width, int32_t length) {
    if (width <= 0 || length <= 0) return;
    width_ = width;
    length_ = length;
    tiles_.resize(static_cast<size_t>(width) * static_cast<size_t>(length));
}

float Board::fallTime(const Position& p) const {
    return static_cast<float>(static_cast<uint32_t>(tileAt(p).fallStep)) * secondsPerFallStep_;
}

bool Board::isFallen(const Position& p, float levelClock) const {
    if (isBorder(p)) return false;
    return levelClock > fallTime(p);
}

bool Board::findStart(Position& out) const {
    for (int32_t y = 0; y < length_; ++y) {
        for (int32_t x = 0; x < width_; ++x) {
            if (tileAt({x, y}).color == kStart) {
                out = {x, y};
                return true;
            }
        }
    }
    return false;
}

void Board::fetchResources() {
    resources_.tileEffect = getResource<Shader>("Shaders/Board", "Shader");
    resources_.pickupEffect = getResource<Shader>("Shaders/Dice", "Shader");
    resources_.tileBatch = getResource<MeshBatch>(kTileBatch, "MeshBatch");
    resources_.coarseTileBatch = getResource<MeshBatch>(kCoarseTileBatch, "MeshBatch");
    resources_.closedTileBatch = getResource<MeshBatch>(kClosedTileBatch, "MeshBatch");
    resources_.arrow = getResource<Mesh>("Meshes/Arrow", "Mesh");
    for (int kind = 0; kind < kPickupLast; ++kind) {
        const char* mesh = pickupKindInfo(kind).mesh;
        if (mesh) resources_.pickups[kind] = getResource<Mesh>(mesh, "Mesh");
    }
    resources_.softShadow = getResource<Texture>("Textures/Soft_shadow", "Texture");
    resources_.envmap = getResource<Texture>("Textures/Envmap", "Texture");
    resources_.symbols = getResource<Texture>("Textures/Symbols", "Texture");
}

}  // namespace nimbus
