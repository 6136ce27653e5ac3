#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

#include "ErrorCapture.h"
#include "core/VectorInBuffer.h"
#include "core/VectorOutBuffer.h"
#include "core/math/Transform.h"
#include "game/rules/Board.h"
#include "game/rules/BoardFactory.h"
#include "game/scene/GroundFootprint.h"
#include "game/rules/LevelMap.h"

namespace nimbus {
namespace {

using Bytes = std::vector<unsigned char>;

void appendInt(Bytes& bytes, int32_t value) {
    unsigned char raw[4];
    std::memcpy(raw, &value, 4);
    bytes.insert(bytes.end(), raw, raw + 4);
}

Bytes header(const char* magic, int32_t width, int32_t length) {
    Bytes bytes(magic, magic + 4);
    appendInt(bytes, width);
    appendInt(bytes, length);
    return bytes;
}

void appendTile(Bytes& bytes, int32_t fallStep, int32_t pickup, unsigned char color) {
    appendInt(bytes, fallStep);
    appendInt(bytes, pickup);
    bytes.push_back(color);
}

// The 4 × 4 example: Start at (0, 0), Goal at (3, 3), fall steps counted 1 to 16 along
// the anti-diagonals.
Board exampleBoard() {
    Board board(4, 4);
    int step = 1;
    for (int sum = 0; sum <= 6; ++sum) {
        for (int y = 0; y < 4; ++y) {
            const int x = sum - y;
            if (x >= 0 && x < 4) board.tileAt({x, y}) = Tile(step++, kRed);
        }
    }
    board.tileAt({0, 0}).color = kStart;
    board.tileAt({3, 3}).color = kGoal;
    board.tileAt({2, 1}).pickup = kPickupStopTime;
    board.tileAt({1, 2}).color = kUndefined;
    return board;
}

std::unique_ptr<Board> readBytes(const Bytes& bytes) {
    VectorInBuffer in(bytes);
    return std::unique_ptr<Board>(BoardFactory().create(in));
}

TEST(Position, NeighboursDistanceAndText) {
    const Position p(3, 7);
    EXPECT_EQ(Position(2, 7), p.stepped(0));
    EXPECT_EQ(Position(4, 7), p.stepped(1));
    EXPECT_EQ(Position(3, 6), p.stepped(2));
    EXPECT_EQ(Position(3, 8), p.stepped(3));
    EXPECT_EQ(p, p.stepped(4));
    EXPECT_EQ(p, p.stepped(-1));
    EXPECT_EQ(Position(-1, -1), Position());
    EXPECT_EQ(5, manhattanDistance(p, {1, 4}));
    EXPECT_EQ(int64_t{4294967294}, manhattanDistance({INT32_MAX, 0}, {-INT32_MAX, 0}));
    EXPECT_EQ("<3, -7>", Position(3, -7).text());
}

TEST(TileColor, MatchingAndDisplay) {
    EXPECT_TRUE(colorsMatch(kRed, kRed));
    EXPECT_FALSE(colorsMatch(kRed, kGreen));
    EXPECT_TRUE(colorsMatch(kWhite, kBlue));
    EXPECT_TRUE(colorsMatch(kBlue, kGoal));
    EXPECT_FALSE(colorsMatch(kStart, kRed));
    for (int face = kRed; face <= kMagenta; ++face) {
        EXPECT_FALSE(colorsMatch(kBlack, face));
        EXPECT_FALSE(colorsMatch(kUndefined, face));
    }
    EXPECT_EQ(Color(1, 0, 0, 1), asColor(kRed));
    EXPECT_EQ(Color(1, 0, 1, 1), asColor(kMagenta));
    EXPECT_EQ(0.5f, asColor(kGoal).a());
    EXPECT_STREQ("Undefined", tileColorName(kUndefined));
    EXPECT_STREQ("Undefined", tileColorName(200));
    EXPECT_EQ(asColor(kUndefined), asColor(-3));
}

TEST(Board, FallingOnlyInsideTheBorder) {
    Board board(5, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 5; ++x) board.tileAt({x, y}).fallStep = 0;
    }
    board.tileAt({2, 2}).fallStep = 3;
    board.tileAt({1, 1}).fallStep = -1;
    // Border cells stand whatever their fall step.
    EXPECT_FALSE(board.isFallen({0, 2}, 100.0f));
    EXPECT_FALSE(board.isFallen({4, 1}, 100.0f));
    EXPECT_FALSE(board.isFallen({2, 0}, 100.0f));
    EXPECT_FALSE(board.isFallen({3, 3}, 100.0f));
    // Step 0 falls as soon as the clock is above zero; a fall is strictly after its time.
    EXPECT_FALSE(board.isFallen({3, 1}, 0.0f));
    EXPECT_TRUE(board.isFallen({3, 1}, 0.001f));
    EXPECT_FLOAT_EQ(6.0f, board.fallTime({2, 2}));
    EXPECT_FALSE(board.isFallen({2, 2}, 6.0f));
    EXPECT_TRUE(board.isFallen({2, 2}, 6.01f));
    // Step -1 is read as unsigned: practically never.
    EXPECT_FLOAT_EQ(4294967295.0f * 2.0f, board.fallTime({1, 1}));
    EXPECT_FALSE(board.isFallen({1, 1}, 1.0e6f));
    // A single cell is all border.
    Board single(1, 1);
    single.tileAt({0, 0}).fallStep = 0;
    EXPECT_FALSE(single.isFallen({0, 0}, 50.0f));
}

TEST(Board, FindStartTakesTheLowestRowThenTheLowestColumn) {
    Board board(4, 4);
    Position start(9, 9);
    EXPECT_FALSE(board.findStart(start));
    EXPECT_EQ(Position(9, 9), start);
    board.tileAt({3, 2}).color = kStart;
    board.tileAt({1, 3}).color = kStart;
    ASSERT_TRUE(board.findStart(start));
    EXPECT_EQ(Position(3, 2), start);
    board.tileAt({2, 2}).color = kStart;
    ASSERT_TRUE(board.findStart(start));
    EXPECT_EQ(Position(2, 2), start);
}

TEST(Board, NonPositiveSizesMakeAnEmptyBoard) {
    EXPECT_TRUE(Board(-2, 5).tiles().empty());
    EXPECT_EQ(0, Board(3, 0).width());
}

TEST(LevelMap, RoundTripKeepsTilesAndForgetsVisits) {
    Board board = exampleBoard();
    board.tileAt({1, 1}).visited = true;
    VectorOutBuffer out;
    ASSERT_TRUE(writeLevelMap(out, board));
    ASSERT_EQ(12u + 9u * 16u, out.bytes().size());
    EXPECT_EQ(0, std::memcmp(out.bytes().data(), "Tmap", 4));

    // Trailing data after the last record is ignored.
    Bytes bytes = out.bytes();
    bytes.insert(bytes.end(), {1, 2, 3, 4, 5});
    auto read = readBytes(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(4, read->width());
    EXPECT_EQ(4, read->length());
    EXPECT_EQ(board.tiles(), read->tiles());
    EXPECT_EQ(1, read->tileAt({0, 0}).fallStep);
    EXPECT_EQ(2, read->tileAt({1, 0}).fallStep);
    EXPECT_EQ(3, read->tileAt({0, 1}).fallStep);
    EXPECT_EQ(16, read->tileAt({3, 3}).fallStep);
    EXPECT_EQ(kPickupStopTime, read->tileAt({2, 1}).pickup);
    EXPECT_EQ(kUndefined, read->tileAt({1, 2}).color);
    for (const Tile& tile : read->tiles()) EXPECT_FALSE(tile.visited);
    EXPECT_FLOAT_EQ(2.0f, read->secondsPerFallStep());
}

TEST(LevelMap, ReadsRowsInOrderWhateverTheMagic) {
    Bytes bytes = header("XXXX", 3, 2);
    for (int i = 0; i < 6; ++i) appendTile(bytes, 10 + i, 0, static_cast<unsigned char>(i));
    auto read = readBytes(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(kRed, read->tileAt({0, 0}).color);
    EXPECT_EQ(kYellow, read->tileAt({0, 1}).color);
    EXPECT_EQ(15, read->tileAt({2, 1}).fallStep);
}

TEST(LevelMap, DamagedColourReadsAsUndefined) {
    Bytes bytes = header("Tmap", 2, 1);
    appendTile(bytes, 1, 0, 11);
    appendTile(bytes, 1, 0, 255);
    auto read = readBytes(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(kUndefined, read->tileAt({0, 0}).color);
    EXPECT_EQ(kUndefined, read->tileAt({1, 0}).color);
}

TEST(LevelMap, DamagedSizesAreRefusedWithOneError) {
    struct Case {
        const char* what;
        Bytes bytes;
    };
    Bytes oneShort = header("Tmap", 2, 2);
    for (int i = 0; i < 3; ++i) appendTile(oneShort, 0, 0, 0);
    oneShort.insert(oneShort.end(), 8, 0);  // the last record lacks a byte
    const Case cases[] = {
        {"zero width", header("Tmap", 0, 5)},
        {"negative length", header("Tmap", 4, -1)},
        {"product beyond 32 bits", header("Tmap", 65536, 65536)},
        {"product that wraps to a small number", header("Tmap", 0x40000001, 4)},
        {"huge but records missing", header("Tmap", 40000, 40000)},
        {"last record short", oneShort},
        {"no header", Bytes{'T', 'm', 'a', 'p', 1, 0}},
    };
    for (const Case& c : cases) {
        ErrorCapture errors;
        EXPECT_FALSE(readBytes(c.bytes)) << c.what;
        ASSERT_EQ(1u, errors.messages().size()) << c.what;
        EXPECT_NE(std::string::npos, errors.messages()[0].find("<VectorInBuffer>")) << c.what;
    }
    // A refused map leaves the board it was read into as it was.
    Board kept(2, 2);
    VectorInBuffer in(header("Tmap", -3, 3));
    ErrorCapture errors;
    EXPECT_FALSE(readLevelMap(in, kept));
    EXPECT_EQ(2, kept.width());
}

TEST(LevelMap, WriterReportsARefusingSink) {
    class FullSink : public OutBuffer {
    public:
        int32_t bytesWritten() const override { return written_; }
        int32_t write(const void*, int32_t count) override {
            const int32_t taken = std::min(count, 20 - written_);
            written_ += taken;
            return taken;
        }
        const char* name() const override { return "full"; }

    private:
        int32_t written_ = 0;
    };
    FullSink sink;
    EXPECT_FALSE(writeLevelMap(sink, exampleBoard()));
}

TEST(GroundFootprint, CameraLookingStraightDown) {
    Transform world;
    world.x = {1, 0, 0};
    world.y = {0, 0, -1};
    world.z = {0, 1, 0};
    world.t = {2, 5, 3};
    const float fovy = 0.3490658f;
    const GroundFootprint f = groundFootprint(world, fovy, 1.5f, 1.0f);
    const float halfZ = 5.0f * std::tan(fovy / 2.0f);
    EXPECT_NEAR(3.0f + halfZ, f.maxZ, 1e-4f);
    EXPECT_NEAR(3.0f - halfZ, f.minZ, 1e-4f);
    EXPECT_NEAR(2.0f + 1.5f * halfZ, f.maxX, 1e-4f);
    EXPECT_NEAR(2.0f - 1.5f * halfZ, f.minX, 1e-4f);
}

}  // namespace
}  // namespace nimbus
