#include "game/rules/TileColor.h"

namespace nimbus {

namespace {

struct ColorEntry {
    const char* name;
    Color display;
};

const ColorEntry kColors[kTileColorCount] = {
    {"Red", {1.0f, 0.0f, 0.0f, 1.0f}},       {"Green", {0.0f, 1.0f, 0.0f, 1.0f}},
    {"Blue", {0.0f, 0.0f, 1.0f, 1.0f}},      {"Yellow", {1.0f, 1.0f, 0.0f, 1.0f}},
    {"Cyan", {0.0f, 1.0f, 1.0f, 1.0f}},      {"Magenta", {1.0f, 0.0f, 1.0f, 1.0f}},
    {"Black", {0.2f, 0.2f, 0.2f, 1.0f}},     {"White", {1.0f, 1.0f, 1.0f, 1.0f}},
    {"Start", {1.0f, 1.0f, 1.0f, 1.0f}},     {"Goal", {1.0f, 1.0f, 1.0f, 0.5f}},
    {"Undefined", {0.1f, 0.1f, 0.1f, 1.0f}},
};

const ColorEntry& entry(int32_t color) {
    return (color >= 0 && color < kTileColorCount) ? kColors[color] : kColors[kUndefined];
}

bool acceptsAny(int32_t color) { return color == kGoal || color == kWhite; }

}  // namespace

const char* tileColorName(int32_t color) { return entry(color).name; }

Color asColor(int32_t color) { return entry(color).display; }

bool colorsMatch(int32_t tile, int32_t face) { return tile == face || acceptsAny(tile) || acceptsAny(face); }

bool takesSomeFace(int32_t tile) { return (tile >= kRed && tile <= kMagenta) || acceptsAny(tile); }

}  // namespace nimbus
