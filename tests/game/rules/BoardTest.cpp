#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>

#include "core/VectorInBuffer.h"
#include "core/VectorOutBuffer.h"
#include "core/posix/PosixInArchive.h"
#include "game/rules/Board.h"
#include "game/rules/BoardFactory.h"
#include "game/rules/LevelList.h"
#include "game/rules/LevelMap.h"
#include "support/LogCapture.h"
#include "support/TempFolder.h"

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

std::unique_ptr<Board> readBytes(const Bytes& bytes) {
    VectorInBuffer in(bytes);
    return std::unique_ptr<Board>(BoardFactory().create(in));
}

// Steps in each direction are read in GameDiceTest.
TEST(Position, DefaultAndDistance) {
    EXPECT_EQ(Position(), Position(-1, -1));
    EXPECT_EQ(manhattanDistance({3, 7}, {1, 4}), 5);
}

TEST(TileColor, MatchingAndDisplay) {
    const std::tuple<int32_t, int32_t, bool> pairs[] = {
        {kRed, kRed, true},    {kRed, kGreen, false},     {kWhite, kBlue, true},     {kBlue, kGoal, true},
        {kStart, kRed, false}, {kBlack, kMagenta, false}, {kUndefined, kRed, false},
    };
    for (const auto& [tile, face, match] : pairs) EXPECT_EQ(colorsMatch(tile, face), match) << tile << face;
    EXPECT_EQ(asColor(kMagenta), Color(1, 0, 1, 1));
    EXPECT_EQ(asColor(kGoal).a(), 0.5f);
}

TEST(Board, OnlyTilesInsideTheBorderFallAndStrictlyAfterTheirTime) {
    Board board(5, 4);
    for (Tile& tile : const_cast<std::vector<Tile>&>(board.tiles())) tile.fallStep = 0;
    board.tileAt({2, 2}).fallStep = 3;
    board.tileAt({1, 1}).fallStep = -1;  // read as unsigned: practically never
    const std::tuple<Position, float, bool> cases[] = {
        {{0, 2}, 100.0f, false}, {{4, 1}, 100.0f, false}, {{2, 0}, 100.0f, false},
        {{3, 3}, 100.0f, false}, {{3, 1}, 0.0f, false},   {{3, 1}, 0.001f, true},
        {{2, 2}, 6.0f, false},   {{2, 2}, 6.01f, true},   {{1, 1}, 1.0e6f, false},
    };
    for (const auto& [cell, time, fallen] : cases)
        EXPECT_EQ(board.isFallen(cell, time), fallen) << cell.text() << " at " << time;
    EXPECT_FLOAT_EQ(board.fallTime({2, 2}), 6.0f);
    // A single cell is all border.
    Board single(1, 1);
    single.tileAt({0, 0}).fallStep = 0;
    EXPECT_FALSE(single.isFallen({0, 0}, 50.0f));
}

TEST(Board, FindStartTakesTheLowestRowThenTheLowestColumn) {
    Board board(4, 4);
    Position start(9, 9);
    EXPECT_FALSE(board.findStart(start));
    EXPECT_EQ(start, Position(9, 9));
    for (const auto& [tile, found] :
         {std::pair(Position(3, 2), Position(3, 2)), std::pair(Position(1, 3), Position(3, 2)),
          std::pair(Position(2, 2), Position(2, 2))}) {
        board.tileAt(tile).color = kStart;
        ASSERT_TRUE(board.findStart(start));
        EXPECT_EQ(start, found);
    }
}

TEST(LevelMap, RoundTripKeepsTilesAndForgetsVisits) {
    // Every tile different, so that one read into the wrong place shows.
    Board board(4, 4);
    for (int i = 0; i < 16; ++i) board.tileAt({i % 4, i / 4}) = Tile(i + 1, i % kTileColorCount);
    board.tileAt({2, 1}).pickup = kPickupStopTime;
    board.tileAt({1, 1}).visited = true;
    VectorOutBuffer out;
    ASSERT_TRUE(writeLevelMap(out, board));
    ASSERT_EQ(out.bytes().size(), 12u + 9u * 16u);
    EXPECT_EQ(std::memcmp(out.bytes().data(), "Tmap", 4), 0);
    // Trailing data after the last record is ignored.
    Bytes bytes = out.bytes();
    bytes.insert(bytes.end(), {1, 2, 3, 4, 5});
    auto read = readBytes(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(std::make_pair(read->width(), read->length()), std::make_pair(4, 4));
    EXPECT_EQ(read->tiles(), board.tiles());
    for (const Tile& tile : read->tiles()) EXPECT_FALSE(tile.visited);
    EXPECT_FLOAT_EQ(read->secondsPerFallStep(), 2.0f);
}

// Rows come in order whatever the magic, and a colour out of range reads as Undefined.
TEST(LevelMap, ReadsRowsInOrderWhateverTheMagic) {
    Bytes bytes = header("XXXX", 3, 2);
    for (unsigned char color : {0, 1, 2, 3, 11, 255}) appendTile(bytes, 10 + color % 6, 0, color);
    auto read = readBytes(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->tiles(),
              (std::vector<Tile>{
                  {10, kRed}, {11, kGreen}, {12, kBlue}, {13, kYellow}, {15, kUndefined}, {13, kUndefined}}));
}

TEST(LevelMap, DamagedSizesAreRefusedWithOneError) {
    Bytes oneShort = header("Tmap", 2, 2);
    for (int i = 0; i < 3; ++i) appendTile(oneShort, 0, 0, 0);
    oneShort.insert(oneShort.end(), 8, 0);  // the last record lacks a byte
    const std::pair<const char*, Bytes> cases[] = {
        {"zero width", header("Tmap", 0, 5)},
        {"negative length", header("Tmap", 4, -1)},
        {"product beyond 32 bits", header("Tmap", 65536, 65536)},
        {"product that wraps to a small number", header("Tmap", 0x40000001, 4)},
        {"huge but records missing", header("Tmap", 40000, 40000)},
        {"last record short", oneShort},
        {"no header", Bytes{'T', 'm', 'a', 'p', 1, 0}},
    };
    for (const auto& [what, bytes] : cases) {
        LogCapture log;
        EXPECT_FALSE(readBytes(bytes)) << what;
        ASSERT_EQ(log.lines().size(), 1u) << what;
        EXPECT_TRUE(log.saw({"<VectorInBuffer>"})) << what;
    }
}

// A missing folder is reported and leaves the list as it was.
TEST(LevelList, DigitNamesInPlainStringOrder) {
    TempFolder root;
    PosixInArchive archive(root.path());
    std::vector<std::string> names{"stale"};
    for (const char* name : {"2", "10", "1b", "intro", "Common"})
        std::filesystem::create_directory(root.file(name));
    ASSERT_TRUE(listLevels(archive, names));
    EXPECT_EQ(names, (std::vector<std::string>{"10", "1b", "2"}));

    LogCapture log;
    PosixInArchive missing(root.file("absent"));
    names = {"kept"};
    EXPECT_FALSE(listLevels(missing, names));
    EXPECT_EQ(log.lines().size(), 1u);
    EXPECT_EQ(names, std::vector<std::string>{"kept"});
}

}  // namespace
}  // namespace nimbus
