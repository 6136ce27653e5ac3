#include "game/rules/LevelMap.h"

#include <cstdint>
#include <limits>

#include "core/ByteHash.h"
#include "core/InBuffer.h"
#include "core/Log.h"
#include "core/OutBuffer.h"
#include "core/Stream.h"
#include "core/VectorOutBuffer.h"
#include "game/rules/Board.h"

namespace nimbus {

namespace {

constexpr char kMagic[4] = {'T', 'm', 'a', 'p'};
constexpr int64_t kHeaderBytes = 12;
constexpr int64_t kTileBytes = 9;

}  // namespace

bool readLevelMap(InBuffer& in, Board& board) {
    if (in.bytesLeft() < kHeaderBytes) {
        LOG_ERROR("Level map " << in.name() << " is too short for its header");
        return false;
    }
    in.skip(sizeof kMagic);
    int32_t width = 0, length = 0;
    in >> width >> length;
    if (width <= 0 || length <= 0) {
        LOG_ERROR("Level map " << in.name() << " has a bad size " << width << " x " << length);
        return false;
    }
    const int64_t cells = int64_t{width} * length;
    if (cells > std::numeric_limits<int32_t>::max() || cells * kTileBytes > in.bytesLeft()) {
        LOG_ERROR("Level map " << in.name() << " of " << width << " x " << length << " tiles holds only "
                               << in.bytesLeft() << " bytes of tile records");
        return false;
    }
    Board read(width, length);
    for (int32_t y = 0; y < length; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            Tile& tile = read.tileAt({x, y});
            uint8_t color = 0;
            in >> tile.fallStep >> tile.pickup >> color;
            // A damaged colour must not index the colour tables.
            tile.color = color < kTileColorCount ? int32_t{color} : int32_t{kUndefined};
        }
    }
    board = read;
    return true;
}

bool writeLevelMap(OutBuffer& out, const Board& board) {
    const int32_t start = out.bytesWritten();
    out.write(kMagic, sizeof kMagic);
    out << board.width() << board.length();
    for (const Tile& tile : board.tiles()) {
        out << tile.fallStep << tile.pickup << static_cast<uint8_t>(tile.color);
    }
    return out.bytesWritten() - start ==
           kHeaderBytes + kTileBytes * static_cast<int64_t>(board.tiles().size());
}

uint64_t levelHash(const Board& board) {
    VectorOutBuffer map;
    writeLevelMap(map, board);
    return hashBytes(map.bytes().data(), map.bytes().size());
}

}  // namespace nimbus
