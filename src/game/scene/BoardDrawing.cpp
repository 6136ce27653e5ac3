#include "game/scene/BoardDrawing.h"

#include <cmath>

#include "game/rules/Board.h"
#include "game/rules/GameDice.h"
#include "game/scene/BoardLook.h"
#include "game/scene/ColorSymbols.h"
#include "game/scene/GlossyModels.h"
#include "game/scene/GroundFootprint.h"
#include "game/scene/TileBatches.h"
#include "render/Camera.h"
#include "render/Core.h"

namespace nimbus {

namespace {

constexpr float kPi = 3.14159265f;
constexpr float kGravity = 9.81f;
constexpr float kTileHeight = -0.1f;  // puts a tile's top face at y = 0
constexpr float kPickupHeight = 0.6f;
constexpr float kArrowHeight = 0.25f;
constexpr float kHintArrowHeight = 0.9f;
constexpr float kHintArrowScale = 1.8f;
constexpr float kVisitedShade = 0.25f;
// Bounds the studded tile about its centre, however a falling tile turns.
constexpr float kTileRadius = 0.75f;

// Black, which no face can enter, is drawn nearly black on the board rather than in its
// grey: a visited tile shows a quarter of its colour, so a walked White path is grey too
// and would look like a wall of Black tiles.
const Color kBlackTile{0.06f, 0.06f, 0.06f, 1.0f};

// The display colour at the tile's brightness. The fourth value says what the effect
// marks the tile's face with: below 1 (the display alpha of the goal, which is white
// like a White tile) a chequer, 1 nothing, 2 + n the symbol of die colour n.
Vector4 tileColor(const Tile& tile, float brightness, bool symbols) {
    const Color c = tile.color == kBlack ? kBlackTile : asColor(tile.color);
    const float s = brightness * (tile.visited ? kVisitedShade : 1.0f);
    const bool marked = symbols && tile.color >= kRed && tile.color <= kMagenta;
    return {c.r() * s, c.g() * s, c.b() * s, marked ? 2.0f + static_cast<float>(tile.color) : c.a()};
}

// A crumbled tile drops as in free fall and tumbles forwards a turn a second.
Matrix44 tilePlacement(const Board& board, const Position& cell, float levelClock) {
    const Vector3 centre{cell.x + 0.5f, kTileHeight, cell.y + 0.5f};
    if (!board.isFallen(cell, levelClock)) return Matrix44::translation(centre);
    const float u = levelClock - board.fallTime(cell);
    return Matrix44::rotation({1.0f, 0.0f, 0.0f}, -2.0f * kPi * u) *
           Matrix44::translation(centre - Vector3(0.0f, 0.5f * kGravity * u * u, 0.0f));
}

// Gathers tiles twelve to a draw of one batched tile mesh: copy k of the mesh takes
// palette entry k, so any twelve tiles can share a draw.
class TileBatch {
public:
    TileBatch(const Board& board, const MeshBatch& mesh, float brightness, const Camera& camera)
        : board_(board),
          mesh_(mesh),
          brightness_(brightness),
          symbols_(colorSymbolsShown() && board.resources().symbols),
          camera_(camera) {}

    void add(const Position& cell, const Matrix44& placement) {
        colors_[count_] = tileColor(board_.tileAt(cell), brightness_, symbols_);
        placements_[count_] = placement;
        if (++count_ == TileSpan::kTilesPerBatch) draw();
    }

    void draw() {
        if (count_ == 0) return;
        const Board::Resources& r = board_.resources();
        Shader& effect = *r.tileEffect;
        effect.setVectorArray("g_colorPalette", colors_, count_);
        effect.setMatrixArray("g_transformPalette", placements_, count_);
        effect.setVector("g_lightDirection", normalise(kBoardLightFrom));
        effect.setFloat("g_ambientLight", kBoardAmbientLight);
        effect.setFloat("g_directLight", kBoardDirectLight);
        // The coarse brick names its own picture, with the studs it leaves out painted in.
        const Mesh::Textures& own = mesh_.getTextures();
        effect.setTexture("g_diffuseTexture",
                          !own.empty() && own.front() ? own.front().get() : r.softShadow.get());
        effect.setTexture("g_symbolTexture", r.symbols.get());
        camera_.apply(effect);
        core()->draw(mesh_.getPrimitiveType(), mesh_.getElementCount() * count_ / mesh_.getBatchSize(), 0,
                     mesh_.getVertexBuffer(), mesh_.getIndexBuffer(), &effect,
                     symbols_ ? "Symbols" : "Technique1");
        count_ = 0;
    }

private:
    const Board& board_;
    const MeshBatch& mesh_;
    float brightness_;
    bool symbols_;
    const Camera& camera_;
    int32_t count_ = 0;
    Vector4 colors_[TileSpan::kTilesPerBatch];
    Matrix44 placements_[TileSpan::kTilesPerBatch];
};

void drawPickups(const Board& board, float levelClock, const Camera& camera) {
    const Board::Resources& r = board.resources();
    if (!r.pickupEffect) return;
    GlossyModels models(*r.pickupEffect, camera, r.envmap.get());
    const float turn = levelClock * kPi / 6.0f;
    for (int32_t y = 0; y < board.length(); ++y) {
        for (int32_t x = 0; x < board.width(); ++x) {
            const int32_t kind = board.tileAt({x, y}).pickup;
            if (kind <= kPickupNone || kind >= kPickupLast || !r.pickups[kind]) continue;
            models.draw(*r.pickups[kind], turnedAndPlaced(turn, {x + 0.5f, kPickupHeight, y + 0.5f}));
        }
    }
}

}  // namespace

void drawBoard(const Board& board, float levelClock, float brightness, const Camera& camera) {
    const Board::Resources& r = board.resources();
    if (!r.tileEffect || !r.tileBatch || !core()) return;
    const GroundFootprint footprint =
        groundFootprint(camera.world, camera.fovy, camera.aspect, camera.nearDistance);
    const TileSpan span = visibleTiles(footprint, board.width(), board.length());
    // Tiles beside the view or fallen out of it cost nothing; far ones take the coarse
    // brick, and falling ones, whose undersides show as they tumble, the closed brick,
    // where there are those.
    TileBatch near(board, *r.tileBatch, brightness, camera);
    TileBatch far(board, r.coarseTileBatch ? *r.coarseTileBatch : *r.tileBatch, brightness, camera);
    TileBatch falling(board, r.closedTileBatch ? *r.closedTileBatch : *r.tileBatch, brightness, camera);
    for (int32_t index = span.first; index < span.end; ++index) {
        const Position cell(index % board.width(), index / board.width());
        const Matrix44 placement = tilePlacement(board, cell, levelClock);
        const Vector3 centre{placement.m[3][0], placement.m[3][1], placement.m[3][2]};
        if (!camera.sees(centre, kTileRadius)) continue;
        if (board.isFallen(cell, levelClock)) {
            falling.add(cell, placement);
        } else {
            (length(centre - camera.world.t) > kCoarseTileDistance ? far : near).add(cell, placement);
        }
    }
    near.draw();
    far.draw();
    falling.draw();
    drawPickups(board, levelClock, camera);
}

void drawArrows(const Board& board, const GameDice& die, Direction hinted, float levelClock,
                const Camera& camera) {
    const Board::Resources& r = board.resources();
    if (!r.pickupEffect || !r.arrow || !core()) return;
    // Headings by roll direction: towards x - 1, x + 1, -z, +z.
    static const float kHeadings[4] = {kPi, 0.0f, kPi * 0.5f, kPi * 1.5f};
    GlossyModels models(*r.pickupEffect, camera, r.envmap.get());
    const float bob = 0.2f * std::fabs(std::sin(2.0f * kPi * levelClock));
    for (Direction d = 0; d < 4; ++d) {
        const Position target = die.position().stepped(d);
        if (!board.contains(target) || !colorsMatch(board.tileAt(target).color, die.face(d)) ||
            board.isFallen(target, levelClock)) {
            continue;
        }
        const bool hint = d == hinted;
        const float heading = kHeadings[d];
        const float reach = hint ? 2.0f * bob : bob;
        const Vector3 at = Vector3(target.x + 0.5f, hint ? kHintArrowHeight : kArrowHeight, target.y + 0.5f) +
                           Vector3(std::cos(heading), 0.0f, -std::sin(heading)) * reach;
        const Matrix44 placed = turnedAndPlaced(heading, at);
        models.draw(
            *r.arrow,
            hint ? Matrix44::scaling({kHintArrowScale, kHintArrowScale, kHintArrowScale}) * placed : placed);
    }
}

}  // namespace nimbus
